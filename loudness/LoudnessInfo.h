// One loudness filter: its name, the values it was designed from, its five loudness
// coefficients (the designed section minus a straight wire) and the two values its
// plotted response is scaled with.
#pragma once

#include <string>

class CLoudnessInfo
{
public:
    CLoudnessInfo() = default;
    virtual ~CLoudnessInfo() = default;

    std::string m_strName;
    double m_dBaseCoeff1 = 0.0; // typed b0, b1, b2, a1, a2 (base-type coefficient kind)
    double m_dBaseCoeff2 = 0.0;
    double m_dBaseCoeff3 = 0.0;
    double m_dBaseCoeff4 = 0.0;
    double m_dBaseCoeff5 = 0.0;
    double m_dB0 = 0.0; // loudness path numerator
    double m_dB1 = 0.0;
    double m_dB2 = 0.0;
    double m_dA1 = 0.0; // denominator; a0 is 1 and not stored
    double m_dA2 = 0.0;
    double m_dFilterGain = 0.0; // dB
    double m_dBandwidth = 0.0;
    double m_dCenterFrequency = 0.0; // Hz
    double m_dCutFrequency = 0.0;    // Hz
    double m_dGain = 0.0;            // register 0x93
    double m_dOffset = 0.0;          // register 0x94
    double m_dPlotVolume = 0.0;
    double m_dLogSpaceGain = 0.0;   // register 0x91
    double m_dLogSpaceOffset = 0.0; // register 0x92
    double m_dPlotGain = 0.0;
};
