// The loudness view offscreen, on a real document and manager: its commands' states, the
// three graphical modes on clicks, the readout when curves go, the dB range fitted to
// curves that reach infinity or the bounds, tooltips and printing.
#include "../framework/QtTestApp.h"
#include "LoudnessFakes.h"
#include "framework/core/RecordingDC.h"
#include "framework/core/Services.h"
#include "loudness/LoudnessDoc.h"
#include "loudness/QZX2202LoudnessManager.h"
#include "loudness/QZX2410_LoudnessManager.h"
#include "loudness/ui/LoudnessView.h"
#include "tests/graph/TrueAxisLabels.h"
#include "tests/shell/GraphPixels.h"

#include <QMouseEvent>
#include <QPrinter>

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <memory>

namespace
{
constexpr int kDelete = CLoudnessViewModes::ID_DELETE_FILTERS_GRAPHICALLY;
constexpr int kEdit = CLoudnessViewModes::ID_SELECT_FILTERS_TO_EDIT;
constexpr int kAdd = CLoudnessViewModes::ID_SELECT_FILTER_TO_ADD;

class LoudnessViewTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        TestApp();
        Services::SetMessageBox(&m_Box);
        Open(m_2202, ELoudnessFamily::QZX2202);
    }
    void TearDown() override
    {
        m_pView.reset();
        m_pDoc.reset();
        Services::SetMessageBox(nullptr);
    }
    void Open(CLoudnessManager& manager, ELoudnessFamily family)
    {
        m_pView.reset();
        CLoudnessDocServices services;
        services.lowerFrequencyLimit = [] { return 10; };
        services.samplingFrequency = [] { return 48000; };
        m_pDoc = std::make_unique<CLoudnessDoc>(family, manager, services);
        manager.SetEditor(&m_Editor);
        for (int kind = 0; kind < kLoudnessKindCount; ++kind)
            manager.SetGrid(kind, &m_Grids[kind]);
        m_pView = std::make_unique<CLoudnessView>(*m_pDoc);
        m_pView->resize(800, 600);
        m_pView->OnInitialUpdate();
        Paint();
    }
    // Loudness-coefficient filters flat at a level: B0 = 10^(dB/20) - 1 with plot gain and
    // volume 1.
    std::string AddFlat(CLoudnessManager& manager, double dB)
    {
        std::string name;
        EXPECT_TRUE(
            manager.AddLoudnessCoefficients(std::pow(10.0, dB / 20.0) - 1, 0, 0, 0, 0, 1, 1, name));
        Paint();
        return name;
    }
    void Paint()
    {
        CRecordingDC dc;
        dc.SetDeviceCaps(TECHNOLOGY, DT_RASDISPLAY);
        m_pView->OnDraw(&dc);
    }
    CPoint PixelOf(double x, double y) const
    {
        return CanvasToPixel(m_pView->GetGraph(),
                             m_pView->GetCurves().front()->DataToLogical({x, y}));
    }
    void Send(QEvent::Type type, Qt::MouseButton button, CPoint p)
    {
        const QPointF at(p.x, p.y);
        QMouseEvent event(type, at, m_pView->mapToGlobal(at), button,
                          type == QEvent::MouseMove ? Qt::NoButton : button, Qt::NoModifier);
        QCoreApplication::sendEvent(m_pView.get(), &event);
    }
    void Click(CPoint p) { Send(QEvent::MouseButtonPress, Qt::LeftButton, p); }
    bool Enabled(int id) { return m_pView->GetCommandState(id)->bEnabled; }
    bool Checked(int id) { return m_pView->GetCommandState(id)->bChecked; }

    CRecordingMessageBox m_Box;
    CFlatSectionDesigner m_Designer;
    bool m_bQZX6060 = false;
    CQZX2202LoudnessManager m_2202{&m_Designer};
    CQZX2410_LoudnessManager m_2410{&m_Designer, [this] { return m_bQZX6060; }};
    CRecordingEditor m_Editor;
    CRecordingLoudnessGrid m_Grids[kLoudnessKindCount];
    std::unique_ptr<CLoudnessDoc> m_pDoc;
    std::unique_ptr<CLoudnessView> m_pView;
};
} // namespace

