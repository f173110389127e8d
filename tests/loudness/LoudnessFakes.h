// Recording stand-ins for the loudness windows and device data.
#pragma once

#include "runtime/assertion.h"

#include "loudness/LoudnessFrequencyAxis.h"
#include "loudness/LoudnessInfo.h"
#include "loudness/LoudnessInterfaces.h"

#include <cmath>
#include <string>
#include <vector>

class CFakeLoudnessDocument : public ILoudnessDocument
{
public:
    CFakeLoudnessDocument() : axis(BuildLoudnessFrequencyAxis(10, 48000)) {}
    std::span<const double> Frequencies() const override { return axis.frequency; }
    std::span<const double> LogFrequencies() const override { return axis.logFrequency; }
    int SamplingFrequency() const override { return nRate; }
    void UpdateAllViews(int nHint) override { hints.push_back(nHint); }
    CLoudnessFrequencyAxis axis;
    int nRate = 48000;
    std::vector<int> hints;
};

struct CPlottedCurve
{
    std::vector<double> y;
    COLORREF color;
    std::string label;
};

class CRecordingLoudnessView : public ILoudnessView
{
public:
    void AddLoudnessCurve(std::span<const double> x, std::span<const double> y, COLORREF color,
                          const std::string& label) override
    {
        nPoints = int(x.size());
        curves.push_back({std::vector<double>(y.begin(), y.end()), color, label});
    }
    void DeleteLoudnessCurve(const std::string& name) override { deleted.push_back(name); }
    std::vector<CPlottedCurve> curves;
    std::vector<std::string> deleted;
    int nPoints = 0;
};

class CRecordingLoudnessGrid : public ILoudnessGrid
{
public:
    void AddRow(const CLoudnessInfo& record) override { rows.push_back(record.m_strName); }
    void UpdateRow(const CLoudnessInfo& record) override
    {
        updatedRows.push_back(record.m_strName);
    }
    bool DeleteRowByName(const std::string& name) override
    {
        deletedRows.push_back(name);
        return true;
    }
    void DeleteAllRows() override
    {
        rows.clear();
        ++nCleared;
    }
    std::vector<std::string> rows;
    std::vector<std::string> deletedRows;
    std::vector<std::string> updatedRows;
    int nCleared = 0;
};

class CRecordingEditor : public ILoudnessEditor
{
public:
    void EditFilter(int nKind, const CLoudnessInfo& record,
                    const CLoudnessGainOffset* pGainOffset) override
    {
        kinds.push_back(nKind);
        names.push_back(record.m_strName);
        hadGainOffset.push_back(pGainOffset != nullptr);
    }
    std::vector<int> kinds;
    std::vector<std::string> names;
    std::vector<bool> hadGainOffset;
};

class CFakeDeviceData : public ILoudnessDeviceData
{
public:
    bool HasDeviceData() const override { return bHasData; }
    std::vector<std::string>& DeviceDataLines() override { return lines; }
    int CurrentChannel() const override { return nChannel; }
    bool bHasData = true;
    std::vector<std::string> lines;
    int nChannel = 1;
};

// A section with a fixed, known response: b = [g 0 0], a = [1 0 0], g = 10^(gain/20),
// so the designed response is flat at the record's gain.
class CFlatSectionDesigner : public ILoudnessSectionDesigner
{
public:
    bool Design(int nKind, const CLoudnessInfo& record, int nSampleRate, double (&b)[3],
                double (&a)[3]) override
    {
        kinds.push_back(nKind);
        rates.push_back(nSampleRate);
        if (bFail)
            return false;
        const double g = std::pow(10.0, record.m_dFilterGain / 20.0);
        b[0] = g;
        b[1] = bNotFinite ? std::nan("") : 0.0;
        b[2] = 0.0;
        a[0] = 1.0;
        a[1] = a[2] = 0.0;
        return true;
    }
    std::vector<int> kinds;
    std::vector<int> rates;
    bool bFail = false;
    // The design gives a section with a coefficient that is not a number.
    bool bNotFinite = false;
};

// Records the failed checks reported while it lives.
class CAssertionRecorder
{
public:
    CAssertionRecorder() : m_Previous(mclSetAssertionHandler(&Record)) { Expressions().clear(); }
    ~CAssertionRecorder() { mclSetAssertionHandler(m_Previous); }
    static std::vector<std::string>& Expressions()
    {
        static std::vector<std::string> expressions;
        return expressions;
    }

private:
    static void Record(const char* expression, const char*, int)
    {
        Expressions().push_back(expression);
    }
    mclAssertionHandlerFcn m_Previous;
};
