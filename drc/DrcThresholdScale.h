// The threshold sliders of the two compression dialogs: slider positions to thresholds in
// dB and back, the texts the dialogs show, and the reading of a typed threshold. Position 0
// is the top of the slider (0 dB); positions grow downward.
#pragma once

#include <string>

// QZX2202: positions 0 .. 239, one chip threshold step of 0.375 dB apart, down to
// -89.625 dB.
namespace DrcThreshold
{
constexpr int kSliderMin = 0;
constexpr int kSliderMax = 239;
double PositionToDb(int nPosition);
// "%2.3lf db": position 128 gives "-48.000 db".
std::string PositionText(int nPosition);
// The position of a threshold, to the nearest step, held to the slider's ends.
int DbToPosition(double dB);
} // namespace DrcThreshold

// QZX241X/QZX606X: positions 0 .. trunc(-10 * floor), 0.1 dB apart, down to the floor
// (-192.7 dB: positions 0 .. 1927).
class CQZX2410ThresholdScale
{
public:
    explicit CQZX2410ThresholdScale(double dFloor);

    int GetMin() const { return 0; }
    int GetMax() const { return m_nMax; }
    double GetFloor() const { return m_dFloor; }
    // About -0.1 dB per position; position 1820 gives -182.0.
    double PositionToDb(int nPosition) const;
    // "%2.3lf": position 1821 gives "-182.100".
    std::string PositionText(int nPosition) const;
    // The position of a typed threshold: max - trunc((T - floor) * max / -floor), so
    // -182.0 gives 1821 (the product falls just short of 107). Held to the slider's ends.
    int TypedPosition(double dB) const;
    // The position of a threshold when the dialog opens: trunc(-10 * T), so -182.0 gives
    // 1820. Held to the slider's ends.
    int OpeningPosition(double dB) const;
    // A typed threshold: a number from the floor to 0 dB. False, with the message in
    // error, for an empty text, a text that is no number or a value outside.
    bool ReadThreshold(const std::string& text, double& dB, std::string& error) const;

private:
    int Held(long nPosition) const;

    double m_dFloor;
    int m_nMax;
};
