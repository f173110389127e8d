// The QZX2410/QZX6060 page "Bass Base Type": a bass-based filter and its loudness scaling values.
#pragma once

#include "loudness/ui/CreatePageOfFamily.h"

class CQZX2410BassBaseType : public CQZX2410CreatePage<kLoudnessBassBased>
{
public:
    using CQZX2410CreatePage::CQZX2410CreatePage;
};
