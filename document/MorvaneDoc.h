// The speaker document: the measured (raw) response of one loudspeaker, the desired
// response with its upper and lower tolerance curves, the modified response that
// applying filters gives, the calculation's inputs and outputs as matrix values, the
// document's copies of the design settings, the filter lists, the records of the
// design's companion files, and the flags of the calculation.
//
// Exactly one document exists; it publishes itself to the application on construction
// and withdraws on destruction. It drives its windows through IMorvaneAppServices and
// the view interfaces (DocumentServices.h), shows messages and file dialogs through the
// framework's services, and reads and writes every file by explicit commands.
//
// Matrix members that hold one value per raw frequency are n-by-1 columns.
#pragma once

#include "document/DocumentServices.h"
#include "document/EqFileStatus.h"
#include "document/FileRecord.h"
#include "document/SaveFilesChoice.h"
#include "filters/FilterLists.h"
#include "filters/MatrixPtrArray.h"
#include "framework/core/CommandTarget.h"
#include "graph/Mode.h"
#include "graph/ModeWithPointer.h"
#include "matrix/dblmtrx.h"

#include <cstdint>
#include <string>
#include <vector>

class CCurve;
class CRawResponseFile;

class CMorvaneDoc
{
public:
    explicit CMorvaneDoc(IMorvaneAppServices& app);
    virtual ~CMorvaneDoc();
    CMorvaneDoc(const CMorvaneDoc&) = delete;
    CMorvaneDoc& operator=(const CMorvaneDoc&) = delete;

    // Lifecycle and flags.
    virtual bool OnNewDocument();
    int GetCalculationRunning() const { return m_bCalculationRunning; }
    int IsPauseRequested() const { return m_bPauseRequested; }
    void ClearCalculationRunning() { m_bCalculationRunning = 0; }
    bool RefreshViews();
    // Handlers of the main frame's user messages 0x8002 to 0x8004; each returns 1.
    long AcknowledgeCalcMessage(unsigned long wParam);
    long SetCalcIdle(unsigned long wParam);
    long UpdateViewsAndSetCalcIdle(unsigned long wParam);
    // View > Original Window Positions (32796).
    void OnOriginalWindowPositions();
    // Tells every view but pSender.
    void UpdateAllViews(IDocumentView* pSender, int nHint);

    // The raw response (RawResponse.cpp). An empty path asks for the file. Unsaved work
    // is offered for saving first, as at exit; a cancel keeps everything.
    bool OpenRawResponseFile(std::string path);
    bool OpenRawResponseWithDialog() { return OpenRawResponseFile({}); }
    void OnFileSaveRawResponse();        // 32802
    void OnFileSaveAsRawResponse();      // 32803
    void OnFileSaveAsModifiedResponse(); // 32814
    CCommandState OnUpdateFileSaveRawResponse() const;
    CCommandState OnUpdateFileSaveAsRawResponse() const;
    CCommandState OnUpdateFileSaveAsModifiedResponse() const;
    void RefreshFilterView();
    // The start-up response: 10000 points from 2.5 Hz to 25000 Hz at 0 dB and 0 degrees.
    bool CreateDefaultResponse();
    // The complex response of a raw curve edited in dB, keeping the raw phase: one
    // point per raw frequency. FALSE, with the result unchanged, for a curve of another
    // length.
    bool ComputeCurvePoint(const CCurve& curve, mwMatrix& result);

    // The desired response curves (DesiredCurves.cpp).
    void OnFileOpenDesiredResponse();           // 32774
    void OnFileSaveDesiredResponse();           // 32800
    void OnFileSaveAsDesiredResponse();         // 32805
    void OnEditCreateNewDesiredResponseCurve(); // 32804
    void OnEditReplaceCurveSection();           // 32798
    CCommandState OnUpdateFileOpenDesiredResponse() const;
    CCommandState OnUpdateFileSaveDesiredResponse() const;
    CCommandState OnUpdateFileSaveAsDesiredResponse() const;
    CCommandState OnUpdateEditCreateNewDesiredResponseCurve() const;
    CCommandState OnUpdateEditReplaceCurveSection() const;

    // Settings (DocumentSettings.cpp). View > Settings (32799).
    void OnViewSettings();
    void FillSettingsSheet(CSettingsSheetValues& values) const;
    void TakeSettingsSheet(const CSettingsSheetValues& values);
    // Copies the document's settings and the views' ranges (in Hz) to the application.
    void ApplySettings();

