// The horizontal scale of an axis whose limits need not be whole steps: the lower limit
// itself is labelled (three decimals unless it is a whole number), then only the steps
// above it are labelled and gridded.
#pragma once

#include "graph/HorizontalScale.h"

class CHorizontalScaleSpecialLimits : public CHorizontalScale
{
public:
    bool Draw(CDC* pDC, CDoubleRect window) override;
};
