// What the loudness managers need of the windows and of the device data, as narrow
// interfaces: the Qt windows and the device-data owners implement them, tests record.
// A manager is connected to the objects of its own chip family only.
#pragma once

#include "framework/core/GdiTypes.h"

#include <span>
#include <string>
#include <vector>

class CLoudnessInfo;
class CLoudnessGainOffset;

// The loudness document: the frequency axis every response is computed on.
class ILoudnessDocument
{
public:
    virtual ~ILoudnessDocument() = default;
    virtual std::span<const double> Frequencies() const = 0;    // Hz
    virtual std::span<const double> LogFrequencies() const = 0; // log10 of Hz
    virtual int SamplingFrequency() const = 0;                  // the speaker document's, Hz
    virtual void UpdateAllViews(int nHint) = 0;
};

class ILoudnessView
{
public:
    virtual ~ILoudnessView() = default;
    virtual void AddLoudnessCurve(std::span<const double> x, std::span<const double> y,
                                  COLORREF color, const std::string& label) = 0;
    virtual void DeleteLoudnessCurve(const std::string& name) = 0;
};

// The grid of one kind of loudness filter.
class ILoudnessGrid
{
public:
    virtual ~ILoudnessGrid() = default;
    virtual void AddRow(const CLoudnessInfo& record) = 0;
    // The record was computed again: its row shows the new values.
    virtual void UpdateRow(const CLoudnessInfo& record) = 0;
    // False when no row has the name.
    virtual bool DeleteRowByName(const std::string& name) = 0;
    virtual void DeleteAllRows() = 0;
};

// Opens the create-loudness-filter sheet on the kind's page, filled from the records
// (the gain and offset record only for the QZX241X family), after hiding the edit window.
class ILoudnessEditor
{
public:
    virtual ~ILoudnessEditor() = default;
    virtual void EditFilter(int nKind, const CLoudnessInfo& record,
                            const CLoudnessGainOffset* pGainOffset) = 0;
};

// The device program data lines that loudness lines are merged into.
class ILoudnessDeviceData
{
public:
    virtual ~ILoudnessDeviceData() = default;
    // Lines were generated or a file was opened.
    virtual bool HasDeviceData() const = 0;
    virtual std::vector<std::string>& DeviceDataLines() = 0;
    // The QZX241X channel (1 to 3) whose register the merge replaces.
    virtual int CurrentChannel() const { return 1; }
};

// Designs the section of an EQ (kind 0), treble (1) or bass (2) loudness filter from the
// record's values: b and a are the numerator and denominator rows [x0 x1 x2]. False when
// the section cannot be designed.
class ILoudnessSectionDesigner
{
public:
    virtual ~ILoudnessSectionDesigner() = default;
    virtual bool Design(int nKind, const CLoudnessInfo& record, int nSampleRate, double (&b)[3],
                        double (&a)[3]) = 0;
};
