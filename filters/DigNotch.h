// Notch filter (kind 7, "NT-"). Line: label, bandwidth (Hz), cut frequency (Hz), Active,
// output order. Coefficients from notch(bandwidth, cut frequency, sample rate).
#pragma once

#include "filters/DigFilterArray.h"
#include "filters/DigFilterOf.h"
#include "filters/FilterKinds.h"

#include <array>

class CDigNotchParams
{
public:
    virtual ~CDigNotchParams() = default;

    mwMatrix m_Bandwidth{0.0};    // Hz
    mwMatrix m_CutFrequency{0.0}; // Hz
    mwMatrix m_SampleRate{0.0};   // Hz

    std::array<mwMatrix*, 2> LineFields() { return {&m_Bandwidth, &m_CutFrequency}; }
};

class CDigNotch : public CDigFilterOf<CDigNotchParams>
{
public:
    static constexpr EFilterKind kKind = kKindNT;

    CDigNotch();

    double GetBandwidth() const { return ScalarValue(m_Params.m_Bandwidth); }
    double GetCutFrequency() const { return ScalarValue(m_Params.m_CutFrequency); }

protected:
    void Design() override;
};

using CDigNotchArray = CDigFilterArray<CDigNotch>;
