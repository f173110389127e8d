// Treble shelf filter (kind "TS-"). Line: label, gain (dB), cut frequency (Hz), Active,
// output order. Coefficients from soshelft(cut frequency, sample rate, 10^(gain/20)).
#pragma once

#include "filters/DigFilterArray.h"
#include "filters/DigFilterOf.h"
#include "filters/FilterKinds.h"
#include "filters/ShelfParams.h"

class CDigTrebleShelfParams : public CShelfParams
{
};

class CDigTrebleShelf : public CDigFilterOf<CDigTrebleShelfParams>
{
public:
    static constexpr EFilterKind kKind = kKindTS;

    CDigTrebleShelf();

    double GetGain() const { return ScalarValue(m_Params.m_Gain); }
    double GetCutFrequency() const { return ScalarValue(m_Params.m_CutFrequency); }

protected:
    void Design() override;
};

using CDigTrebleShelfArray = CDigFilterArray<CDigTrebleShelf>;
