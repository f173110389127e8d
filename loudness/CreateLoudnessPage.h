// One page of a create-loudness-filter sheet, apart from its window: the texts of its
// boxes, whether the user changed them, the coefficients' base (decimal or hexadecimal
// words) and what Apply adds. A page serves one loudness kind of one chip family:
//
//   kind 0 "EQ Base Type": EQ gain (dB), bandwidth, centre frequency;
//   kind 1 "Treble Base Type", 2 "Bass Base Type": gain (dB), cut frequency;
//   kind 3 "Base Type Coefficients": b0 b1 b2 a1 a2 of a section (a0 is 1);
//   kind 4 "Loudness Coefficients": the loudness path B0 B1 B2 A1 A2;
//   every page: Plot Gain and Plot Volume; the QZX2410/QZX6060 pages also the chip's four
//   loudness scaling values (Log-space Gain, Log-space Offset, Gain, Offset), a Plot Volume
//   of 0 to 15.99999988079071 and "Calculate Plot Gain".
//
// Only the user's own edits count as a change: a page opened and applied unchanged adds
// nothing. Apply refuses values that design no filter (a bandwidth of 0 or less, a
// frequency outside 0 to half the sampling frequency, a text that is no number, values
// whose designed section has a coefficient that is not finite) with a message naming the
// box; nothing is added then. A designed coefficient that the family's device word cannot
// hold is told to the user, and the filter is added. Coefficient words are those of the
// page's own family (24-bit for the QZX2202, 28-bit for the QZX2410/QZX6060).
#pragma once

#include "loudness/LoudnessDoc.h"
#include "loudness/LoudnessInfo.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

class CLoudnessGainOffset;
class CLoudnessManager;

class CCreateLoudnessPage
{
public:
    // Control ids of the boxes and buttons.
    enum EControl : int
    {
        IDC_EQ_GAIN = 1081,
        IDC_BANDWIDTH = 1082,
        IDC_CENTER_FREQUENCY = 1083,
        IDC_PLOT_GAIN = 1084,
        IDC_PLOT_VOLUME = 1085,
        IDC_TREBLE_GAIN = 1089,
        IDC_CUT_FREQUENCY = 1090,
        IDC_BASS_GAIN = 1091,
        IDC_COEFF_1 = 1092, // to IDC_COEFF_1 + 4
        IDC_DECIMAL = 1099,
        IDC_HEX = 1100,
        IDC_LOG_SPACE_GAIN = 1125,
        IDC_LOG_SPACE_OFFSET = 1126,
        IDC_GAIN = 1127,
        IDC_OFFSET = 1128,
        IDC_CALCULATE_PLOT_GAIN = 1129,
    };
    struct CField
    {
        int nId;
        std::string label;
    };

    // bQZX6060: the QZX6060 is selected now (the QZX241X pages then start from a
    // Log-space Gain of -0.5, else +0.5).
    CCreateLoudnessPage(ELoudnessFamily family, int nKind, bool bQZX6060 = false);

    ELoudnessFamily GetFamily() const { return m_Family; }
    int GetKind() const { return m_nKind; }
    std::string GetTitle() const;
    // The design boxes, then (QZX2202) Plot Gain and Plot Volume.
    const std::vector<CField>& GetFields() const { return m_Fields; }
    // The QZX2410/QZX6060 boxes of the group "Calculate Plot Gain", in their order (the
    // button stands between Plot Volume and Plot Gain); empty for the QZX2202.
    const std::vector<CField>& GetScalingFields() const { return m_ScalingFields; }
    bool IsCoefficientPage() const { return m_nKind >= 3; }
    bool HasScaling() const { return m_Family == ELoudnessFamily::QZX241X; }

    std::string GetText(int nId) const;
    // The user typed into a box: a change of the page.
    void OnEdited(int nId, const std::string& text);
    bool IsModified() const { return m_bModified; }
    bool IsHex() const { return m_bHex; }

    // The box that refuses a value and why.
    struct CRefusal
    {
        int nId = 0;
        std::string message;
    };

    // "Hex" and "Decimal": the five coefficients converted to the other base (empty boxes
    // stay empty). Nothing happens when the base is already the one chosen; a coefficient
    // that cannot be read, or does not fit the device word, leaves every box as it is.
    std::optional<CRefusal> OnHex();
    std::optional<CRefusal> OnDecimal();

    // Fills the page from an existing filter (pGainOffset: its QZX2410/QZX6060 scaling
    // values, if any); not a change of the page. False without a record.
    bool SetLoudnessInfo(const CLoudnessInfo* pInfo, const CLoudnessGainOffset* pGainOffset);

    // "Calculate Plot Gain" with the QZX2410/QZX6060 manager: runs only once the boxes
    // hold numbers, the Plot Volume lies in its range and is above 0; the Plot Gain box
    // then takes the result, which counts as a change.
    std::optional<CRefusal> OnCalculatePlotGain(const CLoudnessManager& manager);

    // The boxes' values checked for a sample rate (Hz).
    std::optional<CRefusal> Validate(int nSampleRate) const;
    // Apply: when the user changed the page, the checked values go to the manager's add
    // operation of the page's kind (and, for the QZX2410/QZX6060, its gain and offset
    // record under the new name); the change is then cleared. A refusal adds nothing and
    // keeps the change. name receives the new filter's name (empty when none was added).
    std::optional<CRefusal> Apply(CLoudnessManager& manager, std::string& name);

private:
    std::optional<double> Number(int nId) const;
    // The five coefficients as numbers in base bHex; an empty box reads as nothing.
    std::optional<CRefusal> ReadCoefficients(bool bHex, std::optional<double> (&values)[5]) const;
    std::optional<CRefusal> Convert(bool bToHex);
    std::optional<CRefusal> CheckNumbers(const std::vector<CField>& fields) const;
    std::optional<CRefusal> CheckPlotVolume() const;
    bool AddFilter(CLoudnessManager& manager, std::string& name) const;
    // The coefficient k (B0 B1 B2 A1 A2) as the family's device word; bLimited is set when
    // the word cannot hold it.
    std::string WordText(double value, int k, bool* bLimited) const;
    // A record holding the checked boxes' design values, for a trial design.
    CLoudnessInfo DesignRecord(const CLoudnessManager& manager) const;
    // The checked values' section designed by the manager: refused when it is not finite;
    // warning tells of a coefficient that the family's word cannot hold.
    std::optional<CRefusal> CheckSection(const CLoudnessManager& manager,
                                         std::string& warning) const;

    ELoudnessFamily m_Family;
    int m_nKind;
    std::vector<CField> m_Fields;
    std::vector<CField> m_ScalingFields;
    std::map<int, std::string> m_Texts;
    bool m_bModified = false;
    bool m_bHex = false;
    // The QZX2202 EQ page carries an edited filter's scaling values through unchanged.
    double m_dGain = 1.0;
    double m_dOffset = 0.0;
    double m_dLogSpaceGain = 1.0;
    double m_dLogSpaceOffset = 1.0;
};
