// The record shape of the two shelving kinds: gain (dB), cut frequency (Hz), sample rate.
#pragma once

#include "matrix/dblmtrx.h"

#include <array>

class CShelfParams
{
public:
    virtual ~CShelfParams() = default;

    mwMatrix m_Gain{0.0};         // dB
    mwMatrix m_CutFrequency{0.0}; // Hz
    mwMatrix m_SampleRate{0.0};   // Hz

    std::array<mwMatrix*, 2> LineFields() { return {&m_Gain, &m_CutFrequency}; }
};
