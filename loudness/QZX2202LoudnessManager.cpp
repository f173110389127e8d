#include "loudness/QZX2202LoudnessManager.h"

#include "device/CoefficientWords.h"
#include "framework/core/Services.h"

namespace
{
constexpr const char* kLeftTail = "   Left Loudness Biquad\r\n";
constexpr const char* kRightTail = "   Right Loudness Biquad\r\n";
} // namespace

CQZX2202LoudnessManager::CQZX2202LoudnessManager(ILoudnessSectionDesigner* pDesigner)
    : CLoudnessManager(pDesigner)
{
    const std::string zeros = "000000 000000 000000 000000 000000 ";
    m_DataFileLines = {"21 " + zeros + kLeftTail, "22 " + zeros + kRightTail};
}

bool CQZX2202LoudnessManager::AddToDataFile(int nKind, const std::string& name)
{
    const CLoudnessInfo* pRecord = FindRecord(nKind, name);
    if (!pRecord || !FormatDataFileLines(pRecord))
        return false;
    m_AddToDataFileMode.TurnOn();
    if (m_pDeviceData && m_pDeviceData->HasDeviceData())
        MergeIntoDataFile(m_pDeviceData->DeviceDataLines());
    return true;
}

bool CQZX2202LoudnessManager::FormatDataFileLines(const CLoudnessInfo* pRecord)
{
    if (!pRecord || !IsWritable(*pRecord))
        return false;
    std::string middle;
    bool bLimited = false;
    for (const double value :
         {pRecord->m_dB0, pRecord->m_dB1, pRecord->m_dB2, pRecord->m_dA1, pRecord->m_dA2})
    {
        bool saturated = false;
        middle += CoefficientToHex24(value, &saturated) + " ";
        bLimited = bLimited || saturated;
    }
    if (bLimited)
        Services::MessageBox().Show("A loudness coefficient of " + pRecord->m_strName +
                                    " is outside the range of the device word and was limited.");
    m_DataFileLines = {"21 " + middle + kLeftTail, "22 " + middle + kRightTail};
    return true;
}

bool CQZX2202LoudnessManager::MergeIntoDataFile(std::vector<std::string>& lines)
{
    if (m_AddToDataFileMode.IsOff())
        return false;
    bool bLeft = false;
    bool bRight = false;
    for (std::string& line : lines)
    {
        if (line.compare(0, 2, "21") == 0)
        {
            line = m_DataFileLines[0];
            bLeft = true;
        }
        if (line.compare(0, 2, "22") == 0)
        {
            line = m_DataFileLines[1];
            bRight = true;
        }
    }
    if (!bLeft)
        lines.push_back(m_DataFileLines[0]);
    if (!bRight)
        lines.push_back(m_DataFileLines[1]);
    return true;
}

bool CQZX2202LoudnessManager::EditLoudnessFilter(int nKind, const std::string& name)
{
    const CLoudnessInfo* pRecord = FindRecord(nKind, name);
    if (!pRecord)
        return false;
    if (m_pEditor)
        m_pEditor->EditFilter(nKind, *pRecord, nullptr);
    return true;
}

bool CQZX2202LoudnessManager::RemoveLoudnessFilter(const std::string& name)
{
    return RemoveLoudnessFilterByName(name);
}
