// The QZX2410/QZX6060 page "Treble Base Type": a treble-based filter and its loudness scaling
// values.
#pragma once

#include "loudness/ui/CreatePageOfFamily.h"

class CQZX2410TrebleBaseType : public CQZX2410CreatePage<kLoudnessTrebleBased>
{
public:
    using CQZX2410CreatePage::CQZX2410CreatePage;
};
