// The QZX2202 page "Loudness Coefficients": the loudness path typed as B0 B1 B2 A1 A2, decimal or
// 24-bit words.
#pragma once

#include "loudness/ui/CreatePageOfFamily.h"

class CLoudnessCoefficients : public CQZX2202CreatePage<kLoudnessCoeff>
{
public:
    using CQZX2202CreatePage::CQZX2202CreatePage;
};
