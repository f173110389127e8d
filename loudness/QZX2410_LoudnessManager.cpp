#include "loudness/QZX2410_LoudnessManager.h"

#include "device/DeviceTextFile.h"
#include "device/QZX2410_Manager.h"
#include "framework/core/Services.h"
#include "graph/Assert.h"
#include "graph/CFormat.h"
#include "graph/ResourceString.h"
#include "numerics/engine/FixedPointLog.h"

#include <cmath>

namespace
{
constexpr unsigned kLD241XExtensionId = 301;
constexpr unsigned kLD241XFilterId = 302;
constexpr unsigned kLD606XFilterId = 304;
constexpr unsigned kLD606XExtensionId = 305;
constexpr const char* kChannelTags[3] = {"A6", "AB", "B0"};
constexpr double kPlotGainCeiling = 15.5;

// The number of lines from first on that, joined, are exactly text (0 when they are not):
// a block merged earlier as one entry comes back as several lines once the data has been
// through the editor, which joins the lines and splits them again.
std::size_t LinesHolding(const std::vector<std::string>& lines, std::size_t first,
                         const std::string& text)
{
    std::size_t length = 0;
    std::size_t count = 0;
    while (length < text.size() && first + count < lines.size())
    {
        const std::string& line = lines[first + count];
        if (line.empty() || text.compare(length, line.size(), line) != 0)
            return 0;
        length += line.size();
        ++count;
    }
    return length == text.size() ? count : 0;
}

std::string DefaultChannelLine(int channel)
{
    std::string line = kChannelTags[channel];
    for (int i = 0; i < 20; ++i)
        line += " 00";
    return line + FormatC("    Channel %d Loudness Biquad\r\n", channel + 1);
}

// The prefix holds the line's whole text up to the value.
std::string CommentLine(const char* prefix, double value)
{
    return FormatC("%s%5.2f\r\n", prefix, value);
}
} // namespace

CQZX2410_LoudnessManager::CQZX2410_LoudnessManager(ILoudnessSectionDesigner* pDesigner,
                                                   std::function<bool()> isQZX6060)
    : CLoudnessManager(pDesigner), m_IsQZX6060(std::move(isQZX6060))
{
    if (!m_IsQZX6060)
        m_IsQZX6060 = [] { return false; };
    m_DataFileLines = {DefaultChannelLine(0), DefaultChannelLine(1), DefaultChannelLine(2)};
}

bool CQZX2410_LoudnessManager::SetManager(ILoudnessDeviceData* pManager)
{
    MORVANE_CHECK(pManager);
    m_pQZX2410_Manager = pManager;
    return true;
}

CLoudnessGainOffsetArray* CQZX2410_LoudnessManager::GainOffsets(int nKind)
{
    return nKind >= 0 && nKind < kLoudnessKindCount ? &m_GainOffsets[std::size_t(nKind)] : nullptr;
}

bool CQZX2410_LoudnessManager::AddGainOffset(double logSpaceGain, double logSpaceOffset,
                                             double gain, double offset, const std::string& name)
{
    for (int kind = 0; kind < kLoudnessKindCount; ++kind)
        if (name.find(Prefix(kind)) != std::string::npos)
        {
            auto record = std::make_unique<CLoudnessGainOffset>(m_IsQZX6060());
            record->m_strName = name;
            record->m_dLogSpaceGain = logSpaceGain;
            record->m_dLogSpaceOffset = logSpaceOffset;
            record->m_dGain = gain;
            record->m_dOffset = offset;
            m_GainOffsets[std::size_t(kind)].Add(std::move(record));
            return true;
        }
    MORVANE_CHECK_FAILED();
    return false;
}

CLoudnessGainOffset* CQZX2410_LoudnessManager::FindGainOffset(CLoudnessGainOffsetArray* pList,
                                                              const std::string& name) const
{
    CLoudnessGainOffset* pRecord = pList ? pList->Find(name) : nullptr;
    if (!pRecord)
        MORVANE_CHECK_FAILED();
    return pRecord;
}

