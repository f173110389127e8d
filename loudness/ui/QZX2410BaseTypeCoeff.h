// The QZX2410/QZX6060 page "Base Type Coefficients": a typed section (the chip's words) and its
// loudness scaling values.
#pragma once

#include "loudness/ui/CreatePageOfFamily.h"

class CQZX2410BaseTypeCoeff : public CQZX2410CreatePage<kLoudnessBaseTypeCoeff>
{
public:
    using CQZX2410CreatePage::CQZX2410CreatePage;
};
