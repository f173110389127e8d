// The QZX2410/QZX6060 compression window in the application window: its control dialog
// (the thresholds' sliders, up-down controls and edits at their edges, typed thresholds,
// the region and offset options, Apply and what it refuses, reopening on the current
// setting) and its view (the transfer curve read out along its points, the region titles
// and offset ranges that follow the thresholds on the screen and on the page, the text
// panel).
#include "tests/shell/CompressionWindowFixture.h"

#include "drc/ui/QZX2410_DRC_View.h"
#include "drc/ui/SpinButtonCtrl.h"
#include "graph/CFormat.h"

#include <QKeyEvent>
#include <QMdiSubWindow>
#include <QRadioButton>
#include <QToolButton>

#include <cmath>
#include <cstdlib>

namespace
{
class QZX241XCompressionTest : public CompressionWindowTest
{
protected:
    void SetUp() override
    {
        CompressionWindowTest::SetUp();
        OpenWindow();
    }
    void OpenWindow()
    {
        Open(CMorvaneApp::ID_DEVICE_QZX2410, CMorvaneApp::ID_DESIGN_QZX2410_COMPRESSION);
        view = ViewOf<CQZX2410_DRC_View>(EDesignWindow::QZX241XCompression);
        ASSERT_NE(view, nullptr);
        dialog = view->GetControlDialog();
        ASSERT_NE(dialog, nullptr);
    }
    QLineEdit* Edit(const char* pName) const { return Child<QLineEdit>(dialog, pName); }
    QSlider* Slider(int i) const
    {
        return Child<QSlider>(dialog, i == 1 ? "Threshold1Slider" : "Threshold2Slider");
    }
    CSpinButtonCtrl* Spin(int i) const
    {
        return Child<CSpinButtonCtrl>(dialog, i == 1 ? "Threshold1Spin" : "Threshold2Spin");
    }
    QRadioButton* Option(const char* pName) const { return Child<QRadioButton>(dialog, pName); }
    // With the first threshold at -130 dB: a click on its line follows it, and the
    // pointer moved down beside it reads the line at its height (within dTolerance dB).
    void ExpectThreshold1ReadDown(double dTolerance) const
    {
        const CBasicGraph& graph = view->GetGraph();
        const CCurveLine& t1 = view->m_Threshold1Line;
        view->OnLButtonDown(CanvasToPixel(graph, t1.DataToLogical({-130.0, -200.0})));
        ASSERT_EQ(view->m_CurveEdit.m_pCurveBeingFollowed, &t1);
        view->OnMouseMove(CanvasToPixel(graph, t1.DataToLogical({-100.0, -250.0})));
        EXPECT_NEAR(view->m_CoordDisplay.m_DataPoint.x, -130.0, 0.5);
        EXPECT_NEAR(view->m_CoordDisplay.m_DataPoint.y, -250.0, dTolerance);
    }
    // Types the text into the edit and leaves it.
    void Type(const char* pEdit, const char* pText) const
    {
        QLineEdit* edit = Edit(pEdit);
        edit->setText(pText);
        emit edit->editingFinished();
    }
    CQZX2410_DRC_Manager& Model() const { return app->m_QZX2410_DRC_Manager; }
    // The canvas x at which the text was drawn by the last paint.
    int TextX(const std::string& text) const { return TextPosition(text).x; }
    // The canvas x of an input level on the plot, as the threshold lines are laid out.
    int CanvasX(double dB) const { return view->m_Threshold1Line.DataToLogical({dB, 0.0}).x; }

    CQZX2410_DRC_View* view = nullptr;
    CQZX2410_DRC_GUI* dialog = nullptr;
};
} // namespace

TEST_F(QZX241XCompressionTest, TheDialogOpensOnTheDefaults)
{
    EXPECT_EQ(Slider(1)->value(), 1820);
    EXPECT_EQ(Slider(2)->value(), 880);
    EXPECT_EQ(Spin(1)->GetPos(), 1820);
    EXPECT_EQ(Edit("Threshold1Text")->text(), "-182.000000");
    EXPECT_EQ(Edit("Threshold2Text")->text(), "-88.000000");
    EXPECT_TRUE(Option("Region0Expansion")->isChecked());
    EXPECT_TRUE(Option("Region1Compression")->isChecked());
    EXPECT_TRUE(Option("Region2Compression")->isChecked());
    EXPECT_TRUE(Option("DeriveOffset1")->isChecked());
    EXPECT_FALSE(Edit("Offset1")->isEnabled());
    EXPECT_EQ(Edit("Ratio0")->text(), "1.05");
    EXPECT_EQ(Edit("Ratio2")->text(), "5");
    // The opening computed the words and gave the view its curve.
    EXPECT_TRUE(Model().HasWords());
    EXPECT_EQ(view->m_DrcCurve.GetTotalPoints(), 471);
    EXPECT_EQ(view->m_Threshold1Line.GetName(), "Vert Threshold 1");
    EXPECT_EQ(view->GetDataWindow(), (CDoubleRect{0.0, -283.0, -283.0, 0.0}));
    // One option pair does not change the others.
    Option("Region1Expansion")->click();
    EXPECT_TRUE(Option("Region0Expansion")->isChecked());
    EXPECT_TRUE(Option("Region2Compression")->isChecked());
    EXPECT_TRUE(Option("DeriveOffset1")->isChecked());
}

