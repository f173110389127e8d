#include "document/MorvaneDoc.h"

#include "document/CompanionNames.h"
#include "document/DocumentStrings.h"
#include "document/MorvaneSettings.h"
#include "framework/core/Services.h"
#include "graph/CFormat.h"
#include "graph/Convert.h"
#include "graph/MorvaneUtilities.h"
#include "graph/ResourceString.h"
#include "matrix/mwexcept.h"

#include <filesystem>

namespace
{
// Limits the speaker and filter views clamp their automatic range to, dB.
constexpr double kScalingUpperDb = 30.0;
constexpr double kScalingLowerDb = -80.0;

// A default companion name: prefix, today's date stamp and extension, in the working
// directory, so that a save under it never lands in whatever folder is current.
std::string DefaultName(unsigned prefix, unsigned extension)
{
    const std::string name = CResourceString(prefix) + TimeStampText() + CResourceString(extension);
    const std::string folder = Services::WorkingDirectory().Get();
    return folder.empty() ? name : (std::filesystem::path(folder) / name).string();
}
} // namespace

CMorvaneDoc::CMorvaneDoc(IMorvaneAppServices& app) : m_App(app)
{
    m_App.SetMorvaneDoc(this);
    CopySettings();
    m_ParameterFile.SetName(DefaultName(IDS_PARAMETER_DEFAULT_NAME, IDS_PARAMETER_EXTENSION));
    m_MasterPointFile.SetName(DefaultName(IDS_MASTER_PT_DEFAULT_NAME, IDS_MASTER_PT_EXTENSION));
    m_EqFileStatus.SetName(DefaultName(IDS_EQ_DEFAULT_NAME, IDS_EQ_EXTENSION));
    m_ReplaceSectionMode.TurnOff();
    m_pQZX2410Manager = m_App.FamilyDataManager();
    // A list that changed a filter has its editor page reloaded through the main frame.
    const auto post = [this](int nCommandId) { m_App.PostMainFrameCommand(nCommandId); };
    m_FilterLists.SetRefreshNotifier(post);
    m_CalculatedEQFilters.SetRefreshNotifier(post);
}

CMorvaneDoc::~CMorvaneDoc()
{
    try
    {
        for (CMatrixPtrArray* list : {&m_ResultMagnitudes, &m_ResultPhases, &m_RestartMagnitudes,
                                      &m_RestartPhases, &m_DrawnMagnitudes, &m_DrawnPhases})
            list->RemoveAll();
        m_FilterLists.RemoveAll();
        m_CalculatedEQFilters.RemoveAll();
        m_CoeffDenominators.RemoveAll();
        m_CoeffNumerators.RemoveAll();
    }
    catch (const mwException& e)
    {
        ShowMessage(e.Message() ? e.Message() : "");
    }
    m_App.SetMorvaneDoc(nullptr);
}

void CMorvaneDoc::CopySettings()
{
    const CMorvaneSettings& settings = m_App.Settings();
    m_SingleOptParam = mwMatrix(settings.m_dSingleOptParam);
    m_JointOptParam = mwMatrix(settings.m_dJointOptParam);
    m_nLowerFrequencyLimit = settings.m_nLowerFrequencyLimit;
    m_nHigherFrequencyLimit = settings.m_nHigherFrequencyLimit;
    m_nSamplingFrequency = settings.m_nSamplingFrequency;
    m_dUpperToleranceDb = settings.m_dUpperTolerance;
    m_dLowerToleranceDb = settings.m_dLowerTolerance;
    m_LimitNumberOfFilters = settings.m_LimitNumberOfFilters;
}

void CMorvaneDoc::CapHigherFrequencyLimit()
{
    const double half = m_nSamplingFrequency / 2.0;
    if (half < m_nHigherFrequencyLimit)
        m_nHigherFrequencyLimit = TruncToInt(half);
}

bool CMorvaneDoc::OnNewDocument()
{
    m_bCalculationRunning = 0;
    m_bPauseRequested = 0;
    CopySettings();
    const CMorvaneSettings& settings = m_App.Settings();
    m_SpeakerAutomaticScaling.SetState(settings.m_SpeakerAutomaticScaling.GetState());
    m_PhaseAutomaticScaling.SetState(settings.m_PhaseAutomaticScaling.GetState());
    m_FilterAutomaticScaling.SetState(settings.m_FilterAutomaticScaling.GetState());
    m_PhaseFilterAutomaticScaling.SetState(settings.m_PhaseFilterAutomaticScaling.GetState());
    m_nFilters = 0;
    m_dSpeakerScalingUpper = m_dFilterScalingUpper = kScalingUpperDb;
    m_dSpeakerScalingLower = m_dFilterScalingLower = kScalingLowerDb;
    m_RawSamplingState.Reset();
    m_FiltersInGridMode.TurnOff();
    m_ReplaceSectionMode.TurnOff();
    return true;
}

bool CMorvaneDoc::RefreshViews()
{
    UpdateAllViews(nullptr, kHintCurvesChanged);
    return true;
}

long CMorvaneDoc::AcknowledgeCalcMessage(unsigned long)
{
    return 1;
}

long CMorvaneDoc::SetCalcIdle(unsigned long)
{
    m_bCalculationIdle = 1;
    return 1;
}

long CMorvaneDoc::UpdateViewsAndSetCalcIdle(unsigned long)
{
    UpdateAllViews(nullptr, kHintCurvesChanged);
    m_bCalculationIdle = 1;
    return 1;
}

void CMorvaneDoc::UpdateAllViews(IDocumentView* pSender, int nHint)
{
    IDocumentView* const views[] = {m_pResponseView, m_pFilterView, m_pPhaseView,
                                    m_pPhaseFilterView};
    for (IDocumentView* view : views)
        if (view && view != pSender)
            view->OnUpdate(pSender, nHint);
}

void CMorvaneDoc::OnOriginalWindowPositions()
{
    constexpr int kInitialLayout = 101;
    m_App.ShowFrame(ESpeakerFrame::Filter, true);
    m_App.ShowFrame(ESpeakerFrame::Response, true);
    m_App.ShowFrame(ESpeakerFrame::Phase, false);
    m_App.SendFrameCommand(ESpeakerFrame::Response, kInitialLayout);
    m_App.SendFrameCommand(ESpeakerFrame::Filter, kInitialLayout);
    m_App.ActivateResponseWindow();
}

void CMorvaneDoc::SetCompanionNames(const std::string& rawPath)
{
    const CCompanionNames names = DeriveCompanionNames(rawPath);
    m_DesiredCurveFile.SetName(names.desiredCurve);
    m_CoefficientFile.SetName(names.coefficients);
    m_ModifiedRawFile.SetName(names.modifiedRaw);
    m_ParameterFile.SetName(names.parameters);
    m_MasterPointFile.SetName(names.masterPoints);
    m_EqFileStatus.SetName(names.deviceData);
}

void CMorvaneDoc::ReportSaveFailure(const std::string& error)
{
    ShowMessage(error.empty() ? std::string(CResourceString(IDS_SAVE_FAILED)) : error);
}

bool CMorvaneDoc::FitsInMemory(std::uint64_t bytesPerPoint, long nPoints, unsigned textId) const
{
    const double needed = double(bytesPerPoint) * double(nPoints);
    const double available = double(m_App.AvailableMemory());
    if (needed <= available)
        return true;
    constexpr double kMB = 1024.0 * 1024.0;
    ShowMessage(FormatC(CResourceString(textId).c_str(), nPoints, needed / kMB, available / kMB));
    return false;
}