bool CQZX2410_LoudnessManager::RemoveGainOffset(CLoudnessGainOffsetArray* pList,
                                                const std::string& name)
{
    if (pList)
        pList->Remove(name);
    return true;
}

bool CQZX2410_LoudnessManager::CalculatePlotGain(double V, double LG, double LO, double G, double O,
                                                 double* plotGain) const
{
    if (!(V > 0.0 && V <= kMaxPlotVolume))
        return false;
    double P = 0.0;
    if (m_IsQZX6060())
    {
        const double a = std::log10(V) / std::log10(2.0) * LG + LO;
        P = G * std::pow(2.0, a) + O;
        if (P > kPlotGainCeiling)
            P = kPlotGainCeiling;
    }
    else
    {
        const double e = (numerics::Base2Log(V * std::exp2(43.0)) - 4.0) * LG + LO;
        if (!numerics::Base2AlogInRange(e - 4.0))
            return false;
        P = G * numerics::Base2Alog(e - 4.0) + O;
    }
    if (!std::isfinite(P))
        return false;
    *plotGain = P;
    return true;
}

std::string CQZX2410_LoudnessManager::FormatHexWords(double value, const std::string& key,
                                                     bool* saturated)
{
    // The loudness words are the device data's coefficient words.
    return CQZX2410_Manager::CoefficientToHex(value, key, saturated);
}

const CLoudnessGainOffset* CQZX2410_LoudnessManager::GainOffsetOf(const CLoudnessInfo& record) const
{
    const int nKind = GetKindFromName(record.m_strName);
    return m_GainOffsets[std::size_t(nKind)].Find(record.m_strName);
}

std::string CQZX2410_LoudnessManager::QZX6060Text(const CLoudnessInfo& r, bool& bLimited) const
{
    // The scaling values are those the user typed for this filter, whatever its kind.
    CLoudnessGainOffset scaling;
    scaling.m_dLogSpaceGain = r.m_dLogSpaceGain;
    scaling.m_dLogSpaceOffset = r.m_dLogSpaceOffset;
    scaling.m_dGain = r.m_dGain;
    scaling.m_dOffset = r.m_dOffset;
    if (const CLoudnessGainOffset* pTyped = GainOffsetOf(r))
        scaling = *pTyped;
    auto word = [&bLimited](double value, const char* key)
    {
        bool saturated = false;
        std::string text = FormatHexWords(value, key, &saturated);
        bLimited = bLimited || saturated;
        return text;
    };
    return CommentLine("// EQ Gain          = ", r.m_dFilterGain) +
           CommentLine("// Bandwidth        = ", r.m_dBandwidth) +
           CommentLine("// Center Frequency = ", r.m_dCenterFrequency) +
           CommentLine("// Log Space Gain   (0x91) = ", scaling.m_dLogSpaceGain) +
           CommentLine("// Log Space Offset (0x92) = ", scaling.m_dLogSpaceOffset) +
           CommentLine("// Gain             (0x93) = ", scaling.m_dGain) +
           CommentLine("// Offset           (0x94) = ", scaling.m_dOffset) +
           CommentLine("// Plot Volume      = ", r.m_dPlotVolume) +
           CommentLine("// Plot Gain        = ", r.m_dPlotGain) + "x91 " +
           word(scaling.m_dLogSpaceGain, "A4") + "\r\nx92 " +
           word(scaling.m_dLogSpaceOffset, "A8") + "\r\nx93 " + word(scaling.m_dGain, "A4") +
           "\r\nx94 " + word(scaling.m_dOffset, "A8") + "\r\nx95" + word(r.m_dB0, "B0") +
           word(r.m_dB1, "B1") + word(r.m_dB2, "B2") + word(r.m_dA1, "A1") + word(r.m_dA2, "A2") +
           "\r\n";
}

