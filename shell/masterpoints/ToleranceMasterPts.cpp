#include "shell/masterpoints/ToleranceMasterPts.h"

#include "document/MasterPointEditing.h"
#include "shell/masterpoints/DesiredResponseMasterPts.h"
#include "shell/masterpoints/EditMasterPoints.h"

CToleranceMasterPts::CToleranceMasterPts(CEditMasterPoints& sheet, bool bUpper)
    : CMasterPointPage(sheet, bUpper ? "Upper Tolerance Pts." : "Lower Tolerance Pts.",
                       bUpper ? 1056 : 1057, true),
      m_bUpper(bUpper)
{
}

bool CToleranceMasterPts::OnSetActive()
{
    CMasterPointPage::OnSetActive();
    ExtendFromDesired();
    return true;
}

bool CToleranceMasterPts::ExtendFromDesired()
{
    CDesiredResponseMasterPts& desired = m_Sheet.DesiredPage();
    const double offset = m_bUpper ? desired.UpperOffset() : desired.LowerOffset();
    if (!FillOffsetGrid(desired.Grid(), Grid(), offset))
        return false;
    MarkPointsChanged();
    return true;
}
