// The QZX2202 page "EQ Base Type": an EQ-based filter from EQ gain (dB), bandwidth and centre
// frequency.
#pragma once

#include "loudness/ui/CreatePageOfFamily.h"

class CEQ_BaseType : public CQZX2202CreatePage<kLoudnessEQBased>
{
public:
    using CQZX2202CreatePage::CQZX2202CreatePage;
};
