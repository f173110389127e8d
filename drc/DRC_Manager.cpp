#include "drc/DRC_Manager.h"

#include "device/DeviceTextFile.h"
#include "framework/core/Services.h"
#include "graph/Assert.h"
#include "graph/CFormat.h"
#include "graph/ResourceString.h"

#include <cmath>
#include <cstring>

namespace
{
constexpr double kDbMin = -89.625; // also the bottom of the plot
constexpr double kDbMax = 0.0;
constexpr int kCodeMin = 0;
constexpr int kCodeMax = 239;

constexpr unsigned kDrcExtensionId = 272;
constexpr unsigned kDrcFilterId = 273;

bool IsIndexIn(int nIndex, int nCount)
{
    return nIndex >= 0 && nIndex < nCount;
}

template <std::size_t N> void CopyText(char (&target)[N], const std::string& text)
{
    std::snprintf(target, N, "%s", text.c_str());
}
} // namespace

CDRC_Manager::CDRC_Manager()
{
    m_AboveCompressionMode.TurnOn();
    m_BelowExpansionMode.TurnOn();
    SetThreshold(-48.0);
    m_AboveCompression = g_AboveCompressionRatios[4];
    m_AboveExpansion = g_AboveExpansionRatios[0];
    m_BelowCompression = g_BelowCompressionRatios[0];
    m_BelowExpansion = g_BelowExpansionRatios[6];
    m_EnergyTime = g_DrcTimes[0];
    m_DecayTime = g_DrcTimes[0];
    m_AttackTime = g_DrcTimes[0];
}

bool CDRC_Manager::SetThreshold(double dB)
{
    if (!(dB >= kDbMin && dB <= kDbMax))
    {
        MORVANE_CHECK_FAILED();
        return false;
    }
    m_dThreshold = dB;
    CopyText(m_szThreshold, FormatC("%2.3lf", dB));
    CopyText(m_szThresholdCode, ThresholdToCode(dB));
    return true;
}

std::string CDRC_Manager::ThresholdToCode(double db_Threshold)
{
    if (!MORVANE_CHECK(db_Threshold <= kDbMax && db_Threshold >= kDbMin))
        db_Threshold = db_Threshold > kDbMax ? kDbMax : kDbMin; // also not-a-number
    // Rounded, not truncated: an exact step must not fall one code short because the
    // floating-point quotient lands just below the whole number.
    const double steps = (db_Threshold - kDbMin) / (kDbMax - kDbMin) * (kCodeMax - kCodeMin);
    const int code = (kCodeMin + int(std::lround(steps))) & 0xFF;
    return FormatC("%X", code);
}

bool CDRC_Manager::ChooseRatio(const CDrcChoice* pTable, int nIndex, const CRatioSide& first,
                               const CRatioSide& second)
{
    for (const CRatioSide* side : {&first, &second})
        if (pTable == side->pTable && IsIndexIn(nIndex, side->nCount))
        {
            if (side->bModeOn)
                side->pMode->TurnOn();
            else
                side->pMode->TurnOff();
            *side->pChoice = pTable[nIndex];
            return true;
        }
    MORVANE_CHECK_FAILED();
    return false;
}

bool CDRC_Manager::SetAboveRatio(const CDrcChoice* pTable, int nIndex)
{
    return ChooseRatio(pTable, nIndex,
                       {m_pAboveCompressionTable, m_nAboveCompressionCount, &m_AboveCompressionMode,
                        true, &m_AboveCompression},
                       {m_pAboveExpansionTable, m_nAboveExpansionCount, &m_AboveCompressionMode,
                        false, &m_AboveExpansion});
}

bool CDRC_Manager::SetBelowRatio(const CDrcChoice* pTable, int nIndex)
{
    return ChooseRatio(pTable, nIndex,
                       {m_pBelowCompressionTable, m_nBelowCompressionCount, &m_BelowExpansionMode,
                        false, &m_BelowCompression},
                       {m_pBelowExpansionTable, m_nBelowExpansionCount, &m_BelowExpansionMode, true,
                        &m_BelowExpansion});
}