    // The calculation workflow (MorvaneDocCalculation.cpp, MorvaneDocFilters.cpp,
    // MorvaneDocSampling.cpp, MorvaneDocRestart.cpp).
    // Calculate > Modified Response (32854), Modified Response and Pause (32856), Stop
    // Calculation (32787).
    void OnCalculateModifiedResponse();
    void OnCalculateModifiedResponseAndPause();
    void OnCalculateStop();
    CCommandState OnUpdateCalculateModifiedResponse() const;
    CCommandState OnUpdateCalculateModifiedResponseAndPause() const;
    CCommandState OnUpdateCalculateStop() const;
    // The active and modifiable EQ filters into m_EQParameters, one row each, and their
    // number into m_nFilters; false when there is none.
    bool PrepareCalculation();
    // Runs the driver; true when it ended by itself, false after a stop, a quit or a
    // matrix-layer error. Any other exception (memory that ran out) leaves it after the
    // calculation was ended as after a matrix-layer error.
    bool RunCalculation();
    // A calculation ended by a failure: no longer running, and the status bar says so.
    void EndFailedCalculation();
    bool IsCalculationCommandActive() const { return m_bInCalculationCommand; }
    // True when nPoints response points at bytesPerPoint fit the memory the program can
    // still have; otherwise the text of textId tells the user (with the point count and
    // the megabytes needed and free), and false.
    bool FitsInMemory(std::uint64_t bytesPerPoint, long nPoints, unsigned textId) const;
    // Filter application: the response comes back as a linear magnitude with the filters
    // applied (unchanged when there is none), the phase in degrees; false, with nothing
    // changed, while the filter editor has never been created.
    bool ComputeFixedFilterResponse(mwMatrix& response, mwMatrix& phase);
    bool ComputeActiveFilterResponse(mwMatrix& response, mwMatrix& phase, bool bReadGrids);
    // The raw response times every filter of the last additive restart (complex); the
    // raw response itself when there was none. The calculation and Draw Filters start
    // from it.
    mwMatrix RestartedRawResponse() const;
    // Keeps the sections b/a of an additive restart (from a coefficient file or from
    // device data) as the restart filters, replacing those of an earlier restart.
    void KeepRestartFilters(const CMatrixPtrArray& numerators, const CMatrixPtrArray& denominators);
    // The calculated EQ filters from the parameter matrix, their curves to the views.
    void LoadCalculationResults();
    bool CreateEQFiltersFromResults();
    // Every grid filter (every active one when bActiveOnly) designs from its parameters;
    // otherwise one message names each filter that does not and why, and false.
    bool CheckGridFilterDesigns(bool bActiveOnly);
    // View > Draw Filters (32836); nothing is drawn while a filter cannot be designed.
    void OnViewDrawFilters();
    CCommandState OnUpdateDrawFilters() const;
    // The active grid filters' coefficients, then those of the last additive restart and
    // of the calculated filters, into m_CoeffDenominators and m_CoeffNumerators; false
    // when there is none. faults (when given) receives "label: why" for each filter among
    // them that cannot be designed (FilterDesignFault), those of the restart by their place
    // ("filter 2 of the additive restart: ...") when their response is no finite number.
    bool CollectGridFilters(std::vector<std::string>* faults = nullptr);
    // The filter view's graphical edit modes: Edit > Delete Filters Graphically (32823),
    // Mark Filters As Active (32877), Inactive (32878), Modifiable (32847), Fixed (32848)
    // Graphically. The update handlers turn the view's mode off while no filters are drawn.
    void OnEditGraphicalMode(IFilterView::EEditMode mode);
    // Single filters by label (MorvaneDocGraphicalEdit.cpp); each answers whether the
    // document's list changed. The calculated EQ filters are never searched.
    // Deletes the grid row (confirmed when bAsk) and then the filter; false, changing
    // nothing, without a filter editor, for a label of no kind or when the grid refuses.
    bool DeleteFilterByName(const std::string& label, bool bAsk);
    // The peaking EQ filter's modifiable mode on or off; its page reloads on the posted
    // refresh command.
    bool SetEQFilterModifiable(const std::string& label);
    bool SetEQFilterFixed(const std::string& label);
    // Active (nState != 0) or inactive; the views but the filter view get hint 12.
    bool SetFilterActive(const std::string& label, int nState);
    CCommandState OnUpdateEditGraphicalMode(IFilterView::EEditMode mode);
    // Edit > Log Sample Raw Curve (32858), Smooth Raw Curve (32859), Copy Generated
    // Filters to Edit Grid (32857).
    void OnEditLogSampleRawCurve();
    void OnEditSmoothRawCurve();
    void OnEditCopyGeneratedFiltersToGrid();
    CCommandState OnUpdateEditLogSampleRawCurve() const;
    CCommandState OnUpdateEditSmoothRawCurve() const;
    CCommandState OnUpdateEditCopyGeneratedFiltersToGrid() const;
    // File > Open Filter Coefficient File for Additive Restart (32815); Additive Restart
    // Using Filter Coefficient File (32816). An empty path asks for the file.
    bool OnFileOpenCoefficientsForAdditiveRestart(std::string path = {});
    void OnAdditiveRestartFromCoefficientFile();
    CCommandState OnUpdateFileOpenCoefficientsForAdditiveRestart() const;
    CCommandState OnUpdateAdditiveRestartFromCoefficientFile() const;