TEST_F(LoudnessViewTest, CommandsWaitForTheFirstCurve)
{
    for (int id : {kDelete, kEdit, kAdd, 57607, 57609})
        EXPECT_FALSE(Enabled(id)) << id;
    EXPECT_TRUE(Enabled(32795));
    EXPECT_FALSE(m_pView->GetCommandState(32908).has_value());
    AddFlat(m_2202, 3.0);
    for (int id : {kDelete, kEdit, kAdd, 57607, 57609})
        EXPECT_TRUE(Enabled(id)) << id;
    // Deleting the last curve greys them again.
    m_2202.ClearAllLoudnessFilters();
    EXPECT_TRUE(m_pView->GetCurves().empty());
    EXPECT_FALSE(Enabled(kDelete));
    EXPECT_FALSE(Enabled(57607));
}

TEST_F(LoudnessViewTest, ConnectedToItsManagerWhileItLives)
{
    EXPECT_EQ(m_2202.GetView(), m_pView.get());
    EXPECT_EQ(m_2410.GetView(), nullptr);
    m_pView.reset();
    EXPECT_EQ(m_2202.GetView(), nullptr);
    // The manager goes on without a view.
    std::string name;
    EXPECT_TRUE(m_2202.AddLoudnessCoefficients(0, 0, 0, 0, 0, 1, 1, name));
}

TEST_F(LoudnessViewTest, DeletingStaysOnSelectingIsOneShot)
{
    const std::string upper = AddFlat(m_2202, 6.0);
    const std::string lower = AddFlat(m_2202, -6.0);
    m_pView->OnCommand(kDelete);
    EXPECT_TRUE(Checked(kDelete));
    Click(PixelOf(3.0, 0.0)); // 6 dB from both: farther than 50 canvas units
    EXPECT_EQ(m_pView->GetCurves().size(), 2u);
    Click(PixelOf(3.0, 6.0));
    ASSERT_EQ(m_pView->GetCurves().size(), 1u);
    EXPECT_EQ(m_2202.List(kLoudnessCoeff)->GetSize(), 1);
    EXPECT_EQ(m_Grids[kLoudnessCoeff].deletedRows, std::vector<std::string>{upper});
    EXPECT_TRUE(Checked(kDelete));

    m_pView->OnCommand(kEdit);
    EXPECT_FALSE(Checked(kDelete));
    Click(PixelOf(3.0, -6.0));
    EXPECT_EQ(m_Editor.names, std::vector<std::string>{lower});
    EXPECT_FALSE(Checked(kEdit));
    EXPECT_EQ(m_pView->ModeCursor(), Qt::CrossCursor);

    m_pView->OnCommand(kAdd);
    EXPECT_EQ(m_pView->ModeCursor(), Qt::DragCopyCursor);
    Click(PixelOf(3.0, -6.0));
    EXPECT_TRUE(m_2202.AddToDataFileMode().IsOn());
    EXPECT_FALSE(Checked(kAdd));
    m_pView->OnCommand(kAdd);
    m_pView->OnCommand(kAdd);
    EXPECT_FALSE(Checked(kAdd));
}

TEST_F(LoudnessViewTest, TheReadoutLetsGoOfACurveBeforeItIsDeleted)
{
    const std::string name = AddFlat(m_2202, 6.0);
    AddFlat(m_2202, -6.0);
    Click(PixelOf(3.0, 6.0));
    ASSERT_NE(m_pView->m_CurveEdit.m_pCurveBeingFollowed, nullptr);
    // The grid's Delete: the manager takes the record and the curve.
    m_2202.DeleteLoudnessFilter(kLoudnessCoeff, name);
    EXPECT_EQ(m_pView->m_CurveEdit.m_pCurveBeingFollowed, nullptr);
    Send(QEvent::MouseMove, Qt::NoButton, PixelOf(2.0, -6.0));
    Paint();

    Click(PixelOf(3.0, -6.0));
    ASSERT_NE(m_pView->m_CurveEdit.m_pCurveBeingFollowed, nullptr);
    m_2202.ClearAllLoudnessFilters();
    EXPECT_EQ(m_pView->m_CurveEdit.m_pCurveBeingFollowed, nullptr);
    Send(QEvent::MouseMove, Qt::NoButton, {300, 300});
    Paint();
    EXPECT_TRUE(m_pView->GetCurves().empty());
}

