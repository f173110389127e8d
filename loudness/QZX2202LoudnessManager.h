// Loudness manager of the QZX2202: the chosen filter becomes two device lines, register
// "21" (left) and "22" (right), each holding the five 24-bit coefficient words, and those
// lines replace their registers in the speaker document's device data.
#pragma once

#include "loudness/LoudnessManager.h"

class CQZX2202LoudnessManager : public CLoudnessManager
{
public:
    explicit CQZX2202LoudnessManager(ILoudnessSectionDesigner* pDesigner);

    bool EditLoudnessFilter(int nKind, const std::string& name) override;
    bool RemoveLoudnessFilter(const std::string& name) override;
    bool AddToDataFile(int nKind, const std::string& name) override;
    // Finite coefficients outside the word range are limited and the user is warned; a
    // record with a coefficient that is not finite changes no line (false).
    bool FormatDataFileLines(const CLoudnessInfo* pLoudnessInfo) override;
    bool MergeIntoDataFile(std::vector<std::string>& deviceDataLines) override;

    // The speaker document's device data; not owned.
    void SetDeviceData(ILoudnessDeviceData* pDeviceData) { m_pDeviceData = pDeviceData; }

private:
    ILoudnessDeviceData* m_pDeviceData = nullptr;
};
