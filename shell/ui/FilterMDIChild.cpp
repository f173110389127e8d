#include "shell/ui/FilterMDIChild.h"

#include "shell/ShellStrings.h"

CFilterMDIChild::CFilterMDIChild(CMorvaneApp& app)
    : CSpeakerMDIChild(app, ShellString(IDS_FILTER_TITLE))
{
}
