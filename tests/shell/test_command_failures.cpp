// A command, an open, a paint or an exit that ends by memory running out (or by another
// exception) is stopped with a message naming it, and the program goes on: the document is
// as it was when the command had not changed it yet, or usable and savable when it had.
// The failures are injected: an allocator that fails every request above a size (the open
// and the log sample), an application whose Continue question (the calculation) or
// question about unsaved files (the exit) fails, and a response view whose paint fails.
#include "AllocationFault.h"
#include "AppWindowFixture.h"
#include "GuardClock.h"
#include "ModalDialogs.h"

#include "shell/dialogs/LogSampleDlg.h"
#include "shell/dialogs/SaveFilesDlg.h"
#include "shell/ui/GuardedApplication.h"
#include "shell/ui/MainFrm.h"
#include "shell/ui/ResponseMDIChild.h"
#include "shell/views/MorvaneView.h"
#include "tests/document/DocumentFakes.h"

#include <QLineEdit>

#include <chrono>
#include <cmath>
#include <fstream>
#include <new>
#include <stdexcept>

namespace
{
// What the injected failure throws, and what the message must then say.
struct CFault
{
    const char* name;
    void (*raise)();
    const char* reason; // in the message
};

const CFault kFaults[] = {
    {"BadAlloc", [] { throw std::bad_alloc(); }, "memory ran out"},
    {"RuntimeError", [] { throw std::runtime_error("the disk is on fire"); },
     "by an error: the disk is on fire"},
};

constexpr std::size_t kAllocationLimit = 1 << 20;

// The response view, whose paint raises the fault while it is set.
class CFailingPaintView : public CMorvaneView
{
public:
    CFailingPaintView(CMorvaneDoc& doc, void (*&raise)()) : CMorvaneView(doc), m_Raise(raise) {}
    int m_nPaints = 0;

protected:
    void paintEvent(QPaintEvent* pEvent) override
    {
        if (m_Raise)
            m_Raise();
        ++m_nPaints;
        CMorvaneView::paintEvent(pEvent);
    }

private:
    void (*&m_Raise)();
};

// The application with the faults of the calculation's Continue question, of the question
// about unsaved files and of the response view's paint.
class CFaultyApp : public CMorvaneApp
{
public:
    explicit CFaultyApp(std::string settingsFile) : CMorvaneApp(std::move(settingsFile))
    {
        SetViewFactory(ESpeakerFrame::Response,
                       [this](CMorvaneDoc& doc)
                       {
                           auto* view = new CFailingPaintView(doc, m_PaintFault);
                           view->OnInitialUpdate();
                           return view;
                       });
    }
    bool AskContinueCalculation(long) override
    {
        if (m_ContinueFault)
            m_ContinueFault();
        return true;
    }
    int AskSaveFiles(CSaveFilesChoice& choice) override
    {
        if (m_SaveFault)
            m_SaveFault();
        return CMorvaneApp::AskSaveFiles(choice);
    }
    void (*m_ContinueFault)() = nullptr;
    void (*m_SaveFault)() = nullptr;
    void (*m_PaintFault)() = nullptr;
};

// A response of 200 points from 20 Hz to 20 kHz around 85 dB, with a bump of height dB at
// 1 kHz that an equalizing filter must take away.
void WriteResponse(const std::string& path, int nPoints, double height)
{
    std::ofstream out(path);
    out << "speaker\nHz dB deg\n";
    for (int i = 0; i < nPoints; ++i)
    {
        const double f = 20.0 * std::pow(1000.0, i / double(nPoints - 1));
        const double x = std::log10(f) - 3.0;
        out << f << " " << 85.0 + height * std::exp(-x * x / 0.02) << " 0\n";
    }
}

class CommandFailureTest : public AppDocumentTest, public ::testing::WithParamInterface<CFault>
{
protected:
    std::unique_ptr<CMorvaneApp> MakeApp() override
    {
        auto faulty = std::make_unique<CFaultyApp>(folder.Path("profile.ini"));
        faults = faulty.get();
        return faulty;
    }
    void SetUp() override
    {
        AppDocumentTest::SetUp();
        ASSERT_NE(dynamic_cast<CGuardedApplication*>(QCoreApplication::instance()), nullptr)
            << "the test program runs under the program's own application class";
    }
    // Opens a response of nPoints through File Open.
    void Open(const std::string& name, int nPoints)
    {
        WriteResponse(folder.Path(name), nPoints, 6.0);
        dialogs.answers.push_back(folder.Path(name));
        ASSERT_TRUE(app->ExecuteCommand(CMorvaneApp::ID_FILE_OPEN));
        ASSERT_EQ(doc->m_nRawPoints, nPoints);
        ASSERT_TRUE(messages.texts.empty()) << messages.texts.front();
    }
    // A response and a flat desired response over it, with the band to equalize.
    void OpenDesignToCalculate()
    {
        Open("speaker.raw", 200);
        const std::string crv = folder.Path("flat.crv");
        std::string error;
        ASSERT_TRUE(WriteFlatCurveFile(crv, {1.3, 2.5, 4.31}, {85.0, 86.5, 83.5},
                                       ResponseView().GetPlotArea(), ResponseView().GetDataWindow(),
                                       &error))
            << error;
        dialogs.answers.push_back(crv);
        doc->OnFileOpenDesiredResponse();
        ASSERT_TRUE(messages.texts.empty()) << messages.texts.front();
        doc->m_nLowerFrequencyLimit = 100;
        doc->m_nHigherFrequencyLimit = 15000;
    }
    // The one message: it names what was stopped and says why.
    void ExpectOneMessage(const std::string& what)
    {
        ASSERT_EQ(messages.texts.size(), 1u);
        const std::string& text = messages.texts.front();
        EXPECT_NE(text.find(what), std::string::npos) << text;
        EXPECT_NE(text.find(GetParam().reason), std::string::npos) << text;
        messages.texts.clear();
    }
    CFailingPaintView& ResponseView() const
    {
        auto* pView = dynamic_cast<CFailingPaintView*>(app->m_pResponseMDI->GetView());
        EXPECT_NE(pView, nullptr);
        return *pView;
    }

