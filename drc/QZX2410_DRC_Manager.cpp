#include "drc/QZX2410_DRC_Manager.h"

#include "device/CoefficientWords.h"
#include "device/DeviceTextFile.h"
#include "framework/core/Services.h"
#include "graph/CFormat.h"
#include "graph/Convert.h"
#include "graph/ResourceString.h"

#include <cmath>

namespace
{
constexpr unsigned kCompressionTextId = 281;
constexpr unsigned kExpansionTextId = 298;
constexpr unsigned kDR241XExtensionId = 299;
constexpr unsigned kDR241XFilterId = 300;
constexpr unsigned kDRC606XFilterId = 308;
constexpr unsigned kDRC606XExtensionId = 309;

// Offset words are 8-byte words (value * 2^23 in 48 bits); slope words 4-byte (28 bits).
constexpr int kWordFractionBits = 23;
constexpr int kOffsetWordBits = 48;
constexpr int kSlopeWordBits = 28;

double DbPerLog2Unit()
{
    return 20.0 * std::log10(2.0);
}

double SlopeWord(bool bCompression, double dRatio)
{
    return bCompression ? 1.0 / dRatio - 1.0 : dRatio - 1.0;
}

std::string RegionModeText(bool bCompression)
{
    return CResourceString(bCompression ? kCompressionTextId : kExpansionTextId);
}

// " 00 00 h1h2 h3h4" and " h5h6 h7h8 h9h10 h11h12": two zero bytes, then 48 bits.
std::string EightByteWord(double value)
{
    const std::string h = DoubleToHex12(value);
    return " 00 00 " + h.substr(0, 2) + " " + h.substr(2, 2) + "\n " + h.substr(4, 2) + " " +
           h.substr(6, 2) + " " + h.substr(8, 2) + " " + h.substr(10, 2) + "\n";
}

// " 0d1 d2d3 d4d5 d6d7": 28 bits in four bytes.
std::string FourByteWord(double value)
{
    const std::string d = CoefficientToHex28(value);
    return " 0" + d.substr(0, 1) + " " + d.substr(1, 2) + " " + d.substr(3, 2) + " " +
           d.substr(5, 2) + "\n";
}
} // namespace

std::string CQZX2410_DRC_Manager::Threshold1Text() const
{
    return DoubleToShortString(m_dThreshold1);
}

std::string CQZX2410_DRC_Manager::Threshold2Text() const
{
    return DoubleToShortString(m_dThreshold2);
}

std::string CQZX2410_DRC_Manager::Ratio0Text() const
{
    return DoubleToShortString(m_dRatio0);
}

std::string CQZX2410_DRC_Manager::Ratio1Text() const
{
    return DoubleToShortString(m_dRatio1);
}

std::string CQZX2410_DRC_Manager::Ratio2Text() const
{
    return DoubleToShortString(m_dRatio2);
}

std::string CQZX2410_DRC_Manager::Offset1Text() const
{
    return DoubleToShortString(m_dOffset1);
}

std::string CQZX2410_DRC_Manager::Offset2Text() const
{
    return DoubleToShortString(m_dOffset2);
}

std::string CQZX2410_DRC_Manager::Region0ModeText() const
{
    return RegionModeText(m_bRegion0Compression);
}

std::string CQZX2410_DRC_Manager::Region1ModeText() const
{
    return RegionModeText(m_bRegion1Compression);
}

std::string CQZX2410_DRC_Manager::Region2ModeText() const
{
    return RegionModeText(m_bRegion2Compression);
}

CQZX2410_DRC_Manager::CWords CQZX2410_DRC_Manager::ComputeWords() const
{
    const double L = DbPerLog2Unit();
    CWords w;
    w.threshold1 = -m_dThreshold1 / L;
    w.threshold2 = -m_dThreshold2 / L;
    w.slope[0] = SlopeWord(m_bRegion0Compression, m_dRatio0);
    w.slope[1] = SlopeWord(m_bRegion1Compression, m_dRatio1);
    w.slope[2] = SlopeWord(m_bRegion2Compression, m_dRatio2);
    w.offset2 = m_dOffset2 / L + 4.0;
    w.offset1 = m_bSpecifyOffset1 ? m_dOffset1 / L + 4.0
                                  : (w.threshold1 - w.threshold2) * w.slope[1] + w.offset2;
    return w;
}

std::string CQZX2410_DRC_Manager::RatioError(int nRegion, bool bCompression, double dRatio)
{
    // One step of the slope word: a compression ratio whose 1/R falls below it, or an
    // expansion ratio below it, gives the word of an endless ratio.
    const double step = std::ldexp(1.0, -kWordFractionBits);
    const bool bExpressed =
        dRatio > 0.0 && std::isfinite(dRatio) &&
        FitsFixedPointWord(SlopeWord(bCompression, dRatio), kWordFractionBits, kSlopeWordBits) &&
        (bCompression ? 1.0 / dRatio : dRatio) >= step;
    if (bExpressed)
        return {};
    // The slope word holds [-16, 16): 1/R - 1 < 16 and R - 1 < 16.
    const double limit = std::ldexp(1.0, kSlopeWordBits - kWordFractionBits - 1) + 1.0;
    return bCompression
               ? FormatC("Region %d: a compression ratio must be above %.4g (1/%g) and at most "
                         "%.0f, the ratios the device's slope word expresses.",
                         nRegion, 1.0 / limit, limit, 1.0 / step)
               : FormatC("Region %d: an expansion ratio must be at least %.4g (1/%.0f) and "
                         "below %g, the ratios the device's slope word expresses.",
                         nRegion, step, 1.0 / step, limit);
}