bool CDRC_Manager::SetTime(CDrcChoice& time, int nIndex)
{
    if (!IsIndexIn(nIndex, m_nTimeCount))
        return false;
    time = m_pTimeTable[nIndex];
    return true;
}

bool CDRC_Manager::SetAttackTime(int nIndex)
{
    return SetTime(m_AttackTime, nIndex);
}

bool CDRC_Manager::SetEnergyTime(int nIndex)
{
    return SetTime(m_EnergyTime, nIndex);
}

bool CDRC_Manager::SetDecayTime(int nIndex)
{
    return SetTime(m_DecayTime, nIndex);
}

CDrcSetting CDRC_Manager::GetSetting() const
{
    CDrcSetting setting;
    setting.dThreshold = m_dThreshold;
    setting.bAboveCompression = m_AboveCompressionMode.IsOn();
    setting.nAboveCompression =
        FindDrcChoice(m_pAboveCompressionTable, m_nAboveCompressionCount, m_AboveCompression);
    setting.nAboveExpansion =
        FindDrcChoice(m_pAboveExpansionTable, m_nAboveExpansionCount, m_AboveExpansion);
    setting.bBelowExpansion = m_BelowExpansionMode.IsOn();
    setting.nBelowCompression =
        FindDrcChoice(m_pBelowCompressionTable, m_nBelowCompressionCount, m_BelowCompression);
    setting.nBelowExpansion =
        FindDrcChoice(m_pBelowExpansionTable, m_nBelowExpansionCount, m_BelowExpansion);
    setting.nEnergyTime = FindDrcChoice(m_pTimeTable, m_nTimeCount, m_EnergyTime);
    setting.nAttackTime = FindDrcChoice(m_pTimeTable, m_nTimeCount, m_AttackTime);
    setting.nDecayTime = FindDrcChoice(m_pTimeTable, m_nTimeCount, m_DecayTime);
    return setting;
}

bool CDRC_Manager::ApplySetting(const CDrcSetting& s)
{
    if (!(s.dThreshold >= kDbMin && s.dThreshold <= kDbMax))
    {
        Services::MessageBox().Show("The threshold must lie between -89.625 db and 0 db.");
        return false;
    }
    // The entries in force, named as the message names them.
    struct CEntry
    {
        int nIndex;
        int nCount;
        const char* pName;
    };
    const CEntry entries[] = {
        s.bAboveCompression ? CEntry{s.nAboveCompression, m_nAboveCompressionCount,
                                     "compression ratio above the threshold"}
                            : CEntry{s.nAboveExpansion, m_nAboveExpansionCount,
                                     "expansion ratio above the threshold"},
        s.bBelowExpansion ? CEntry{s.nBelowExpansion, m_nBelowExpansionCount,
                                   "expansion ratio below the threshold"}
                          : CEntry{s.nBelowCompression, m_nBelowCompressionCount,
                                   "compression ratio below the threshold"},
        {s.nAttackTime, m_nTimeCount, "attack time"},
        {s.nEnergyTime, m_nTimeCount, "energy level detection time"},
        {s.nDecayTime, m_nTimeCount, "decay time"},
    };
    for (const CEntry& entry : entries)
        if (!IsIndexIn(entry.nIndex, entry.nCount))
        {
            Services::MessageBox().Show(std::string("Please choose the ") + entry.pName +
                                        " from its list.");
            return false;
        }
    SetThreshold(s.dThreshold);
    if (s.bAboveCompression)
        SetAboveRatio(m_pAboveCompressionTable, s.nAboveCompression);
    else
        SetAboveRatio(m_pAboveExpansionTable, s.nAboveExpansion);
    if (s.bBelowExpansion)
        SetBelowRatio(m_pBelowExpansionTable, s.nBelowExpansion);
    else
        SetBelowRatio(m_pBelowCompressionTable, s.nBelowCompression);
    SetAttackTime(s.nAttackTime);
    SetEnergyTime(s.nEnergyTime);
    SetDecayTime(s.nDecayTime);
    UpdateViewLabels();
    return true;
}

const CDrcChoice& CDRC_Manager::AboveInForce() const
{
    return m_AboveCompressionMode.IsOn() ? m_AboveCompression : m_AboveExpansion;
}

