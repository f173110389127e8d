// The QZX2410/QZX6060 page "Loudness Coefficients": the typed loudness path (the chip's words) and
// its loudness scaling values.
#pragma once

#include "loudness/ui/CreatePageOfFamily.h"

class CQZX2410LoudnessCoeff : public CQZX2410CreatePage<kLoudnessCoeff>
{
public:
    using CQZX2410CreatePage::CQZX2410CreatePage;
};