TEST_F(QZX241XCompressionTest, SliderSpinAndTextAtTheirEdges)
{
    // One line down from 1820.
    Slider(1)->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(Edit("Threshold1Text")->text(), "-182.100");
    EXPECT_EQ(Spin(1)->GetPos(), 1821);
    EXPECT_DOUBLE_EQ(dialog->GetThreshold(0), -182.1);
    // -182 typed stands at 1821 (it was 1820 when the dialog opened on it).
    Type("Threshold1Text", "-182");
    EXPECT_EQ(Slider(1)->value(), 1821);
    EXPECT_EQ(Spin(1)->GetPos(), 1821);
    EXPECT_EQ(Edit("Threshold1Text")->text(), "-182");
    EXPECT_EQ(dialog->GetThreshold(0), -182.0);
    // The ends: 0 dB and the floor, and the up-down control refuses to pass them.
    Slider(2)->setValue(0);
    EXPECT_EQ(Edit("Threshold2Text")->text(), "0.000");
    EXPECT_FALSE(Spin(2)->Step(true));
    Spin(1)->GetDownButton()->click();
    EXPECT_EQ(Slider(1)->value(), 1822);
    Slider(1)->setValue(1927);
    EXPECT_EQ(Edit("Threshold1Text")->text(), "-192.700");
    Spin(1)->GetDownButton()->click();
    EXPECT_EQ(Slider(1)->value(), 1927);
    EXPECT_EQ(Edit("Threshold1Text")->text(), "-192.700");
    Spin(1)->GetUpButton()->click();
    EXPECT_EQ(Edit("Threshold1Text")->text(), "-192.600");
    EXPECT_EQ(Slider(1)->value(), 1926);
}

TEST_F(QZX241XCompressionTest, AThresholdTextThatIsNoThresholdIsRefusedAndTheOldOneComesBack)
{
    Type("Ratio1", "3"); // typed, not applied
    for (const char* bad : {"", "abc", "-200", "5", "-50 db"})
    {
        messages.texts.clear();
        Type("Threshold1Text", bad);
        ASSERT_EQ(messages.texts.size(), 1u) << bad;
        EXPECT_EQ(messages.texts[0],
                  "Threshold1: Please enter a threshold between -192.7 and 0 db.");
        EXPECT_EQ(Edit("Threshold1Text")->text(), "-182.000000") << bad;
        EXPECT_EQ(Slider(1)->value(), 1820) << bad;
        EXPECT_EQ(dialog->GetThreshold(0), -182.0) << bad;
    }
    // What was typed elsewhere stays.
    EXPECT_EQ(Edit("Ratio1")->text(), "3");
    EXPECT_EQ(Model().GetThreshold1(), -182.0);
    messages.texts.clear();
    ASSERT_TRUE(dialog->OnApply());
    EXPECT_EQ(Model().GetRatio1(), 3.0);
    EXPECT_EQ(Model().GetThreshold1(), -182.0);
    EXPECT_TRUE(messages.texts.empty());
}

TEST_F(QZX241XCompressionTest, EnterInAThresholdEditAppliesTheThresholdJustTyped)
{
    QLineEdit* edit = Edit("Threshold1Text");
    edit->setText("-150");
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QCoreApplication::sendEvent(edit, &enter);
    EXPECT_EQ(Model().GetThreshold1(), -150.0);
    EXPECT_EQ(Slider(1)->value(), 1501); // the typed rule, as for -182
    EXPECT_TRUE(messages.texts.empty());
    // Esc applies nothing.
    Edit("Threshold2Text")->setText("-40");
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QCoreApplication::sendEvent(dialog, &escape);
    EXPECT_EQ(Model().GetThreshold2(), -88.0);
}