const CDrcChoice& CDRC_Manager::BelowInForce() const
{
    return m_BelowExpansionMode.IsOn() ? m_BelowExpansion : m_BelowCompression;
}

std::vector<CCompressionCurve> CDRC_Manager::ViewLines() const
{
    const double T = m_dThreshold;
    const double B = kDbMin;
    const double rAbove = AboveInForce().dValue;
    const double rBelow = BelowInForce().dValue;
    const CDoublePoint above = m_AboveCompressionMode.IsOn()
                                   ? CDoublePoint{0.0, T + (0.0 - T) / rAbove}
                                   : CDoublePoint{T + (0.0 - T) / rAbove, 0.0};
    const CDoublePoint below = m_BelowExpansionMode.IsOn() ? CDoublePoint{T + (B - T) / rBelow, B}
                                                           : CDoublePoint{B, T + (B - T) / rBelow};
    std::vector<CCompressionCurve> lines(4);
    lines[0].points = {{T, T}, {T, B}};
    lines[0].color = RGB(0, 255, 0);
    lines[0].label = "Vert Threshold";
    lines[1].points = {{B, T}, {T, T}};
    lines[1].color = RGB(0, 255, 0);
    lines[1].label = "Horz Threshold";
    lines[2].points = {{T, T}, above};
    lines[2].color = RGB(255, 0, 0);
    lines[2].label = FormatAboveRatioLabel();
    lines[3].points = {{T, T}, below};
    lines[3].color = RGB(0, 0, 255);
    lines[3].label = FormatBelowRatioLabel();
    for (int i = 0; i < 4; ++i)
        lines[i].nIndex = i;
    return lines;
}

bool CDRC_Manager::UpdateViewLabels()
{
    if (!m_pView)
        return false;
    for (const CCompressionCurve& line : ViewLines())
        m_pView->ReplaceCurve(line);
    m_pView->TurnOffDisplayCoordinatesOnly();
    return true;
}

std::string CDRC_Manager::FormatLine21() const
{
    return std::string("21 ") + AboveInForce().szLabel + "\n";
}

std::string CDRC_Manager::FormatLine22() const
{
    return std::string("22 ") + BelowInForce().szLabel + "\n";
}

std::string CDRC_Manager::FormatLine23() const
{
    return std::string("23 ") + m_szThreshold + "\n";
}

std::string CDRC_Manager::FormatLine24() const
{
    return std::string("24 ") + m_EnergyTime.szLabel + "\n";
}

std::string CDRC_Manager::FormatLine25() const
{
    return std::string("25 ") + m_AttackTime.szLabel + "\n";
}

std::string CDRC_Manager::FormatLine26() const
{
    return std::string("26 ") + m_DecayTime.szLabel + "\n";
}

std::string CDRC_Manager::FormatLine02() const
{
    return FormatC("02 %s %s %s %s %s %s\n", AboveInForce().szCode, BelowInForce().szCode,
                   m_szThresholdCode, m_EnergyTime.szCode, m_AttackTime.szCode, m_DecayTime.szCode);
}

std::string CDRC_Manager::FileText() const
{
    return FormatLine21() + FormatLine22() + FormatLine23() + FormatLine24() + FormatLine25() +
           FormatLine26() + FormatLine02();
}

bool CDRC_Manager::SaveAsDrcFile(const std::string& baseName) const
{
    return AskAndWriteDeviceTextFile(CResourceString(kDrcExtensionId),
                                     CResourceString(kDrcFilterId), FileText(), baseName);
}

std::string CDRC_Manager::FormatAboveRatioLabel() const
{
    return m_AboveCompressionMode.IsOn() ? std::string("CR = ") + m_AboveCompression.szLabel
                                         : std::string("ER = ") + m_AboveExpansion.szLabel;
}

std::string CDRC_Manager::FormatBelowRatioLabel() const
{
    return m_BelowExpansionMode.IsOn() ? std::string("ER = ") + m_BelowExpansion.szLabel
                                       : std::string("CR = ") + m_BelowCompression.szLabel;
}

std::string CDRC_Manager::FormatThresholdDb() const
{
    return std::string(m_szThreshold) + " db";
}