    // The coefficient file and the output files (MorvaneDocOutputFiles.cpp). File > Save
    // Filter Coefficients (32775) writes the file m_CoefficientFile names; Save As Filter
    // Coefficients (32777) asks for the path and keeps it; Save Output Files (32794) saves
    // the raw response, the desired response and the coefficients, each where its own
    // command would. A file with nothing to write into it (no active filter, no desired
    // curves) is left as it is on the disk, and one message after the saving names it.
    bool SaveFilterCoefficients(bool bAskForPath);
    void OnFileSaveFilterCoefficients() { SaveFilterCoefficients(false); }
    void OnFileSaveAsFilterCoefficients() { SaveFilterCoefficients(true); }
    void OnFileSaveOutputFiles();
    CCommandState OnUpdateFileSaveFilterCoefficients() const;
    CCommandState OnUpdateFileSaveOutputFiles() const;

    // The master points (MorvaneDocMasterPoints.cpp), in the three grids of the master
    // point editor. File > Open Master Point File (32830) reads the file into them, Save
    // Master Point File (32833) and Save As (32832) write them (enabled while the editor
    // exists); Edit > Copy Master Points From Curves to Edit Grid (32849) fills them from
    // the desired and bound curves' master points; Edit > Generate Curves from Master
    // Points in Edit Grid (32852) builds the three curves from them, in frequency order,
    // when every grid has points at two different frequencies (the user is told why
    // not), and marks the desired response file unsaved.
    void OnFileOpenMasterPointFile();
    bool OnFileSaveMasterPointFile();
    bool OnFileSaveAsMasterPointFile();
    CCommandState OnUpdateFileSaveMasterPointFile() const;
    void OnEditCopyMasterPointsToGrid();
    bool OnEditGenerateCurvesFromMasterPoints();
    CCommandState OnUpdateEditGenerateCurvesFromMasterPoints() const;
    // The filter parameter file (MorvaneDocParameterFile.cpp): File > Open Filter
    // Parameter File (32827; always asks for the file), Save Filter Parameters (32834) and
    // Save As Filter Parameters (32835), both enabled while the grids hold filters.
    void OnFileOpenFilterParameterFile();
    // With no filter in the lists there is nothing to write: an older file keeps its
    // filters, and one message names it.
    void OnFileSaveFilterParameters() { SaveFilterParameters(false); }
    void OnFileSaveAsFilterParameters() { SaveFilterParameters(true); }
    CCommandState OnUpdateFileSaveFilterParameters() const;

    // Closing (MorvaneDocSaveModified.cpp): asks "Save Files On Exit?" when a companion
    // file holds unsaved content and saves what the user ticks, in the order raw
    // response, desired response, coefficients, modified response, parameters, master
    // points, device data. False keeps the document open: the user cancelled the
    // question, or a ticked file was not saved (its record and unsaved mark stay). A
    // ticked file with nothing to write into it is left as it is on the disk, its record
    // too; one message after the saving, before the close goes on, names each.
    bool SaveModified();
    // The same question and saves before another raw response is opened: false keeps the
    // design as it is.
    bool SaveUnsavedFiles(bool bBeforeOpening);

    IMorvaneAppServices& App() const { return m_App; }