TEST_F(QZX241XCompressionTest, ApplyStopsAtATextItCannotReadAndChangesNothing)
{
    const std::string before = Model().DeviceFileText();
    const struct
    {
        const char* edit;
        const char* text;
        const char* message;
    } cases[] = {
        {"Ratio0", "", "Please enter a number for the ratio of Region 0."},
        {"Ratio2", "two", "Please enter a number for the ratio of Region 2."},
        {"Offset2", "3 dB", "Please enter a number for Offset2."},
    };
    for (const auto& c : cases)
    {
        OpenWindow();
        Edit("Threshold2Text")->setText("-60");
        Edit("Ratio1")->setText("4");
        Edit(c.edit)->setText(c.text);
        messages.texts.clear();
        EXPECT_FALSE(dialog->OnApply()) << c.edit;
        ASSERT_EQ(messages.texts.size(), 1u) << c.edit;
        EXPECT_EQ(messages.texts[0], c.message);
        EXPECT_EQ(Model().DeviceFileText(), before);
        EXPECT_EQ(Model().GetRatio1(), 2.0);
        EXPECT_EQ(Model().GetThreshold2(), -88.0);
        ASSERT_TRUE(app->ExecuteCommand(CMorvaneApp::ID_DESIGN_EQ_FILTERS));
    }
}

TEST_F(QZX241XCompressionTest, TheOffsetOptionReachesTheModelWithApplyAndOnlyThen)
{
    // Derived: the disabled Offset1 edit is not read.
    Edit("Offset1")->setText("bad");
    ASSERT_TRUE(dialog->OnApply());
    EXPECT_TRUE(messages.texts.empty());
    EXPECT_NEAR(Model().m_dOffset1Word, -3.8065, 1e-4);

    Option("SpecifyOffset1")->click();
    EXPECT_TRUE(Edit("Offset1")->isEnabled());
    // Not yet applied: the model, the panel and the words still say derived.
    EXPECT_FALSE(Model().GetSpecifyOffset1());
    Paint(view);
    EXPECT_TRUE(HasText(*m_pDC, "Derived"));
    // Specified with a text that is no number: refused.
    EXPECT_FALSE(dialog->OnApply());
    EXPECT_EQ(messages.texts.size(), 1u);
    EXPECT_FALSE(Model().GetSpecifyOffset1());

    Edit("Offset1")->setText("0");
    ASSERT_TRUE(dialog->OnApply());
    EXPECT_TRUE(Model().GetSpecifyOffset1());
    EXPECT_EQ(Model().m_dOffset1Word, 4.0);
    Paint(view);
    EXPECT_FALSE(HasText(*m_pDC, "Derived"));
    EXPECT_TRUE(HasText(*m_pDC, "Offset1: "));
    // Back to derived: again only with Apply.
    Option("DeriveOffset1")->click();
    EXPECT_FALSE(Edit("Offset1")->isEnabled());
    EXPECT_TRUE(Model().GetSpecifyOffset1());
    ASSERT_TRUE(dialog->OnApply());
    EXPECT_FALSE(Model().GetSpecifyOffset1());
    EXPECT_NEAR(Model().m_dOffset1Word, -3.8065, 1e-4);
}

TEST_F(QZX241XCompressionTest, AFirstThresholdAboveTheSecondIsRefused)
{
    const std::string before = Model().DeviceFileText();
    Slider(1)->setValue(300); // -30 dB, above -88 dB
    EXPECT_FALSE(dialog->OnApply());
    ASSERT_EQ(messages.texts.size(), 1u);
    EXPECT_NE(messages.texts[0].find("Threshold 1 < Threshold 2"), std::string::npos)
        << messages.texts[0];
    EXPECT_EQ(Model().GetThreshold1(), -182.0);
    EXPECT_EQ(Model().DeviceFileText(), before);
    EXPECT_EQ(view->m_Threshold1Line.m_pDblPt[0].x, -182.0);
}

