// What the speaker document asks of the windows around it. The document drives its
// windows itself (status text, showing and activating frames, update hints to the views,
// its dialogs), always through these interfaces: the shell implements them with windows,
// tests and headless runs with CHeadlessAppServices and recording views. Message boxes
// and file dialogs are the framework's services (framework/core/Services.h).
#pragma once

#include "document/SystemMemory.h"
#include "framework/core/GdiTypes.h"
#include "graph/DoubleRect.h"

#include <cstdint>
#include <string>

class CCurve;
class CMode;
struct CMasterPointGrids;
struct CSaveFilesChoice;
class IDeviceDataFiles;
class CModeArray;
class CMorvaneDoc;
class CMorvaneSettings;

// Update hints the document sends to its views (which curves changed).
enum EUpdateHint : int
{
    kHintRawResponseReplaced = 1,
    kHintCurvesChanged = 2,
    kHintCalculationStarts = 5,
    kHintNewDesiredCurveStarted = 6,
    kHintNewDesiredCurveBuilt = 7,
    kHintDesiredCurvesRead = 8,
    kHintRebuildFilterCurves = 9,
    kHintFiltersDrawnOrRestart = 10,
    kHintRestartFilterViews = 11,
    kHintSettingsApplied = 12,
    kHintCalculationResults = 13,
    kHintRawPhaseChanged = 14,
    kHintDeviceRestartFilters = 15,
    kHintDeviceRestartResponse = 16,
    kHintDrawFilters = 17,
};

// The File Read Error dialog: the file, the 1-based line (0 for the file as a whole) and
// what is wrong; the file was not read in.
class IFileReadErrorReport
{
public:
    virtual ~IFileReadErrorReport() = default;
    virtual void ShowFileReadError(const std::string& file, int nLine,
                                   const std::string& error) = 0;
};

// The family device-data manager's part in opening a response: it derives its own data
// file name from the raw response file's path.
class IFamilyDataFileNames
{
public:
    virtual ~IFamilyDataFileNames() = default;
    virtual void SetDataFileNameFromRaw(const std::string& rawPath) = 0;
};

// The four speaker child frames.
enum class ESpeakerFrame
{
    Response,
    Filter,
    Phase,
    PhaseFilter,
};

// Values of the settings sheet as the user sees them: frequencies in Hz.
struct CSettingsSheetValues
{
    struct CViewRange
    {
        double dLowerFrequency = 0.0; // Hz
        double dUpperFrequency = 0.0; // Hz
        double dLowerValue = 0.0;     // dB or degrees
        double dUpperValue = 0.0;
        bool bAutomaticScaling = false;
    };
    double dSamplingFrequency = 0.0;
    double dLowerFrequencyLimit = 0.0;
    double dHigherFrequencyLimit = 0.0;
    double dUpperTolerance = 0.0;
    double dLowerTolerance = 0.0;
    bool bLimitNumberOfFilters = false;
    int nMaximumNumberOfFilters = 0;
    double dSingleOptParam = 0.0;
    double dJointOptParam = 0.0;
    // Speaker response, speaker phase, filter, filter phase view.
    CViewRange views[4];
};

// The point counts the log sampling dialog accepts.
constexpr long kDefaultLogSamplePoints = 300;
constexpr bool IsLogSamplePointCount(long nPoints)
{
    return nPoints >= 150 && nPoints <= 100000000;
}

// The application object as the document sees it.
class IMorvaneAppServices : public IFileReadErrorReport
{
public:
    // The current speaker document (null when there is none).
    virtual void SetMorvaneDoc(CMorvaneDoc* pDoc) = 0;
    virtual CMorvaneSettings& Settings() = 0;
    // On when the raw response file last read had a phase column.
    virtual CMode& PhaseColumnMode() = 0;
    // The QZX2410/QZX6060 family manager; null while there is none.
    virtual IFamilyDataFileNames* FamilyDataManager() = 0;

    // Pane 1 of the main window's status bar.
    virtual void SetStatusText(const std::string& text) = 0;
    // View > Loud Speaker Response Window and View > Filter Definition Window.
    virtual void ShowResponseWindow() = 0;
    virtual void ShowFilterWindow() = 0;
    virtual void ActivateResponseWindow() = 0;
    // Shows or hides a frame that exists; sends a command to it (101: its initial
    // layout).
    virtual void ShowFrame(ESpeakerFrame frame, bool bShow) = 0;
    virtual void SendFrameCommand(ESpeakerFrame frame, int nCommand) = 0;
    // Queues a command to the main frame (a filter editor page's reload).
    virtual void PostMainFrameCommand(int nCommand) = 0;
    // The document's path name (the window titles) and the recent-file list.
    virtual void SetDocumentPathName(const std::string& path) = 0;
    virtual void AddToRecentFileList(const std::string& path) = 0;

    // "Do you want to create new desired response curves and delete the old ones?":
    // true for Yes.
    virtual bool AskVerifyNewCurves() = 0;
    // The settings sheet, modal; true when closed with OK (values then hold the edit).
    virtual bool EditSettings(CSettingsSheetValues& values) = 0;