std::string CQZX2410_LoudnessManager::QZX2410Text(const CLoudnessInfo& r, bool& bLimited) const
{
    std::string text = "L\r\n";
    const struct
    {
        double value;
        const char* key;
    } words[] = {
        {r.m_dA1, "A1"}, {r.m_dA2, "A2"}, {r.m_dB0, "B0"}, {r.m_dB1, "B1"}, {r.m_dB2, "B2"}};
    for (const auto& w : words)
    {
        bool saturated = false;
        text += FormatHexWords(w.value, w.key, &saturated) + "\r\n";
        bLimited = bLimited || saturated;
    }
    return text;
}

bool CQZX2410_LoudnessManager::FormatDataFileLines(const CLoudnessInfo* pRecord)
{
    if (!MORVANE_CHECK(pRecord) || !IsWritable(*pRecord))
        return false;
    bool bLimited = false;
    m_strLoudnessText =
        m_IsQZX6060() ? QZX6060Text(*pRecord, bLimited) : QZX2410Text(*pRecord, bLimited);
    if (bLimited)
        Services::MessageBox().Show("A loudness value of " + pRecord->m_strName +
                                    " is outside the range of the device word and was limited.");
    m_DataFileLines.assign(3, m_strLoudnessText);
    return true;
}

bool CQZX2410_LoudnessManager::AddToDataFile(int nKind, const std::string& name)
{
    const CLoudnessInfo* pRecord = FindRecord(nKind, name);
    if (!MORVANE_CHECK(m_pQZX2410_Manager) || !pRecord || !FormatDataFileLines(pRecord))
        return false;
    m_AddToDataFileMode.TurnOn();
    if (m_pQZX2410_Manager->HasDeviceData())
        MergeIntoDataFile(m_pQZX2410_Manager->DeviceDataLines());
    return true;
}

bool CQZX2410_LoudnessManager::MergeIntoDataFile(std::vector<std::string>& lines)
{
    if (m_AddToDataFileMode.IsOff() || !m_pQZX2410_Manager)
        return false;
    const int c = m_pQZX2410_Manager->CurrentChannel();
    if (c < 1 || c > 3)
        return true;
    const std::string& tag = kChannelTags[c - 1];
    std::string& merged = m_MergedBlocks[std::size_t(c - 1)];
    const std::string& block = m_DataFileLines[std::size_t(c - 1)];
    for (std::size_t i = 0; i < lines.size(); ++i)
    {
        const std::size_t count = lines[i].compare(0, 2, tag) == 0 ? 1
                                  : merged.empty()                 ? 0
                                                                   : LinesHolding(lines, i, merged);
        if (count > 0)
        {
            lines[i] = block;
            lines.erase(lines.begin() + std::ptrdiff_t(i + 1),
                        lines.begin() + std::ptrdiff_t(i + count));
            merged = block;
            return true;
        }
    }
    lines.push_back(block);
    merged = block;
    return true;
}

bool CQZX2410_LoudnessManager::EditLoudnessFilter(int nKind, const std::string& name)
{
    const CLoudnessInfo* pRecord = FindRecord(nKind, name);
    if (!pRecord)
        return false;
    const CLoudnessGainOffset* pGainOffset = FindGainOffset(GainOffsets(nKind), name);
    if (m_pEditor)
        m_pEditor->EditFilter(nKind, *pRecord, pGainOffset);
    return true;
}

bool CQZX2410_LoudnessManager::RemoveLoudnessFilter(const std::string& name)
{
    RemoveGainOffset(GainOffsets(GetKindFromName(name)), name);
    return RemoveLoudnessFilterByName(name);
}

bool CQZX2410_LoudnessManager::SaveAs(unsigned extensionId, unsigned filterId) const
{
    if (m_strLoudnessText.empty())
    {
        Services::MessageBox().Show(
            "There is no loudness data to save: add a loudness filter to the data file first.");
        return false;
    }
    return AskAndWriteDeviceTextFile(CResourceString(extensionId), CResourceString(filterId),
                                     m_strLoudnessText);
}

bool CQZX2410_LoudnessManager::SaveAsLD241X() const
{
    return SaveAs(kLD241XExtensionId, kLD241XFilterId);
}

bool CQZX2410_LoudnessManager::SaveAsLD606X() const
{
    return SaveAs(kLD606XExtensionId, kLD606XFilterId);
}
