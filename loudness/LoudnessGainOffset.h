// The four loudness scaling values of a QZX241X/QZX606X loudness filter, by name.
#pragma once

#include <string>

class CLoudnessGainOffset
{
public:
    // The QZX6060 law starts from a log-space gain of -0.5, the QZX2410 from +0.5.
    explicit CLoudnessGainOffset(bool bQZX6060 = false) : m_dLogSpaceGain(bQZX6060 ? -0.5 : 0.5) {}
    virtual ~CLoudnessGainOffset() = default;

    std::string m_strName;
    double m_dLogSpaceGain;         // register 0x91
    double m_dLogSpaceOffset = 0.0; // register 0x92
    double m_dGain = 0.0;           // register 0x93
    double m_dOffset = 0.0;         // register 0x94
};
