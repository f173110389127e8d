// The QZX2202 page "Base Type Coefficients": a section typed as b0 b1 b2 a1 a2, decimal or 24-bit
// words.
#pragma once

#include "loudness/ui/CreatePageOfFamily.h"

class CBaseTypeCoefficients : public CQZX2202CreatePage<kLoudnessBaseTypeCoeff>
{
public:
    using CQZX2202CreatePage::CQZX2202CreatePage;
};
