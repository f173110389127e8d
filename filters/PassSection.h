// What the eight high- and low-pass kinds share: the record shapes (cut frequency and
// sample rate; the Chebyshev kinds add the passband ripple) and the filter part that knows
// whether the section is a high or a low pass.
//
// Line: label, cut frequency (Hz), [passband ripple (dB),] Active, output order.
#pragma once

#include "filters/DigFilterArray.h"
#include "filters/DigFilterOf.h"
#include "filters/FilterKinds.h"

#include <array>
#include <type_traits>

class CPassSectionParams
{
public:
    virtual ~CPassSectionParams() = default;

    mwMatrix m_CutFrequency{0.0}; // Hz
    mwMatrix m_SampleRate{0.0};   // Hz

    std::array<mwMatrix*, 1> LineFields() { return {&m_CutFrequency}; }
};

class CChebySectionParams : public CPassSectionParams
{
public:
    mwMatrix m_PassbandRipple{0.0}; // dB

    std::array<mwMatrix*, 2> LineFields() { return {&m_CutFrequency, &m_PassbandRipple}; }
};

template <class TParams> class CDigPassSection : public CDigFilterOf<TParams>
{
public:
    double GetCutFrequency() const { return ScalarValue(this->m_Params.m_CutFrequency); }

protected:
    // type: "high" or "low", the type text of the design function.
    CDigPassSection(unsigned prefixId, const char* sourceFile, const char* type)
        : CDigFilterOf<TParams>(prefixId, sourceFile), m_pType(type)
    {
    }

    // The design function's arguments: cut frequency, sample rate, [ripple,] type.
    template <class Designer> void DesignWith(const Designer& designer)
    {
        TParams& p = this->m_Params;
        if constexpr (std::is_base_of_v<CChebySectionParams, TParams>)
            this->m_B.Assign(designer(&this->m_A, p.m_CutFrequency, p.m_SampleRate,
                                      p.m_PassbandRipple, mwMatrix(m_pType)));
        else
            this->m_B.Assign(
                designer(&this->m_A, p.m_CutFrequency, p.m_SampleRate, mwMatrix(m_pType)));
    }

private:
    const char* m_pType;
};
