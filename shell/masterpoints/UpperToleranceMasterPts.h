// The page "Upper Tolerance Pts." of the master point editor.
#pragma once

#include "shell/masterpoints/ToleranceMasterPts.h"

class CUpperToleranceMasterPts : public CToleranceMasterPts
{
public:
    explicit CUpperToleranceMasterPts(CEditMasterPoints& sheet) : CToleranceMasterPts(sheet, true)
    {
    }
};