    int m_nRawPoints = 0;
    int m_nFilters = 0;
    mwMatrix m_EQParameters;
    mwMatrix m_RawFrequencies;  // Hz
    mwMatrix m_RawResponse;     // complex
    mwMatrix m_RawPhase;        // degrees, unwrapped
    mwMatrix m_ModifiedPhase;   // degrees
    mwMatrix m_RawMagnitudeDb;  // dB
    mwMatrix m_LogFrequencies;  // log10 of Hz
    mwMatrix m_DesiredResponse; // dB
    mwMatrix m_UpperTolerance;  // dB
    mwMatrix m_LowerTolerance;  // dB
    mwMatrix m_ModifiedResponse;
    mwMatrix m_SingleOptParam; // 1-by-1
    mwMatrix m_JointOptParam;  // 1-by-1
    mwMatrix m_WorkingResponse;
    int m_nLowerFrequencyLimit = 0;  // Hz
    int m_nHigherFrequencyLimit = 0; // Hz
    int m_nSamplingFrequency = 0;    // Hz
    double m_dUpperToleranceDb = 0.0;
    double m_dLowerToleranceDb = 0.0;
    IResponseView* m_pResponseView = nullptr;
    IFilterView* m_pFilterView = nullptr;
    IPhaseView* m_pPhaseView = nullptr;
    IDocumentView* m_pPhaseFilterView = nullptr;
    IFamilyDataFileNames* m_pQZX2410Manager = nullptr;
    CFileRecord m_RawFile;
    CFileRecord m_DesiredCurveFile;
    CFileRecord m_CoefficientFile;
    CFileRecord m_ModifiedRawFile;
    CFileRecord m_ParameterFile;
    CFileRecord m_MasterPointFile;
    CEqFileStatus m_EqFileStatus;
    CModeWithPointer m_LimitNumberOfFilters;
    CMode m_AdditiveRestartMode;
    // Automatic scaling of the four views, each with the upper and lower limit (dB) the
    // view clamps its automatic range to; the phase groups' limits are not used.
    CMode m_SpeakerAutomaticScaling;
    double m_dSpeakerScalingUpper = 0.0;
    double m_dSpeakerScalingLower = 0.0;
    CMode m_PhaseAutomaticScaling;
    double m_dPhaseScalingUpper = 0.0;
    double m_dPhaseScalingLower = 0.0;
    CMode m_FilterAutomaticScaling;
    double m_dFilterScalingUpper = 0.0;
    double m_dFilterScalingLower = 0.0;
    CMode m_PhaseFilterAutomaticScaling;
    double m_dPhaseFilterScalingUpper = 0.0;
    double m_dPhaseFilterScalingLower = 0.0;
    CPendingFlag m_RawSamplingState;
    CMode m_FiltersInGridMode;
    CMode m_FiltersDrawnMode;
    CMode m_ResultsDrawnMode;
    CMode m_ReplaceSectionMode;
    CMatrixPtrArray m_ResultMagnitudes;
    CMatrixPtrArray m_ResultPhases;
    CMatrixPtrArray m_RestartMagnitudes;
    CMatrixPtrArray m_RestartPhases;
    CMatrixPtrArray m_DrawnMagnitudes;
    CMatrixPtrArray m_DrawnPhases;
    // One list per filter kind ("EQ-" is m_FilterLists.m_EQFilters), and the peaking
    // filters a calculation placed. The lists own their filters.
    CFilterLists m_FilterLists;
    CDigEQFilterArray m_CalculatedEQFilters;
    std::vector<std::string> m_DrawnLabels;
    std::vector<std::string> m_DeviceDataLines;
    std::vector<unsigned> m_DrawnActiveFlags;
    int m_bCalculationRunning = 0;
    int m_bPauseRequested = 0;
    int m_bCalculationIdle = 0;
    CMatrixPtrArray m_CoeffDenominators;
    CMatrixPtrArray m_CoeffNumerators;
    // The calculation workflow.
    // On from the start of a calculation command until RunCalculation has returned.
    bool m_bInCalculationCommand = false;
    // The filters of the last additive restart (rows as read);
    // the calculation applies them like fixed filters. Emptied when a raw response is
    // opened.
    CMatrixPtrArray m_RestartNumerators;
    CMatrixPtrArray m_RestartDenominators;
    // The raw response was log sampled or smoothed after it was read from (or last saved
    // to) the file of m_RawFile: saving it there replaces the measurement.
    bool m_bRawResampledSinceRead = false;

private:
    // The calculation workflow.
    // Runs one calculation command; a command that arrives while one runs is ignored.
    void RunCalculationCommand(bool bPause);
    // freqz of b/a at the raw frequencies.
    mwMatrix FilterResponse(const mwMatrix& b, const mwMatrix& a) const;
    // Appends the phase (degrees) and magnitude (dB) of b/a for the views; returns the
    // complex response.
    mwMatrix AddFilterCurves(const mwMatrix& b, const mwMatrix& a, CMatrixPtrArray& magnitudes,
                             CMatrixPtrArray& phases) const;
    template <class Collect>
    bool ApplyGridFilters(mwMatrix& response, mwMatrix& phase, Collect collect);
    // The limits from the smallest and largest raw frequency, brought within the
    // settings' rules (CMorvaneSettings::ClampFrequencyLimit, the higher one capped at
    // half the sampling frequency, the lower not above the higher).
    void SetFrequencyLimitsFromRaw();
    // Windows and update hints after the raw response was replaced in place.
    void ShowReplacedRawResponse();

