#include "drc/DrcThresholdScale.h"

#include "graph/CFormat.h"
#include "graph/Convert.h"

#include <algorithm>
#include <cmath>

namespace
{
constexpr double kQZX2202Floor = -89.625; // dB at the bottom of the QZX2202 slider
} // namespace

namespace DrcThreshold
{
double PositionToDb(int p)
{
    return double(kSliderMax - p - kSliderMin) * (0.0 - kQZX2202Floor) /
               double(kSliderMax - kSliderMin) +
           kQZX2202Floor;
}

std::string PositionText(int p)
{
    return FormatC("%2.3lf db", PositionToDb(p));
}

int DbToPosition(double dB)
{
    if (!std::isfinite(dB))
        return kSliderMin;
    const long p = std::lround((0.0 - dB) * (kSliderMax - kSliderMin) / (0.0 - kQZX2202Floor));
    return int(std::clamp<long>(p, kSliderMin, kSliderMax));
}
} // namespace DrcThreshold

CQZX2410ThresholdScale::CQZX2410ThresholdScale(double dFloor)
    : m_dFloor(dFloor), m_nMax(int(std::trunc(dFloor * -10.0)))
{
}

int CQZX2410ThresholdScale::Held(long nPosition) const
{
    return int(std::clamp<long>(nPosition, GetMin(), m_nMax));
}

double CQZX2410ThresholdScale::PositionToDb(int p) const
{
    return double(m_nMax - p - GetMin()) * (0.0 - m_dFloor) / double(m_nMax - GetMin()) + m_dFloor;
}

std::string CQZX2410ThresholdScale::PositionText(int p) const
{
    return FormatC("%2.3lf", PositionToDb(p));
}

int CQZX2410ThresholdScale::TypedPosition(double dB) const
{
    if (!std::isfinite(dB))
        return GetMin();
    const double steps = (dB - m_dFloor) * double(m_nMax - GetMin()) / (0.0 - m_dFloor) + GetMin();
    return Held(m_nMax - long(std::trunc(steps)));
}

int CQZX2410ThresholdScale::OpeningPosition(double dB) const
{
    if (!std::isfinite(dB))
        return GetMin();
    return Held(long(std::trunc(dB * -10.0)));
}

bool CQZX2410ThresholdScale::ReadThreshold(const std::string& text, double& dB,
                                           std::string& error) const
{
    const std::optional<double> value = ParseWholeDouble(text);
    if (!value || *value < m_dFloor || *value > 0.0)
    {
        error = FormatC("Please enter a threshold between %.1f and 0 db.", m_dFloor);
        return false;
    }
    dB = *value;
    return true;
}
