// Loudness manager of the QZX2410 and QZX6060: one gain and offset record per filter with
// the chip's four loudness scaling values, the loudness text (QZX6060 or QZX2410 layout)
// that is merged into the family's device data and saved as ".LD241X"/".LD606X", and the
// plot gain of the scaling values.
#pragma once

#include "loudness/LoudnessManager.h"

#include <array>
#include <functional>

class CQZX2410_LoudnessManager : public CLoudnessManager
{
public:
    // isQZX6060 tells, at each call, whether the QZX6060 of the family is the target: it
    // chooses the text layout, the response law and the plot-gain law.
    CQZX2410_LoudnessManager(ILoudnessSectionDesigner* pDesigner, std::function<bool()> isQZX6060);

    // The family's device-data manager; not owned.
    bool SetManager(ILoudnessDeviceData* pManager);

    // Files the values under the kind of the name's prefix; false for a name without one.
    bool AddGainOffset(double logSpaceGain, double logSpaceOffset, double gain, double offset,
                       const std::string& name);
    CLoudnessGainOffset* FindGainOffset(CLoudnessGainOffsetArray* pList,
                                        const std::string& name) const;
    bool RemoveGainOffset(CLoudnessGainOffsetArray* pList, const std::string& name);
    CLoudnessGainOffsetArray* GainOffsets(int nKind);

    // The plot gain of the scaling values for a plot volume in (0, kMaxPlotVolume]. False,
    // with plotGain unchanged, for another volume or values that leave the range of the
    // chip's logarithm or antilogarithm.
    static constexpr double kMaxPlotVolume = 15.99999988079071;
    bool CalculatePlotGain(double plotVolume, double logSpaceGain, double logSpaceOffset,
                           double gain, double offset, double* plotGain) const;

    // One value as blank-led byte pairs: 5.23 fixed point in 28 bits, sign-filled to 32
    // bits; key "A8" gives 16 digits, "A1" and "A2" negate. Limits an out-of-range value
    // and sets saturated.
    static std::string FormatHexWords(double value, const std::string& key,
                                      bool* saturated = nullptr);

    bool EditLoudnessFilter(int nKind, const std::string& name) override;
    bool RemoveLoudnessFilter(const std::string& name) override;
    bool AddToDataFile(int nKind, const std::string& name) override;
    // As the QZX2202's: finite values are limited with a warning, a record with a
    // coefficient that is not finite changes neither the lines nor the loudness text.
    bool FormatDataFileLines(const CLoudnessInfo* pLoudnessInfo) override;
    bool MergeIntoDataFile(std::vector<std::string>& deviceDataLines) override;

    const std::string& LoudnessText() const { return m_strLoudnessText; }
    // Ask for a file and write the loudness text; refused with a message while there is
    // none, a failed write is reported.
    bool SaveAsLD241X() const;
    bool SaveAsLD606X() const;

protected:
    bool UsesQZX6060Law() const override { return m_IsQZX6060(); }

private:
    std::string QZX6060Text(const CLoudnessInfo& record, bool& bLimited) const;
    std::string QZX2410Text(const CLoudnessInfo& record, bool& bLimited) const;
    const CLoudnessGainOffset* GainOffsetOf(const CLoudnessInfo& record) const;
    bool SaveAs(unsigned extensionId, unsigned filterId) const;

    std::array<CLoudnessGainOffsetArray, kLoudnessKindCount> m_GainOffsets;
    ILoudnessDeviceData* m_pQZX2410_Manager = nullptr;
    std::function<bool()> m_IsQZX6060;
    std::string m_strLoudnessText;
    // The block merged last into each channel, so that the next merge replaces it.
    std::array<std::string, 3> m_MergedBlocks;
};
