#include "shell/ui/PhaseMDIChild.h"

#include "shell/ShellStrings.h"

CPhaseMDIChild::CPhaseMDIChild(CMorvaneApp& app)
    : CSpeakerMDIChild(app, ShellString(IDS_PHASE_TITLE))
{
}
