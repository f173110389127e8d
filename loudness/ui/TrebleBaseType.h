// The QZX2202 page "Treble Base Type": a treble-based filter from treble gain (dB) and cut
// frequency.
#pragma once

#include "loudness/ui/CreatePageOfFamily.h"

class CTrebleBaseType : public CQZX2202CreatePage<kLoudnessTrebleBased>
{
public:
    using CQZX2202CreatePage::CQZX2202CreatePage;
};
