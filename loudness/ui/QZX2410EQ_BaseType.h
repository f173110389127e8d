// The QZX2410/QZX6060 page "EQ Base Type": an EQ-based filter and its loudness scaling values.
#pragma once

#include "loudness/ui/CreatePageOfFamily.h"

class CQZX2410EQ_BaseType : public CQZX2410CreatePage<kLoudnessEQBased>
{
public:
    using CQZX2410CreatePage::CQZX2410CreatePage;
};
