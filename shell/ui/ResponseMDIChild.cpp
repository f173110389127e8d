#include "shell/ui/ResponseMDIChild.h"

#include "shell/ShellStrings.h"

CResponseMDIChild::CResponseMDIChild(CMorvaneApp& app)
    : CSpeakerMDIChild(app, ShellString(IDS_RESPONSE_TITLE))
{
}
