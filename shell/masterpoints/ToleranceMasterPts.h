// A tolerance page of the master point editor: the read-only grid of the upper or lower
// tolerance curve's master points. Each time it becomes the current page, rows the
// desired grid has gained are added to it with the page's offset (rows it already fills,
// edited or not, stay).
#pragma once

#include "shell/masterpoints/MasterPointPage.h"

class CToleranceMasterPts : public CMasterPointPage
{
public:
    // bUpper: the upper tolerance (offset above the desired response), else the lower.
    CToleranceMasterPts(CEditMasterPoints& sheet, bool bUpper);

    bool OnSetActive() override;
    // Adds the desired grid's new rows; true when a point was added.
    bool ExtendFromDesired();

private:
    bool m_bUpper;
};
