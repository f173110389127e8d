// QZX2202 dynamic range compression settings: a threshold, a compression or expansion
// ratio on each side of it and three time constants, each chosen from the chip's tables.
// Turns the choice into the ".drc" register text, the view's four lines and the
// threshold's register code.
#pragma once

#include "drc/CompressionView.h"
#include "drc/DrcChoice.h"
#include "graph/Mode.h"

#include <string>
#include <vector>

// A whole setting as the compression dialog hands it over on Apply: the threshold, which
// ratio of each side is in force and the entries chosen in the dialog's boxes (-1: none).
struct CDrcSetting
{
    double dThreshold = -48.0;
    bool bAboveCompression = true; // the above side compresses (else it expands)
    int nAboveCompression = -1;
    int nAboveExpansion = -1;
    bool bBelowExpansion = true; // the below side expands (else it compresses)
    int nBelowCompression = -1;
    int nBelowExpansion = -1;
    int nEnergyTime = -1;
    int nAttackTime = -1;
    int nDecayTime = -1;
};

class CDRC_Manager
{
public:
    CDRC_Manager();
    virtual ~CDRC_Manager() = default;

    // Accepts -89.625 <= dB <= 0.0; anything else (or not a number) is a failed check and
    // leaves threshold, text and code alone.
    bool SetThreshold(double dB);
    // The chip's 8-bit threshold code (0.375 dB steps from -89.625 dB) as "%X"; the code
    // of a value between two steps is the nearest step.
    static std::string ThresholdToCode(double db_Threshold);
    // pTable must be one of the side's two tables and nIndex inside it; otherwise a
    // failed check, nothing changes and the result is false.
    bool SetAboveRatio(const CDrcChoice* pTable, int nIndex);
    bool SetBelowRatio(const CDrcChoice* pTable, int nIndex);
    // False, with the time unchanged, for an index outside the time table.
    bool SetAttackTime(int nIndex);
    bool SetEnergyTime(int nIndex);
    bool SetDecayTime(int nIndex);

    // The current setting, as the dialog shows it when it opens.
    CDrcSetting GetSetting() const;
    // Takes a setting whole: a threshold outside -89.625 .. 0 dB or a missing entry among
    // those in force is shown in a message box and changes nothing (false). Otherwise the
    // threshold, the two ratios in force and the three times are set in that order and
    // the view is given its new lines.
    bool ApplySetting(const CDrcSetting& setting);

    // The four lines of the current setting, in the view's order.
    std::vector<CCompressionCurve> ViewLines() const;
    // Hands the lines to the view and repaints it; false without a view.
    bool UpdateViewLabels();
    void SetView(ICompressionView* pView) { m_pView = pView; }

    std::string FormatLine21() const;
    std::string FormatLine22() const;
    std::string FormatLine23() const;
    std::string FormatLine24() const;
    std::string FormatLine25() const;
    std::string FormatLine26() const;
    std::string FormatLine02() const;
    // The seven lines in file order.
    std::string FileText() const;
    // Asks for a ".drc" file (the dialog opening with the base name given followed by
    // ".drc") and writes FileText(); false on cancel or a failed write.
    bool SaveAsDrcFile(const std::string& baseName = {}) const;

    std::string FormatAboveRatioLabel() const;
    std::string FormatBelowRatioLabel() const;
    std::string FormatThresholdDb() const;

    const CDrcChoice* m_pAboveCompressionTable = g_AboveCompressionRatios;
    const CDrcChoice* m_pAboveExpansionTable = g_AboveExpansionRatios;
    const CDrcChoice* m_pBelowCompressionTable = g_BelowCompressionRatios;
    const CDrcChoice* m_pBelowExpansionTable = g_BelowExpansionRatios;
    const CDrcChoice* m_pTimeTable = g_DrcTimes;
    int m_nAboveCompressionCount = 16;
    int m_nAboveExpansionCount = 9;
    int m_nBelowCompressionCount = 9;
    int m_nBelowExpansionCount = 17;
    int m_nTimeCount = 12;
    CMode m_AboveCompressionMode;
    CMode m_BelowExpansionMode;
    char m_szThresholdCode[8] = {};
    double m_dThreshold = 0.0;
    char m_szThreshold[24] = {};
    CDrcChoice m_AboveCompression{};
    CDrcChoice m_AboveExpansion{};
    CDrcChoice m_BelowCompression{};
    CDrcChoice m_BelowExpansion{};
    CDrcChoice m_EnergyTime{};
    CDrcChoice m_DecayTime{};
    CDrcChoice m_AttackTime{};

private:
    // One side's two tables: a choice from a table turns the side's mode to bModeOn.
    struct CRatioSide
    {
        const CDrcChoice* pTable;
        int nCount;
        CMode* pMode;
        bool bModeOn;
        CDrcChoice* pChoice;
    };
    bool ChooseRatio(const CDrcChoice* pTable, int nIndex, const CRatioSide& first,
                     const CRatioSide& second);
    const CDrcChoice& AboveInForce() const;
    const CDrcChoice& BelowInForce() const;
    bool SetTime(CDrcChoice& time, int nIndex);

    ICompressionView* m_pView = nullptr;
};