std::string CQZX2410_DRC_Manager::ValidationError() const
{
    const bool bCompression[3] = {m_bRegion0Compression, m_bRegion1Compression,
                                  m_bRegion2Compression};
    const double ratio[3] = {m_dRatio0, m_dRatio1, m_dRatio2};
    for (int i = 0; i < 3; ++i)
        if (std::string error = RatioError(i, bCompression[i], ratio[i]); !error.empty())
            return error;
    if (!(m_dThreshold1 >= m_dThresholdFloor && m_dThreshold1 < m_dThreshold2 &&
          m_dThreshold2 <= 0.0))
        return FormatC("The thresholds must satisfy %.1f dB <= Threshold 1 < Threshold 2 <= 0 dB.",
                       m_dThresholdFloor);
    const CWords w = ComputeWords();
    for (const double o : {w.offset1, w.offset2})
        if (!FitsFixedPointWord(o, kWordFractionBits, kOffsetWordBits))
            return "An offset is too large for the device's offset word.";
    return {};
}

bool CQZX2410_DRC_Manager::CalculateDrcCurve()
{
    std::string error = ValidationError();
    const CWords w = ComputeWords();
    std::vector<CCompressionCurve> curves;
    if (error.empty())
        ComputeCurves(w, curves, error);
    if (!error.empty())
    {
        Services::MessageBox().Show(error);
        return false;
    }
    m_dThreshold1Word = w.threshold1;
    m_dThreshold2Word = w.threshold2;
    m_dSlope0Word = w.slope[0];
    m_dSlope1Word = w.slope[1];
    m_dSlope2Word = w.slope[2];
    m_dOffset1Word = w.offset1;
    m_dOffset2Word = w.offset2;
    m_bWordsValid = true;
    m_Curves = std::move(curves);
    ShowCurves();
    return true;
}

void CQZX2410_DRC_Manager::ShowCurves()
{
    if (!m_pView)
        return;
    for (const CCompressionCurve& curve : m_Curves)
        m_pView->ReplaceCurve(curve);
    m_pView->TurnOffDisplayCoordinatesOnly();
}

CQZX2410_DRC_Setting CQZX2410_DRC_Manager::GetSetting() const
{
    CQZX2410_DRC_Setting s;
    s.dThreshold1 = m_dThreshold1;
    s.dThreshold2 = m_dThreshold2;
    s.bRegionCompression[0] = m_bRegion0Compression;
    s.bRegionCompression[1] = m_bRegion1Compression;
    s.bRegionCompression[2] = m_bRegion2Compression;
    s.dRatio[0] = m_dRatio0;
    s.dRatio[1] = m_dRatio1;
    s.dRatio[2] = m_dRatio2;
    s.dOffset1 = m_dOffset1;
    s.dOffset2 = m_dOffset2;
    s.bSpecifyOffset1 = m_bSpecifyOffset1;
    return s;
}

bool CQZX2410_DRC_Manager::ApplySetting(const CQZX2410_DRC_Setting& s)
{
    // Computed on a copy first, so that a setting that is refused leaves the values, the
    // words and the curves in agreement.
    CQZX2410_DRC_Manager trial(*this);
    trial.m_pView = nullptr;
    trial.m_dThreshold1 = s.dThreshold1;
    trial.m_dThreshold2 = s.dThreshold2;
    trial.m_bRegion0Compression = s.bRegionCompression[0];
    trial.m_bRegion1Compression = s.bRegionCompression[1];
    trial.m_bRegion2Compression = s.bRegionCompression[2];
    trial.m_dRatio0 = s.dRatio[0];
    trial.m_dRatio1 = s.dRatio[1];
    trial.m_dRatio2 = s.dRatio[2];
    trial.m_dOffset1 = s.dOffset1;
    trial.m_dOffset2 = s.dOffset2;
    trial.m_bSpecifyOffset1 = s.bSpecifyOffset1;
    if (!trial.CalculateDrcCurve())
        return false;
    ICompressionView* const pView = m_pView;
    *this = std::move(trial);
    m_pView = pView;
    ShowCurves();
    return true;
}

std::string CQZX2410_DRC_Manager::DeviceFileText() const
{
    return "T\n" + EightByteWord(m_dThreshold1Word) + EightByteWord(m_dThreshold2Word) + "O\n" +
           EightByteWord(m_dOffset1Word) + EightByteWord(m_dOffset2Word) + "k\n" +
           FourByteWord(m_dSlope0Word) + FourByteWord(m_dSlope1Word) + FourByteWord(m_dSlope2Word);
}

bool CQZX2410_DRC_Manager::SaveAs(unsigned extensionId, unsigned filterId,
                                  const std::string& baseName) const
{
    if (!m_bWordsValid)
    {
        Services::MessageBox().Show("There is no compression curve to save yet.");
        return false;
    }
    return AskAndWriteDeviceTextFile(CResourceString(extensionId), CResourceString(filterId),
                                     DeviceFileText(), baseName);
}

bool CQZX2410_DRC_Manager::SaveAsDR241X(const std::string& baseName) const
{
    return SaveAs(kDR241XExtensionId, kDR241XFilterId, baseName);
}

bool CQZX2410_DRC_Manager::SaveAsDRC606X(const std::string& baseName) const
{
    return SaveAs(kDRC606XExtensionId, kDRC606XFilterId, baseName);
}
