// Peaking EQ filter (kind 0, "EQ-"): the filter the calculation produces. Line: label,
// gain (dB), bandwidth (Hz), center frequency (Hz), Modifiable, Active, output order.
// Coefficients from apcoef80(10^(gain/20), bandwidth, center frequency, sample rate).
#pragma once

#include "filters/DigFilterArray.h"
#include "filters/DigFilterOf.h"
#include "filters/FilterKinds.h"

#include <array>

class CDigEQFilterParams
{
public:
    virtual ~CDigEQFilterParams() = default;

    mwMatrix m_Gain{0.0};            // dB
    mwMatrix m_Bandwidth{0.0};       // Hz
    mwMatrix m_CenterFrequency{0.0}; // Hz
    mwMatrix m_SampleRate{0.0};      // Hz

    std::array<mwMatrix*, 3> LineFields() { return {&m_Gain, &m_Bandwidth, &m_CenterFrequency}; }
};

class CDigEQFilter : public CDigFilterOf<CDigEQFilterParams, EFilterModes::ModifiableAndActive>
{
public:
    static constexpr EFilterKind kKind = kKindEQ;

    CDigEQFilter();

    double GetGain() const { return ScalarValue(m_Params.m_Gain); }
    double GetBandwidth() const { return ScalarValue(m_Params.m_Bandwidth); }
    double GetCenterFrequency() const { return ScalarValue(m_Params.m_CenterFrequency); }

protected:
    void Design() override;

private:
    // The third to fifth outputs of apcoef80, kept as the function gives them.
    mwMatrix m_Output3;
    mwMatrix m_Output4;
    mwMatrix m_Output5;
};

using CDigEQFilterArray = CDigFilterArray<CDigEQFilter>;