TEST_F(QZX241XCompressionTest, RegionTitlesAndOffsetRangesFollowTheThresholdsOnScreenAndPage)
{
    Slider(1)->setValue(1300);
    Slider(2)->setValue(400);
    ASSERT_TRUE(dialog->OnApply());
    for (int technology : {DT_RASDISPLAY, DT_RASPRINTER})
    {
        Paint(view, technology);
        EXPECT_NEAR(TextX("T1  R1"), CanvasX(-130.0), 2) << technology;
        EXPECT_NEAR(TextX("T2  R2"), CanvasX(-40.0), 2) << technology;
        EXPECT_NEAR(TextX(" Input db   R0"), CanvasX(-283.0), 2) << technology;
        const CHorizontalScaleDRC& scale = view->GetHorizontalScale();
        EXPECT_EQ(scale.m_Span1.m_End.x, -130.0);
        EXPECT_EQ(scale.m_Span2.m_Start.x, -130.0);
        EXPECT_NEAR(scale.m_Span1.m_EndPoint.x, CanvasX(-130.0), 2) << technology;
        EXPECT_NEAR(scale.m_Span1.m_StartPoint.x, CanvasX(-281.0), 2) << technology;
        EXPECT_NEAR(scale.m_Span2.m_EndPoint.x, CanvasX(-2.0), 2) << technology;
        EXPECT_TRUE(HasText(*m_pDC, "OFFSET1"));
        EXPECT_TRUE(HasText(*m_pDC, "OFFSET2"));
        // The ranges' texts lie on the canvas.
        EXPECT_GT(TextPosition("OFFSET1").y, 0);
        EXPECT_TRUE(HasText(*m_pDC, "-130"));
        EXPECT_TRUE(HasText(*m_pDC, "-40"));
    }
}

TEST_F(QZX241XCompressionTest, TheTransferCurveIsReadOutAlongItsPoints)
{
    Slider(1)->setValue(1300);
    Edit("Ratio1")->setText("4");
    ASSERT_TRUE(dialog->OnApply());
    view->Redraw(true);
    const CBasicGraph& graph = view->GetGraph();
    const CCurve& curve = view->m_DrcCurve;
    ASSERT_EQ(curve.GetTotalPoints(), 471);
    const CPoint onCurve = PixelOfPoint(graph, curve, 380);
    view->OnMouseMove(onCurve);
    EXPECT_EQ(view->GetToolTipText(onCurve), "DRC Curve");
    view->OnLButtonDown(onCurve);
    ASSERT_EQ(view->m_CurveEdit.m_pCurveBeingFollowed, &curve);
    // Far along the curve, past its bends: the readout gives the curve's value there, not
    // that of the straight line through its first points.
    for (long i : {120L, 300L, 460L})
    {
        const CDoublePoint target = curve.m_pDblPt[i];
        view->OnMouseMove(PixelOfPoint(graph, curve, i));
        const CDoublePoint p = view->m_CoordDisplay.m_DataPoint;
        EXPECT_NEAR(p.x, target.x, 0.6) << i;
        EXPECT_NEAR(p.y, curve.YAtX(p.x), 1e-9) << i;
        const CDoublePoint a = curve.m_pDblPt[0], b = curve.m_pDblPt[1];
        const double straight = a.y + (p.x - a.x) * (b.y - a.y) / (b.x - a.x);
        if (i > 300)
        {
            EXPECT_GT(std::fabs(p.y - straight), 5.0) << i;
        }
    }
    // The threshold lines are straight: the readout moves up and down them.
    view->OnRButtonDown(onCurve);
    Paint(view);
    ExpectThreshold1ReadDown(0.5);
}

// A window so small that the texts keep their readable size and the strips round the plot
// grow with them: the readout still reads the line under the pointer.
TEST_F(QZX241XCompressionTest, OnASmallWindowTheReadoutStillReadsTheLineUnderThePointer)
{
    Slider(1)->setValue(1300);
    ASSERT_TRUE(dialog->OnApply());
    QMdiSubWindow* frame = app->GetDesignFrame(EDesignWindow::QZX241XCompression);
    ASSERT_NE(frame, nullptr);
    frame->showNormal();
    frame->resize(400, 300);
    QCoreApplication::processEvents();
    ASSERT_EQ(ViewOf<CQZX2410_DRC_View>(EDesignWindow::QZX241XCompression), view); // settled
    Paint(view);
    const CBasicGraph& graph = view->GetGraph();
    EXPECT_GT(graph.GetBorder(), 320);
    EXPECT_EQ(graph.m_PlotRegion.m_Rect.bottom, graph.GetBorder());
    // A pixel is about 2 dB of the plot at this size.
    ExpectThreshold1ReadDown(2.5);
}