    // The calculation workflow's part of the windows. The defaults are those of a host
    // without a filter editor and without dialogs.
    // The default sound of the system.
    virtual void Beep() {}
    // The bytes of memory the program can still have.
    virtual std::uint64_t AvailableMemory() const { return SystemAvailableMemory(); }
    virtual bool IsFrameVisible(ESpeakerFrame /*frame*/) const { return true; }
    // Creates and shows the filter editor when it has never been created.
    virtual void OpenFilterEditor() {}
    // Every filter page writes its grid into its list; false, with nothing read, while
    // the filter editor has never been created.
    virtual bool UpdateFiltersFromGrids() { return false; }
    // The EQ page of the filter editor: its grid into the document's EQ list, the list
    // back into the grid, and the output order the grid hands out next.
    virtual void EQGridToFilters() {}
    virtual void EQFiltersToGrid() {}
    virtual int TakeNextEQOutputOrder() { return 1; }
    // The modal "Continue Calculation" dialog after filter nFilterNumber was generated:
    // true for OK, false for Cancel.
    virtual bool AskContinueCalculation(long /*nFilterNumber*/) { return true; }
    // The "Enter Log Sample Number of Points" dialog, opening with nPoints; true for OK,
    // with nPoints from 150 to 100000000.
    virtual bool AskLogSamplePoints(long& /*nPoints*/) { return false; }
    // The filter editor's grid of the kind deletes its row named label, asking the user
    // first when bAsk: false when there is no filter editor, for the heading's name and
    // "*", and when the user cancels.
    virtual bool DeleteGridFilter(int /*kind*/, const std::string& /*label*/, bool /*bAsk*/)
    {
        return false;
    }

    // The file commands' part of the windows (MasterPointEditing.h, SaveFilesChoice.h).
    // Every page of the filter editor, when it exists, shows its document list again; an
    // edit open in a grid is dropped.
    virtual void ReloadFilterGrids() {}
    // A question with the buttons Yes and No: true for Yes.
    virtual bool AskQuestion(const std::string& /*question*/) { return false; }
    // The master point editor: creates it when needed and shows it (with its first page
    // current when bFirstPage); false when it could not be created.
    virtual bool OpenMasterPointEditor(bool /*bFirstPage*/) { return false; }
    // Its three grids; null until the editor was first created.
    virtual CMasterPointGrids* MasterPointGrids() { return nullptr; }
    // Ends what the user is typing into the editor: open cell edits are committed, and
    // tolerance offsets typed on its desired page go into the document.
    virtual void CommitMasterPointEdits() {}
    // "Save Files On Exit?" (before another raw response is opened, with its own title):
    // 1 for Yes (choice then holds the ticks and names), 0 for No, 2 when the user
    // cancelled the question.
    virtual int AskSaveFiles(CSaveFilesChoice& /*choice*/) { return 0; }
    // The device program data as the exit question saves it; null for none.
    virtual IDeviceDataFiles* DeviceDataFiles() { return nullptr; }
};

// A view of the speaker document.
class IDocumentView
{
public:
    virtual ~IDocumentView() = default;
    // pSender is the view that caused the change (it is not told), or null.
    virtual void OnUpdate(IDocumentView* pSender, int nHint) = 0;
    // The plotted range: x as log10 of Hz, y in dB or degrees.
    virtual CDoubleRect GetDataWindow() const = 0;
    virtual void SetDataWindow(const CDoubleRect& window) = 0;
};

// The speaker response view.
class IResponseView : public IDocumentView
{
public:
    enum ECurve
    {
        kRawCurve,      // "Raw Curve": x log10 of Hz, y dB
        kDesiredCurve,  // "Desired Response Curve"
        kUpperBound,    // "Upper Bound Curve"
        kLowerBound,    // "Lower Bound Curve"
        kModifiedCurve, // "Modified Response Curve"
    };
    virtual CCurve* GetCurve(ECurve which) = 0;
    virtual CRect GetPlotArea() const = 0;
    // On while the view shows desired response curves (on with hints 3, 7 and 8, off
    // with hints 1 and 6).
    virtual bool AreDesiredCurvesShown() const = 0;

    // The new-curve mode, in which the user clicks the master points of a new desired
    // response curve.
    virtual bool IsNewCurveModeOn() const = 0;
    virtual int GetNewCurveMasterPointCount() const = 0;
    // Builds the view's desired response curve from the clicked master points.
    virtual bool BuildNewCurve() = 0;
    // Turns the new-curve mode and the mode that goes with it off.
    virtual void EndNewCurveMode() = 0;
    virtual void StartReplaceCurveSection() = 0;
    // The desired (or an upper or lower bound) curve made anew on the raw curve's
    // frequencies and shown, for the caller to set its values; null for another curve.
    virtual CCurve* ResetCurveOnRawGrid(ECurve which) = 0;
};

// The speaker phase view.
class IPhaseView : public IDocumentView
{
public:
    enum ECurve
    {
        kPhaseCurve,    // "Phase Curve": y degrees
        kModifiedCurve, // "Modified Response Curve"
    };
    virtual CCurve* GetCurve(ECurve which) = 0;
};

// The filter view.
class IFilterView : public IDocumentView
{
public:
    virtual void RebuildFilterCurves() = 0;
    // The graphical edit modes, of which the view's mode set lets one be on at a time.
    enum EEditMode
    {
        kDeleteFilters,
        kMarkActive,
        kMarkInactive,
        kMarkModifiable,
        kMarkFixed,
    };
    virtual CMode& GetEditMode(EEditMode which) = 0;
    virtual CModeArray& GetEditModeSet() = 0;
    virtual void OnEditModeChanged() = 0;
};
