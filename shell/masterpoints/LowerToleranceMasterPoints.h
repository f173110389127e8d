// The page "Lower Tolerance Pts." of the master point editor.
#pragma once

#include "shell/masterpoints/ToleranceMasterPts.h"

class CLowerToleranceMasterPoints : public CToleranceMasterPts
{
public:
    explicit CLowerToleranceMasterPoints(CEditMasterPoints& sheet)
        : CToleranceMasterPts(sheet, false)
    {
    }
};