    void CopySettings();
    // The higher frequency limit goes no further than half the sampling frequency.
    void CapHigherFrequencyLimit();
    void SetCompanionNames(const std::string& rawPath);
    // Writes the raw or the modified response as the views show it.
    bool WriteShownResponse(CRawResponseFile& file, bool bModified);
    // Writes the file at path (an empty path asks for one) and puts it in place; FALSE
    // on cancel, and on failure after reporting it.
    bool SaveShownResponse(std::string& path, bool bModified);
    void ReportSaveFailure(const std::string& error);
    // The savers of the file commands and of closing. Each writes to path (an empty path
    // asks for one) and is false when nothing was written: the user cancelled, or the
    // failure was reported.
    bool SaveRawResponseTo(std::string& path);
    bool SaveDesiredResponseTo(std::string& path);
    // Reads the grids and collects the coefficients the coefficient file holds, and in
    // nonFinite the faults of the filters among them that cannot be designed
    // (CollectGridFilters); why there are none (a text id), or 0.
    unsigned CollectCoefficientsToWrite(std::vector<std::string>& nonFinite);
    // Writes the coefficients last collected; refused with a message, before a path is
    // asked for, while nonFinite names faults (UndesignableFiltersMessage).
    bool WriteCoefficientsTo(std::string& path, const std::vector<std::string>& nonFinite);
    bool SaveFilterParametersTo(std::string& path);
    // Why saving the parameter file would write nothing (a text id: no filter in the
    // lists, the grids' edits taken first), or 0.
    unsigned CollectParametersToWrite();
    void SaveFilterParameters(bool bAskForPath);
    bool SaveMasterPointsTo(std::string& path, bool bAsk);
    // The device data holders of the question's rows kDeviceData and kOtherDeviceData.
    using CExitDeviceRows = std::vector<IDeviceDataFiles::EHolder>;
    CExitDeviceRows FillSaveFilesChoice(CSaveFilesChoice& choice) const;
    // A file a save was asked for and left unwritten, as there was nothing to write into
    // it: its full name as shown (empty when it has none), its row of the exit question
    // and why (a text id).
    struct CUnwrittenFile
    {
        std::string name;
        CSaveFilesChoice::EFile file;
        unsigned reasonId;
    };
    using CUnwrittenFiles = std::vector<CUnwrittenFile>;
    // Why saving the file would write nothing (a text id), or 0; for the files whose
    // content needs no collecting: the raw, desired and modified responses and the master
    // points.
    unsigned WhyNothingToWrite(CSaveFilesChoice::EFile file) const;
    // Save and Save As Filter Coefficients, a file with nothing to write added to
    // unwritten.
    bool SaveFilterCoefficients(bool bAskForPath, CUnwrittenFiles& unwritten);
    // One message: each file and why, and that an older file of its name keeps what it
    // held, where there is one. None for an empty list.
    void ReportUnwrittenFiles(const CUnwrittenFiles& files) const;
    bool SaveChosenFiles(const CSaveFilesChoice& choice, const CExitDeviceRows& devices);
    bool IsModifiedCurveShown() const;
    void CopyViewCurvesToMatrices();

    IMorvaneAppServices& m_App;
};
