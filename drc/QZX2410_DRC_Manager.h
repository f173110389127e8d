// QZX241X/QZX606X dynamic range compression: two thresholds splitting the input level
// into three regions, each compressing or expanding with its own ratio, and the gain
// offsets at the thresholds. Turns the setting into the chip's words (base-2 log units),
// the transfer curve computed with the chip's fixed-point log and antilog, and the
// ".DR241X"/".DRC606X" device files.
#pragma once

#include "drc/CompressionView.h"

#include <string>
#include <vector>

// A whole setting as the compression dialog hands it over on Apply.
struct CQZX2410_DRC_Setting
{
    double dThreshold1 = -182.0; // dB
    double dThreshold2 = -88.0;
    bool bRegionCompression[3] = {false, true, true};
    double dRatio[3] = {1.05, 2.0, 5.0};
    double dOffset1 = 0.0; // dB; in force when bSpecifyOffset1
    double dOffset2 = 0.0;
    bool bSpecifyOffset1 = false;
};

class CQZX2410_DRC_Manager
{
public:
    static constexpr int kCurvePoints = 471;

    CQZX2410_DRC_Manager() = default;
    virtual ~CQZX2410_DRC_Manager() = default;

    bool SetThreshold1(double v) { return Set(m_dThreshold1, v); }
    double GetThreshold1() const { return m_dThreshold1; }
    bool SetThreshold2(double v) { return Set(m_dThreshold2, v); }
    double GetThreshold2() const { return m_dThreshold2; }
    bool SetRegion0Compression(bool b) { return Set(m_bRegion0Compression, b); }
    bool GetRegion0Compression() const { return m_bRegion0Compression; }
    bool SetRegion1Compression(bool b) { return Set(m_bRegion1Compression, b); }
    bool GetRegion1Compression() const { return m_bRegion1Compression; }
    bool SetRegion2Compression(bool b) { return Set(m_bRegion2Compression, b); }
    bool GetRegion2Compression() const { return m_bRegion2Compression; }
    bool SetRatio0(double v) { return Set(m_dRatio0, v); }
    double GetRatio0() const { return m_dRatio0; }
    bool SetRatio1(double v) { return Set(m_dRatio1, v); }
    double GetRatio1() const { return m_dRatio1; }
    bool SetRatio2(double v) { return Set(m_dRatio2, v); }
    double GetRatio2() const { return m_dRatio2; }
    bool SetOffset1(double v) { return Set(m_dOffset1, v); }
    double GetOffset1() const { return m_dOffset1; }
    bool SetOffset2(double v) { return Set(m_dOffset2, v); }
    double GetOffset2() const { return m_dOffset2; }
    double GetLimit() const { return m_dLimit; }
    double GetThresholdFloor() const { return m_dThresholdFloor; }
    bool SetSpecifyOffset1(bool b) { return Set(m_bSpecifyOffset1, b); }
    bool GetSpecifyOffset1() const { return m_bSpecifyOffset1; }

    std::string Threshold1Text() const;
    std::string Threshold2Text() const;
    std::string Ratio0Text() const;
    std::string Ratio1Text() const;
    std::string Ratio2Text() const;
    std::string Offset1Text() const;
    std::string Offset2Text() const;
    std::string Region0ModeText() const;
    std::string Region1ModeText() const;
    std::string Region2ModeText() const;

    // Checks the setting (ratios > 0, floor <= T1 < T2 <= 0, words within their range);
    // an invalid setting is shown in a message box and leaves words and curves as they
    // were. Otherwise computes the words and the curves and hands them to the view.
    bool CalculateDrcCurve();
    // The current setting, as the dialog shows it when it opens.
    CQZX2410_DRC_Setting GetSetting() const;
    // Takes a setting whole: one the curve cannot be computed from is shown in a message
    // box and changes nothing (false); otherwise it is stored, and the words and curves
    // are computed and handed to the view.
    bool ApplySetting(const CQZX2410_DRC_Setting& setting);
    // The message for an invalid setting; empty when the setting can be computed.
    std::string ValidationError() const;
    // The check of one region's ratio, the dialog's and the setting's alike: the ratios the
    // slope word expresses are compression R:1 for 1/17 < R <= 2^23 and expansion 1:R for
    // 2^-23 <= R < 17 (beyond them the word overflows or no longer tells the ratio from an
    // endless one). Empty for such a ratio, else the message naming the region and range.
    static std::string RatioError(int nRegion, bool bCompression, double dRatio);
    bool HasWords() const { return m_bWordsValid; }
    // The four curves of the last calculation, in the view's order.
    const std::vector<CCompressionCurve>& Curves() const { return m_Curves; }
    void SetView(ICompressionView* pView) { m_pView = pView; }

    // The fourteen lines of the device files.
    std::string DeviceFileText() const;
    // Ask for a file (the dialog opening with the base name given followed by the file's
    // extension) and write it; refused with a message before the first calculation.
    bool SaveAsDR241X(const std::string& baseName = {}) const;
    bool SaveAsDRC606X(const std::string& baseName = {}) const;

    double m_dThreshold1Word = 0.0;
    double m_dThreshold2Word = 0.0;
    double m_dSlope0Word = 0.0;
    double m_dSlope1Word = 0.0;
    double m_dSlope2Word = 0.0;
    double m_dOffset1Word = 0.0;
    double m_dOffset2Word = 0.0;

private:
    template <class T> static bool Set(T& member, T value)
    {
        member = value;
        return true;
    }
    // The seven chip words in base-2 log units.
    struct CWords
    {
        double threshold1 = 0.0;
        double threshold2 = 0.0;
        double slope[3] = {};
        double offset1 = 0.0;
        double offset2 = 0.0;
    };
    CWords ComputeWords() const;
    bool ComputeCurves(const CWords& words, std::vector<CCompressionCurve>& curves,
                       std::string& error) const;
    bool SaveAs(unsigned extensionId, unsigned filterId, const std::string& baseName) const;
    // The curves of the last calculation to the view, which then repaints.
    void ShowCurves();

    double m_dThreshold1 = -182.0;
    double m_dThreshold2 = -88.0;
    bool m_bRegion0Compression = false;
    bool m_bRegion1Compression = true;
    bool m_bRegion2Compression = true;
    double m_dRatio0 = 1.05;
    double m_dRatio1 = 2.0;
    double m_dRatio2 = 5.0;
    double m_dOffset2 = 0.0;
    double m_dOffset1 = 0.0;
    double m_dLimit = -283.0;
    double m_dThresholdFloor = -192.7;
    bool m_bSpecifyOffset1 = false;
    bool m_bWordsValid = false;
    std::vector<CCompressionCurve> m_Curves;
    ICompressionView* m_pView = nullptr;
};
