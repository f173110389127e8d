#include "bench/GuiSession.h"

#include "bench/SpeakerModel.h"
#include "document/MorvaneDoc.h"
#include "document/MorvaneSettings.h"
#include "framework/ui/CanvasWidget.h"
#include "graph/Curve.h"
#include "shell/QtSettingsStore.h"
#include "shell/dialogs/LogSampleDlg.h"
#include "shell/ui/MDIChildFrame.h"
#include "shell/ui/MainFrm.h"
#include "shell/ui/MorvaneApp.h"
#include "tests/shell/ModalDialogs.h"

#include <QCoreApplication>
#include <QImage>
#include <QLineEdit>

#include <cmath>
#include <cstdio>
#include <stdexcept>
#include <unistd.h>

namespace bench
{
namespace
{
constexpr double kFs = 48000.0;
constexpr int kCalculateModifiedResponse = 32854;
constexpr int kLogSampleRawCurve = 32858;

// The raw response file of the synthetic speaker: frequency, level (dB), phase (degrees).
void WriteRawFile(const std::string& path)
{
    const std::vector<double> freq = CaseGrid(2);
    const std::vector<numerics::Complex> response = TwoWaySpeaker(freq, kFs);
    std::FILE* file = std::fopen(path.c_str(), "w");
    if (!file)
        throw std::runtime_error("cannot write " + path);
    std::fprintf(file, "\"Two-way speaker\"\n\"Hz\" \"dB\" \"deg\"\n");
    for (std::size_t i = 0; i < freq.size(); ++i)
        std::fprintf(file, "%.4f, %.5f, %.5f\n", freq[i], 20.0 * std::log10(std::abs(response[i])),
                     std::arg(response[i]) * 180.0 / 3.14159265358979323846);
    std::fclose(file);
}

// A flat desired curve at 0 dB through two clicked master points, with its tolerance
// curves, as Edit > Create New Desired Response Curve makes it.
void CreateFlatDesiredCurve(CMorvaneDoc& doc)
{
    doc.OnEditCreateNewDesiredResponseCurve();
    CCurve* pDesired = doc.m_pResponseView->GetCurve(IResponseView::kDesiredCurve);
    const long n = pDesired->GetTotalPoints();
    pDesired->AddMasterPoint(pDesired->m_pDblPt[0].x, 0.0);
    pDesired->AddMasterPoint(pDesired->m_pDblPt[n - 1].x, 0.0);
    doc.OnEditCreateNewDesiredResponseCurve();
}
} // namespace

CProfileFolder::CProfileFolder()
    : m_Path(std::filesystem::temp_directory_path() /
             ("morvane-bench-" + std::to_string(::getpid()) + "-" +
              std::to_string(reinterpret_cast<std::uintptr_t>(this))))
{
    std::filesystem::create_directories(m_Path);
    CQtSettingsStore store(Profile(), CMorvaneSettings::kSection);
    store.WriteText("Working Directory", m_Path.string());
    store.WriteInt("SamplingFrequency", int(kFs));
    store.WriteInt("LowerFrequencyLimit", 20);
    store.WriteInt("HigherFrequencyLimit", 20000);
    store.WriteText("UpperTolerance", "1.5");
    store.WriteText("LowerTolerance", "-1.5");
    store.WriteText("LimitNumberOfFilters", "true");
    store.WriteInt("MaximumNumberOfFilters", 20);
}

CProfileFolder::~CProfileFolder()
{
    std::error_code ec;
    std::filesystem::remove_all(m_Path, ec);
}

CGuiSession::CGuiSession(long nLogPoints, bool bOpenOnly)
    : m_pApp(std::make_unique<CMorvaneApp>(m_Folder.Profile()))
{
    CMorvaneApp& app = *m_pApp;
    if (!app.InitInstance({}, false))
        throw std::runtime_error("the application did not start");
    // Messages are counted, not shown: nothing may wait for a click.
    Services::SetMessageBox(&m_Messages);
    app.m_pMainFrame->setGeometry(0, 0, 1920, 1080);
    QCoreApplication::processEvents();
    ArrangeFourWindows();

    const std::string raw = (m_Folder.Path() / "speaker.raw").string();
    WriteRawFile(raw);
    if (!app.OpenDocumentFile(raw))
        throw std::runtime_error("the raw response did not open");
    QCoreApplication::processEvents();
    if (bOpenOnly)
        return;
    if (nLogPoints > 0)
        LogSample(nLogPoints);
    CreateDesiredCurve();
    if (nLogPoints == 0 && !app.ExecuteCommand(kCalculateModifiedResponse))
        throw std::runtime_error("the calculation did not start");
    QCoreApplication::processEvents();
    // What the benchmarks repaint, for a person to look at (beside the program).
    QImage image(app.m_pMainFrame->size(), QImage::Format_RGB32);
    app.m_pMainFrame->render(&image);
    image.save(QCoreApplication::applicationDirPath() +
               (nLogPoints > 0 ? "/window_log_sampled.png" : "/window_after_calculation.png"));
}

CGuiSession::~CGuiSession()
{
    m_pApp->ExitInstance();
}

void CGuiSession::LogSample(long nPoints)
{
    OnNextModal<CLogSampleDlg>(
        [nPoints](CLogSampleDlg& dialog)
        {
            dialog.PointsEdit()->setText(QString::number(nPoints));
            dialog.OnOK();
        });
    if (!m_pApp->ExecuteCommand(kLogSampleRawCurve))
        throw std::runtime_error("log sampling is not enabled");
    QCoreApplication::processEvents();
    if (RawPoints() != nPoints)
        throw std::runtime_error("log sampling did not give the points asked for");
}

void CGuiSession::CreateDesiredCurve()
{
    CreateFlatDesiredCurve(*m_pApp->m_pMorvaneDoc);
    QCoreApplication::processEvents();
}

void CGuiSession::Calculate(int nMaxFilters)
{
    CMorvaneDoc& doc = *m_pApp->m_pMorvaneDoc;
    SetFilterLimitCount(doc.m_LimitNumberOfFilters, nMaxFilters);
    doc.m_LimitNumberOfFilters.TurnOn();
    if (!m_pApp->ExecuteCommand(kCalculateModifiedResponse))
        throw std::runtime_error("the calculation did not start");
    QCoreApplication::processEvents();
    if (m_Messages.texts.size() > 0)
        throw std::runtime_error("the calculation said: " + m_Messages.texts.back());
}

CCanvasWidget& CGuiSession::View(ESpeakerFrame frame) const
{
    CMorvaneDoc& doc = *m_pApp->m_pMorvaneDoc;
    IDocumentView* views[] = {doc.m_pResponseView, doc.m_pFilterView, doc.m_pPhaseView,
                              doc.m_pPhaseFilterView};
    auto* pView = dynamic_cast<CCanvasWidget*>(views[int(frame)]);
    if (!pView)
        throw std::runtime_error("no view");
    return *pView;
}

void CGuiSession::Maximize(ESpeakerFrame frame)
{
    m_pApp->GetFrame(frame)->showMaximized();
    QCoreApplication::processEvents();
}

void CGuiSession::ArrangeFourWindows()
{
    for (ESpeakerFrame frame : {ESpeakerFrame::Response, ESpeakerFrame::Filter,
                                ESpeakerFrame::Phase, ESpeakerFrame::PhaseFilter})
        m_pApp->GetFrame(frame)->showNormal();
    m_pApp->ExecuteCommand(CMorvaneApp::ID_VIEW_FOUR_WINDOWS);
    QCoreApplication::processEvents();
}

int CGuiSession::RawPoints() const
{
    return m_pApp->m_pMorvaneDoc->m_nRawPoints;
}

int CGuiSession::Filters() const
{
    return m_pApp->m_pMorvaneDoc->m_CalculatedEQFilters.GetSize();
}

namespace
{
std::unique_ptr<CGuiSession> g_pShared;
int g_nSharedState = -1;
} // namespace

CGuiSession& SharedSession(int state)
{
    if (!g_pShared || g_nSharedState != state)
    {
        g_pShared.reset();
        g_pShared = std::make_unique<CGuiSession>(state == 1 ? 1000000 : 0);
        g_nSharedState = state;
    }
    return *g_pShared;
}

void EndSharedSession()
{
    g_pShared.reset();
    g_nSharedState = -1;
}
} // namespace bench
