// Bass shelf filter (kind "BS-"). Line: label, gain (dB), cut frequency (Hz), Active,
// output order. Coefficients from soshelfb(cut frequency, sample rate, 10^(gain/20)).
#pragma once

#include "filters/DigFilterArray.h"
#include "filters/DigFilterOf.h"
#include "filters/FilterKinds.h"
#include "filters/ShelfParams.h"

class CDigBassShelfParams : public CShelfParams
{
};

class CDigBassShelf : public CDigFilterOf<CDigBassShelfParams>
{
public:
    static constexpr EFilterKind kKind = kKindBS;

    CDigBassShelf();

    double GetGain() const { return ScalarValue(m_Params.m_Gain); }
    double GetCutFrequency() const { return ScalarValue(m_Params.m_CutFrequency); }

protected:
    void Design() override;
};

using CDigBassShelfArray = CDigFilterArray<CDigBassShelf>;
