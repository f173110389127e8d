// The vertical scale of an axis whose limits need not be whole steps: the lower limit
// itself is labelled at the plot's bottom edge, then only the steps above it.
#pragma once

#include "graph/VerticalScale.h"

class CVerticalScaleSpecialLimits : public CVerticalScale
{
public:
    bool Draw(CDC* pDC, const CDoubleRect* pWindow) override;
};