TEST_F(LoudnessViewTest, TheDbAxisFitsTheCurvesAndStaysFinite)
{
    AddFlat(m_2202, 3.2);
    EXPECT_EQ(m_pView->GetDataRect().top, 5.0);
    EXPECT_EQ(m_pView->GetDataRect().bottom, 0.0);
    AddFlat(m_2202, 103.0);
    EXPECT_EQ(m_pView->GetDataRect().top, 100.0);

    // The QZX6060 law with a plot volume of 0: a response of magnitude 0 everywhere.
    m_bQZX6060 = true;
    Open(m_2410, ELoudnessFamily::QZX241X);
    std::string name;
    ASSERT_TRUE(m_2410.AddEQBasedFilter(6, 100, 1000, 1, 0.0, 0, 0, 0, 0, name));
    Paint();
    const CDoubleRect& window = m_pView->GetDataRect();
    EXPECT_TRUE(std::isfinite(window.top) && std::isfinite(window.bottom));
    EXPECT_GT(window.top, window.bottom);
    EXPECT_GE(window.bottom, -100.0);
}

// Curves from -2 to 12 dB are shown from -5 to 15 dB, labelled every 10: the lower limit,
// no step, is labelled at the plot's bottom edge, the upper one, the strip's top, has no
// room at its line and is left out, and "10" under it stays. At every size each value
// label stands at its own line and none is missing that has room at its line.
TEST_F(LoudnessViewTest, EveryValueLabelStandsAtItsOwnLineAtAnySize)
{
    AddFlat(m_2202, -2.0);
    AddFlat(m_2202, 12.0);
    ASSERT_EQ(m_pView->GetDataRect().bottom, -5.0);
    ASSERT_EQ(m_pView->GetDataRect().top, 15.0);
    const struct
    {
        int width, height;
    } sizes[] = {{800, 600}, {1366, 768}, {2560, 1400}, {800, 250}, {1366, 330}, {400, 150}};
    for (const auto& size : sizes)
    {
        const std::string name = std::to_string(size.width) + "x" + std::to_string(size.height);
        m_pView->resize(size.width, size.height);
        CRecordingDC dc;
        dc.SetDeviceCaps(TECHNOLOGY, DT_RASDISPLAY);
        dc.SetCharWidthPerHeight(0.5);
        m_pView->OnDraw(&dc);
        ExpectAxesAtTheirLines(dc.Calls(), m_pView->GetGraph(), m_pView->GetDataRect(),
                               {10.0, 1.0, true, false, 10, 0.5}, name);
        std::vector<std::string> values;
        for (const CRecordingDC::Call& call :
             DrawnAxes(dc.Calls(), m_pView->GetGraph().m_PlotRegion.m_Rect).vertical)
            values.push_back(call.text);
        EXPECT_EQ((std::vector<std::string>{"-5", "0", "10"}), values) << name;
    }
}

TEST_F(LoudnessViewTest, TooltipsNameTheCurveUnderThePointer)
{
    const std::string name = AddFlat(m_2202, 6.0);
    Send(QEvent::MouseMove, Qt::NoButton, PixelOf(3.0, 6.0));
    EXPECT_EQ(m_pView->GetToolTipText(PixelOf(3.0, 6.0)), name);
    Send(QEvent::MouseMove, Qt::NoButton, PixelOf(3.0, -10.0));
    EXPECT_EQ(m_pView->GetToolTipText(PixelOf(3.0, -10.0)), "");
}

TEST_F(LoudnessViewTest, PrintsThePictureOfTheWindow)
{
    AddFlat(m_2202, 6.0);
    const std::filesystem::path pdf =
        std::filesystem::temp_directory_path() / "morvane_loudness_view.pdf";
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(pdf.string()));
    EXPECT_TRUE(m_pView->PrintTo(printer));
    EXPECT_GT(std::filesystem::file_size(pdf), 1000u);
    std::filesystem::remove(pdf);
}