    CFaultyApp* faults = nullptr;
};

TEST_P(CommandFailureTest, AnOpenThatRunsOutOfMemoryLeavesTheDocumentAsItWas)
{
    Open("speaker.raw", 200);
    // Four megabytes of empty lines: reading them needs more than the allocator allows.
    const std::string big = folder.Path("empty.raw");
    std::ofstream(big) << std::string(4 << 20, '\n');
    dialogs.answers.push_back(big);
    {
        const CAllocationFault fault(kAllocationLimit, GetParam().raise);
        EXPECT_FALSE(app->ExecuteCommand(CMorvaneApp::ID_FILE_OPEN));
    }
    ExpectOneMessage("The command \"File > Open Raw Response File\"");
    EXPECT_EQ(doc->m_nRawPoints, 200);
    EXPECT_EQ(doc->m_RawFrequencies.NumberOfElements(), 200);
    EXPECT_EQ(app->GetDocumentPathName(), folder.Path("speaker.raw"));
    // The program goes on: the next open reads its file.
    Open("other.raw", 150);
}

TEST_P(CommandFailureTest, ALogSampleThatRunsOutOfMemoryLeavesTheResponseAsItWas)
{
    Open("speaker.raw", 200);
    const auto answer = [](const char* count)
    {
        OnNextModal<CLogSampleDlg>(
            [count](CLogSampleDlg& d)
            {
                d.PointsEdit()->setText(count);
                EXPECT_TRUE(d.OnOK());
            });
    };
    answer("200000");
    {
        const CAllocationFault fault(kAllocationLimit, GetParam().raise);
        EXPECT_FALSE(app->ExecuteCommand(32858));
    }
    ExpectOneMessage("Log Sample Raw Curve\"");
    EXPECT_EQ(doc->m_nRawPoints, 200);
    EXPECT_EQ(doc->m_RawResponse.NumberOfElements(), 200);
    EXPECT_EQ(doc->m_RawPhase.NumberOfElements(), 200);
    EXPECT_EQ(doc->m_LogFrequencies.NumberOfElements(), 200);
    EXPECT_TRUE(app->GetCommandState(32858).bEnabled) << "the response was not sampled";
    answer("160");
    ASSERT_TRUE(app->ExecuteCommand(32858));
    EXPECT_EQ(doc->m_nRawPoints, 160);
    EXPECT_TRUE(messages.texts.empty());
}

TEST_P(CommandFailureTest, ACalculationThatFailsEndsWithTheDocumentSavable)
{
    OpenDesignToCalculate();
    // Calculate and Pause fails when it asks whether to go on after the first filter.
    faults->m_ContinueFault = GetParam().raise;
    EXPECT_FALSE(app->ExecuteCommand(32856));
    faults->m_ContinueFault = nullptr;
    ExpectOneMessage("The command \"Calculate > Modified Response and Pause\"");
    EXPECT_EQ(app->m_pMainFrame->GetStatusText(), "Calculation Ended");
    EXPECT_FALSE(app->GetCommandState(32787).bEnabled) << "Stop: no calculation runs";
    EXPECT_TRUE(app->GetCommandState(32854).bEnabled) << "Calculate is offered again";
    // The user can save, and calculate again.
    dialogs.answers.push_back(folder.Path("saved.raw"));
    ASSERT_TRUE(app->ExecuteCommand(32803)); // Save As Raw Response File
    EXPECT_TRUE(std::filesystem::exists(folder.Path("saved.raw")));
    ASSERT_TRUE(app->ExecuteCommand(32854));
    EXPECT_EQ(app->m_pMainFrame->GetStatusText(), "Calculation Completed");
    EXPECT_GT(doc->m_CalculatedEQFilters.GetSize(), 0);
    EXPECT_TRUE(messages.texts.empty()) << messages.texts.front();
}

TEST_P(CommandFailureTest, APaintThatFailsIsReportedOnceAndTheWindowGoesOn)
{
    const CGuardClock clock;
    Open("speaker.raw", 200);
    CFailingPaintView& view = ResponseView();
    faults->m_PaintFault = GetParam().raise;
    // The window asks to be drawn again and again (the message box leaving it, the
    // user resizing it): one message, not one a try.
    for (int i = 0; i < 4; ++i)
    {
        view.repaint();
        Settle();
    }
    ExpectOneMessage("Drawing the window \"");
    // Nor when its full repaints fail while others work between them.
    for (int i = 0; i < 6; ++i)
    {
        faults->m_PaintFault = i % 2 ? nullptr : GetParam().raise;
        view.repaint();
        Settle();
        clock.Advance(std::chrono::milliseconds(20));
    }
    EXPECT_TRUE(messages.texts.empty()) << messages.texts.front();
    // The program goes on: once the paint can work, the view draws and the commands run.
    faults->m_PaintFault = nullptr;
    const int nPaints = view.m_nPaints;
    view.repaint();
    EXPECT_GT(view.m_nPaints, nPaints);
    EXPECT_TRUE(app->ExecuteCommand(CMorvaneApp::ID_VIEW_FOUR_WINDOWS));
    Settle();
    EXPECT_TRUE(messages.texts.empty()) << messages.texts.front();
    // A window that has drawn for a while since is told about again when its paint fails
    // anew.
    clock.Advance(CGuardedApplication::kQuietTime);
    faults->m_PaintFault = GetParam().raise;
    view.repaint();
    Settle();
    faults->m_PaintFault = nullptr;
    ExpectOneMessage("Drawing the window \"");
}

TEST_P(CommandFailureTest, AnExitThatFailsKeepsTheProgramAndTheUnsavedWork)
{
    // Unsaved work: the filters just calculated.
    OpenDesignToCalculate();
    ASSERT_TRUE(app->ExecuteCommand(32854));
    ASSERT_GT(doc->m_CalculatedEQFilters.GetSize(), 0);
    ASSERT_TRUE(doc->m_CoefficientFile.m_ChangedMode.IsOn());
    CMainFrame& frame = *app->m_pMainFrame;
    faults->m_SaveFault = GetParam().raise;
    EXPECT_TRUE(app->ExecuteCommand(CMorvaneApp::ID_APP_EXIT));
    Settle();
    EXPECT_TRUE(frame.isVisible());
    ASSERT_EQ(messages.texts.size(), 1u);
    EXPECT_NE(messages.texts.front().find("The window stays open."), std::string::npos)
        << messages.texts.front();
    ExpectOneMessage("Closing the window \"");
    // Asked again, by File > Exit or a quit of the application, it is refused again and
    // told again: the user knows why the program is still there.
    EXPECT_TRUE(app->ExecuteCommand(CMorvaneApp::ID_APP_EXIT));
    Settle();
    EXPECT_TRUE(frame.isVisible());
    ExpectOneMessage("Closing the window \"");
    QEvent quit(QEvent::Quit);
    QCoreApplication::sendEvent(QCoreApplication::instance(), &quit);
    Settle();
    EXPECT_TRUE(frame.isVisible());
    ExpectOneMessage("Closing the window \"");
    EXPECT_GT(doc->m_CalculatedEQFilters.GetSize(), 0);
    EXPECT_TRUE(doc->m_CoefficientFile.m_ChangedMode.IsOn());
    // The program goes on: once the question can be asked, Exit asks it and closes.
    faults->m_SaveFault = nullptr;
    OnNextModal<CSaveFilesDlg>([](CSaveFilesDlg& d) { d.OnNo(); });
    EXPECT_TRUE(app->ExecuteCommand(CMorvaneApp::ID_APP_EXIT));
    EXPECT_FALSE(frame.isVisible());
}

INSTANTIATE_TEST_SUITE_P(Faults, CommandFailureTest, ::testing::ValuesIn(kFaults),
                         [](const ::testing::TestParamInfo<CFault>& info)
                         { return std::string(info.param.name); });
} // namespace
