// The QZX2202 page "Bass Base Type": a bass-based filter from bass gain (dB) and cut frequency.
#pragma once

#include "loudness/ui/CreatePageOfFamily.h"

class CBassBaseType : public CQZX2202CreatePage<kLoudnessBassBased>
{
public:
    using CQZX2202CreatePage::CQZX2202CreatePage;
};
