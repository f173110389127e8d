// The frame of the speaker phase view ("Loud Speaker Phase Response"); resize timer
// id 133.
#pragma once

#include "shell/ui/SpeakerMDIChild.h"

class CPhaseMDIChild : public CSpeakerMDIChild<ESpeakerFrame::Phase>
{
public:
    explicit CPhaseMDIChild(CMorvaneApp& app);
};