TEST_F(QZX241XCompressionTest, ReopeningTheWindowShowsTheSettingInForce)
{
    Type("Threshold1Text", "-120.5");
    Slider(2)->setValue(300);
    Option("Region0Compression")->click();
    Edit("Ratio0")->setText("1.5");
    Option("Region2Expansion")->click();
    Edit("Ratio2")->setText("1.25");
    Option("SpecifyOffset1")->click();
    Edit("Offset1")->setText("-3");
    Edit("Offset2")->setText("2.5");
    ASSERT_TRUE(dialog->OnApply());
    const std::string applied = Model().DeviceFileText();

    ASSERT_TRUE(app->ExecuteCommand(CMorvaneApp::ID_DESIGN_EQ_FILTERS));
    OpenWindow();
    EXPECT_EQ(Model().DeviceFileText(), applied);
    EXPECT_EQ(Edit("Threshold1Text")->text(), "-120.500000");
    EXPECT_EQ(Slider(1)->value(), 1205);
    EXPECT_EQ(Edit("Threshold2Text")->text(), "-30.000000");
    EXPECT_TRUE(Option("Region0Compression")->isChecked());
    EXPECT_TRUE(Option("Region2Expansion")->isChecked());
    EXPECT_EQ(Edit("Ratio0")->text(), "1.5");
    EXPECT_EQ(Edit("Ratio2")->text(), "1.25");
    EXPECT_TRUE(Option("SpecifyOffset1")->isChecked());
    EXPECT_TRUE(Edit("Offset1")->isEnabled());
    EXPECT_EQ(Edit("Offset1")->text(), "-3");
    EXPECT_EQ(Edit("Offset2")->text(), "2.5");
    ASSERT_TRUE(dialog->OnApply());
    EXPECT_EQ(Model().DeviceFileText(), applied);
    Paint(view);
    EXPECT_TRUE(HasText(*m_pDC, "Compression 1.500"));
    EXPECT_TRUE(HasText(*m_pDC, "Expansion 1.250"));
    EXPECT_TRUE(HasText(*m_pDC, "-120.500"));
}

TEST_F(QZX241XCompressionTest, ARatioTheSlopeWordCannotExpressIsRefusedAtItsBoxWithItsRange)
{
    const std::string before = Model().DeviceFileText();
    const struct
    {
        const char* edit;
        int region;
        bool bCompression; // the default mode of the region
        const char* text;
        const char* range;
    } cases[] = {
        {"Ratio1", 1, true, "1e300", "at most 8388608"},
        {"Ratio2", 2, true, "8388609", "at most 8388608"},
        {"Ratio1", 1, true, "0.05", "above 0.05882 (1/17)"},
        {"Ratio0", 0, false, "17", "below 17"},
        {"Ratio0", 0, false, "1e-300", "at least 1.192e-07"},
    };
    for (const auto& c : cases)
    {
        QLineEdit* edit = Edit(c.edit);
        const QString kept = edit->text();
        edit->setText(c.text);
        messages.texts.clear();
        EXPECT_FALSE(dialog->OnApply()) << c.text;
        ASSERT_EQ(messages.texts.size(), 1u) << c.text;
        EXPECT_EQ(messages.texts[0],
                  CQZX2410_DRC_Manager::RatioError(c.region, c.bCompression, std::atof(c.text)));
        EXPECT_NE(messages.texts[0].find(c.range), std::string::npos) << messages.texts[0];
        EXPECT_NE(messages.texts[0].find(FormatC("Region %d", c.region)), std::string::npos);
        EXPECT_EQ(edit->selectedText(), c.text);
        EXPECT_EQ(Model().DeviceFileText(), before);
        edit->setText(kept);
    }
    EXPECT_EQ(Model().GetRatio1(), 2.0);
    EXPECT_EQ(Model().Ratio1Text(), "2");

    // The ends of the ranges are taken, and their texts stand within the text panel of a
    // narrow window.
    Edit("Ratio1")->setText("8388608");
    Edit("Ratio0")->setText("16.999");
    Type("Threshold1Text", "-150.123456");
    messages.texts.clear();
    ASSERT_TRUE(dialog->OnApply());
    EXPECT_TRUE(messages.texts.empty());
    EXPECT_EQ(Model().Ratio1Text(), "8388608");
    MakeNarrow(1000);
    ExpectWithinPanel(view,
                      {"Compression 8388608", "Expansion 16.999", "Compression 5", "-150.123",
                       "-88", "Threshold2: ", "Dynamic Range Compression", "DRC Curve"},
                      "-283");
    // A refused ratio leaves the panel as it was.
    Edit("Ratio2")->setText("1e300");
    EXPECT_FALSE(dialog->OnApply());
    ExpectWithinPanel(view, {"Compression 5"}, "-283");
    view->Redraw(true);
    SaveScreenshot(app->m_pMainFrame, dialog, "compression_qzx241x_long_ratio.png");
}
