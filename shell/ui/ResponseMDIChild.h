// The frame of the speaker response view ("Loud Speaker Response"); resize timer id 133.
// Its first activation puts "Open Raw Response File" into the status bar.
#pragma once

#include "shell/ui/SpeakerMDIChild.h"

class CResponseMDIChild : public CSpeakerMDIChild<ESpeakerFrame::Response>
{
public:
    explicit CResponseMDIChild(CMorvaneApp& app);
};
