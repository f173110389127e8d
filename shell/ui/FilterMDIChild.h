// The frame of the filter view ("Filter Definitions"); resize timer id 138.
#pragma once

#include "shell/ui/SpeakerMDIChild.h"

class CFilterMDIChild : public CSpeakerMDIChild<ESpeakerFrame::Filter>
{
public:
    explicit CFilterMDIChild(CMorvaneApp& app);
};
