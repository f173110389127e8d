// The QZX2202 compression window in the application window: its control dialog (threshold
// slider and up-down control at their ends, the ratio boxes and their captions' colours,
// Apply, reopening on the current setting) and its view (lines from the model's setting,
// legend, readout along the lines, tooltips, printing).
#include "tests/shell/CompressionWindowFixture.h"

#include "drc/DrcThresholdScale.h"
#include "drc/ui/DRC_View.h"
#include "drc/ui/SpinButtonCtrl.h"

#include <QLabel>
#include <QPrinter>
#include <QToolButton>

namespace
{
constexpr COLORREF kRed = RGB(255, 0, 0);

class QZX2202CompressionTest : public CompressionWindowTest
{
protected:
    void SetUp() override
    {
        CompressionWindowTest::SetUp();
        OpenWindow();
    }
    void OpenWindow()
    {
        Open(CMorvaneApp::ID_DEVICE_QZX2202, CMorvaneApp::ID_DESIGN_QZX2202_COMPRESSION);
        view = ViewOf<CDRC_View>(EDesignWindow::QZX2202Compression);
        ASSERT_NE(view, nullptr);
        dialog = view->GetControlDialog();
        ASSERT_NE(dialog, nullptr);
        slider = Child<QSlider>(dialog, "ThresholdSlider");
        spin = Child<CSpinButtonCtrl>(dialog, "ThresholdSpin");
        text = Child<QLineEdit>(dialog, "ThresholdText");
    }
    QComboBox* Box(const char* pName) const { return Child<QComboBox>(dialog, pName); }
    QColor Caption(const char* pName) const
    {
        return Child<QLabel>(dialog, pName)->palette().color(QPalette::WindowText);
    }
    void Apply() const { Child<QAbstractButton>(dialog, "Apply")->click(); }
    CDRC_Manager& Model() const { return app->m_DRC_Manager; }

    CDRC_View* view = nullptr;
    CDRC_GUI* dialog = nullptr;
    QSlider* slider = nullptr;
    CSpinButtonCtrl* spin = nullptr;
    QLineEdit* text = nullptr;
};

const QColor kAboveInForce(255, 0, 0);
const QColor kBelowInForce(0, 0, 255);
const QColor kGrey(128, 128, 128);
} // namespace

TEST_F(QZX2202CompressionTest, TheThresholdSliderAndItsUpDownControlAtTheirEnds)
{
    EXPECT_EQ(slider->value(), 128);
    EXPECT_EQ(text->text(), "-48.000 db");
    EXPECT_TRUE(text->isReadOnly());

    // Dragged to the bottom.
    slider->setValue(239);
    EXPECT_EQ(text->text(), "-89.625 db");
    EXPECT_EQ(spin->GetPos(), 239);
    EXPECT_EQ(dialog->GetThreshold(), -89.625);
    // A step past the bottom is refused and is not taken for the slider's.
    spin->GetDownButton()->click();
    EXPECT_EQ(spin->GetPos(), 239);
    EXPECT_EQ(slider->value(), 239);
    EXPECT_EQ(text->text(), "-89.625 db");
    EXPECT_EQ(dialog->GetThreshold(), -89.625);
    // Up moves toward 0 dB, and the slider follows.
    spin->GetUpButton()->click();
    EXPECT_EQ(slider->value(), 238);
    EXPECT_EQ(text->text(), "-89.250 db");
    // At the top, up is refused.
    slider->setValue(0);
    EXPECT_EQ(text->text(), "0.000 db");
    EXPECT_FALSE(spin->Step(true));
    EXPECT_EQ(slider->value(), 0);
    // The keyboard moves the slider the way the arrows point.
    slider->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(text->text(), "-0.375 db");
    // Nothing of it reached the model.
    EXPECT_EQ(Model().m_dThreshold, -48.0);
}

TEST_F(QZX2202CompressionTest, TheBoxClosedLastSetsTheRatioInForceAndItsCaptionColour)
{
    EXPECT_EQ(Caption("AboveCompressionLabel"), kAboveInForce);
    EXPECT_EQ(Caption("AboveExpansionLabel"), kGrey);
    EXPECT_EQ(Caption("BelowCompressionLabel"), kGrey);
    EXPECT_EQ(Caption("BelowExpansionLabel"), kBelowInForce);
    for (const char* pName : {"AboveCompression", "AboveExpansion", "BelowCompression",
                              "BelowExpansion", "EnergyTime", "AttackTime", "DecayTime"})
        EXPECT_FALSE(Box(pName)->isEditable()) << pName;
    EXPECT_EQ(Box("AboveCompression")->currentText(), "1.33:1");
    EXPECT_EQ(Box("BelowExpansion")->currentText(), "1:1.38");
    EXPECT_EQ(Box("AboveCompression")->count(), 16);
    EXPECT_EQ(Box("BelowExpansion")->count(), 17);

    // A list that was never open does not close up (the box hides it when it is hidden).
    Box("AboveExpansion")->hidePopup();
    dialog->hide();
    dialog->show();
    EXPECT_EQ(Caption("AboveCompressionLabel"), kAboveInForce);
    EXPECT_EQ(Caption("BelowExpansionLabel"), kBelowInForce);
    // Opened and closed without a new choice: that box's ratio is in force.
    CloseUp(Box("AboveExpansion"));
    CloseUp(Box("BelowCompression"));
    EXPECT_EQ(Caption("AboveExpansionLabel"), kAboveInForce);
    EXPECT_EQ(Caption("AboveCompressionLabel"), kGrey);
    EXPECT_EQ(Caption("BelowCompressionLabel"), kBelowInForce);
    EXPECT_EQ(Caption("BelowExpansionLabel"), kGrey);
    Apply();
    EXPECT_EQ(Model().FormatLine21(), "21 1:1.00\n");
    EXPECT_EQ(Model().FormatLine22(), "22 1.00:1\n");
    EXPECT_EQ(view->m_CRLine.GetName(), "ER = 1:1.00");
    EXPECT_EQ(view->m_ERLine.GetName(), "CR = 1.00:1");
}

TEST_F(QZX2202CompressionTest, ApplyWithoutChangesKeepsTheDefaultsAndTheLegendShowsThem)
{
    const std::string before = Model().FileText();
    Apply();
    EXPECT_TRUE(messages.texts.empty());
    EXPECT_EQ(Model().FileText(), before);
    Paint(view);
    EXPECT_TRUE(HasText(*m_pDC, "CR = 1.33:1"));
    EXPECT_TRUE(HasText(*m_pDC, "ER = 1:1.38"));
    EXPECT_TRUE(HasText(*m_pDC, "-48.000 db"));
    EXPECT_TRUE(HasText(*m_pDC, "Dynamic Range Compression"));
    for (const char* label : {"1:1 Ratio", "Threshold", "Below Threshold", "Above Threshold"})
        EXPECT_TRUE(HasText(*m_pDC, label)) << label;
    // Enter and Esc apply nothing.
    slider->setValue(10);
    for (int key : {Qt::Key_Enter, Qt::Key_Escape})
    {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QCoreApplication::sendEvent(dialog, &press);
    }
    EXPECT_EQ(Model().FileText(), before);
}

TEST_F(QZX2202CompressionTest, ABoxWithoutAnEntryStopsApplyWithAMessage)
{
    const std::string before = Model().FileText();
    slider->setValue(100);
    Box("AboveCompression")->setCurrentIndex(-1);
    Apply();
    ASSERT_EQ(messages.texts.size(), 1u);
    EXPECT_EQ(messages.texts[0],
              "Please choose the compression ratio above the threshold from its list.");
    EXPECT_EQ(Model().FileText(), before);
    // A box whose ratio is not in force is not read.
    Box("AboveCompression")->setCurrentIndex(15);
    Box("AboveExpansion")->setCurrentIndex(-1);
    Apply();
    EXPECT_EQ(messages.texts.size(), 1u);
    EXPECT_EQ(Model().FormatLine21(), "21 16.0:1\n");
    EXPECT_EQ(Model().FormatLine23(), "23 -37.500\n");
}

TEST_F(QZX2202CompressionTest, OnlyTableRatiosAndTheLegendsValuesStayWithinItsPanel)
{
    // Nothing but a table entry can be chosen: no box takes typed text.
    for (const char* name :
         {"AboveCompression", "AboveExpansion", "BelowCompression", "BelowExpansion"})
        EXPECT_FALSE(Box(name)->isEditable()) << name;
    // The longest texts: the lowest threshold, the 16:1 compression above it.
    slider->setValue(DrcThreshold::kSliderMax);
    Box("AboveCompression")->setCurrentIndex(15);
    CloseUp(Box("AboveCompression"));
    Apply();
    EXPECT_TRUE(messages.texts.empty());
    MakeNarrow(1000);
    ExpectWithinPanel(view,
                      {Model().FormatThresholdDb(), Model().FormatBelowRatioLabel(),
                       Model().FormatAboveRatioLabel(), "Below Threshold",
                       "Dynamic Range Compression"},
                      "-89.625");
    EXPECT_EQ(Model().FormatAboveRatioLabel(), "CR = 16.0:1");
    view->Redraw(true);
    SaveScreenshot(app->m_pMainFrame, dialog, "compression_qzx2202_narrow.png");
}

TEST_F(QZX2202CompressionTest, ReopeningTheWindowShowsTheSettingInForce)
{
    slider->setValue(100);
    Box("AboveExpansion")->setCurrentIndex(3);
    CloseUp(Box("AboveExpansion"));
    Box("BelowCompression")->setCurrentIndex(5);
    CloseUp(Box("BelowCompression"));
    Box("EnergyTime")->setCurrentIndex(2);
    Box("AttackTime")->setCurrentIndex(7);
    Box("DecayTime")->setCurrentIndex(11);
    Apply();
    const std::string applied = Model().FileText();
    EXPECT_EQ(applied, "21 1:1.19\n22 1.45:1\n23 -37.500\n24 6.7ms\n25 212ms\n26 2.4sec\n"
                       "02 1A 2A 8B 60 B0 F0\n");

    ASSERT_TRUE(app->ExecuteCommand(CMorvaneApp::ID_DESIGN_EQ_FILTERS));
    EXPECT_EQ(app->m_pDRC_MDI, nullptr);
    OpenWindow();
    // The model was not put back to its defaults, and the dialog shows its setting.
    EXPECT_EQ(Model().FileText(), applied);
    EXPECT_EQ(slider->value(), 100);
    EXPECT_EQ(text->text(), "-37.500 db");
    EXPECT_EQ(spin->GetPos(), 100);
    EXPECT_EQ(Box("AboveExpansion")->currentIndex(), 3);
    EXPECT_EQ(Box("AboveCompression")->currentIndex(), 4);
    EXPECT_EQ(Box("BelowCompression")->currentIndex(), 5);
    EXPECT_EQ(Box("EnergyTime")->currentIndex(), 2);
    EXPECT_EQ(Box("AttackTime")->currentIndex(), 7);
    EXPECT_EQ(Box("DecayTime")->currentIndex(), 11);
    EXPECT_EQ(Caption("AboveExpansionLabel"), kAboveInForce);
    EXPECT_EQ(Caption("BelowCompressionLabel"), kBelowInForce);
    // Apply at once changes nothing.
    Apply();
    EXPECT_EQ(Model().FileText(), applied);
}

TEST_F(QZX2202CompressionTest, TheLinesAreThoseOfTheModelsSetting)
{
    // The 1:1 line is fixed; the others follow the model, from the start.
    EXPECT_EQ(view->m_RatioLine.m_pDblPt[0], (CDoublePoint{-89.625, -89.625}));
    EXPECT_EQ(view->m_RatioLine.m_pDblPt[1], (CDoublePoint{0.0, 0.0}));
    const std::vector<CCompressionCurve> lines = Model().ViewLines();
    const CCurveLine* shown[] = {&view->m_VertThresholdLine, &view->m_HorzThresholdLine,
                                 &view->m_CRLine, &view->m_ERLine};
    for (int i = 0; i < 4; ++i)
    {
        EXPECT_EQ(shown[i]->GetName(), lines[i].label);
        EXPECT_EQ(shown[i]->GetColor(), lines[i].color);
        EXPECT_EQ(shown[i]->m_pDblPt[0], lines[i].points[0]);
        EXPECT_EQ(shown[i]->m_pDblPt[1], lines[i].points[1]);
    }
    EXPECT_EQ(view->m_VertThresholdLine.m_pDblPt[0], (CDoublePoint{-48.0, -48.0}));
    EXPECT_EQ(view->GetCurveArray().size(), 5u);

    // A model changed before the window opens is what the window shows.
    CDrcSetting s = Model().GetSetting();
    s.dThreshold = -60.0;
    s.nBelowExpansion = 16;
    ASSERT_TRUE(Model().ApplySetting(s));
    ASSERT_TRUE(app->ExecuteCommand(CMorvaneApp::ID_DESIGN_EQ_FILTERS));
    OpenWindow();
    EXPECT_EQ(view->m_VertThresholdLine.m_pDblPt[0], (CDoublePoint{-60.0, -60.0}));
    EXPECT_EQ(view->m_ERLine.GetName(), "ER = 1:2.00");
    EXPECT_EQ(view->m_ERLine.m_pDblPt[1], (CDoublePoint{-74.8125, -89.625}));
    EXPECT_EQ(text->text(), "-60.000 db");
}

TEST_F(QZX2202CompressionTest, TheReadoutSlidesAlongALineAndTheTooltipNamesIt)
{
    view->Redraw(true);
    const CBasicGraph& graph = view->GetGraph();
    const CCurveLine& er = view->m_ERLine;
    // Halfway along the expansion line below the threshold.
    const CDoublePoint a = er.m_pDblPt[0], b = er.m_pDblPt[1];
    const CDoublePoint middle{(a.x + b.x) / 2, (a.y + b.y) / 2};
    const CPoint onLine = CanvasToPixel(graph, er.DataToLogical(middle));
    view->OnMouseMove(onLine);
    EXPECT_EQ(view->GetToolTipText(onLine), "ER = 1:1.38");
    const CPoint farAway = CanvasToPixel(graph, er.DataToLogical({-5.0, -85.0}));
    view->OnMouseMove(farAway);
    EXPECT_EQ(view->GetToolTipText(farAway), "");

    view->OnLButtonDown(onLine);
    EXPECT_EQ(view->m_CurveEdit.m_pCurveBeingFollowed, &er);
    EXPECT_EQ(view->m_CoordDisplay.m_strTitle, "ER = 1:1.38");
    // Moved well off the line: the readout stays on it.
    const CPoint off = CanvasToPixel(graph, er.DataToLogical({-60.0, -40.0}));
    view->OnMouseMove(off);
    const CDoublePoint p = view->m_CoordDisplay.m_DataPoint;
    const double slope = (b.y - a.y) / (b.x - a.x);
    EXPECT_NEAR(p.x, -60.0, 0.2);
    EXPECT_NEAR(p.y, a.y + (p.x - a.x) * slope, 0.2);
    // While the frame's resize timer runs the readout stays put.
    app->m_DRC_Info.m_bTimerOn = 1;
    view->OnMouseMove(CanvasToPixel(graph, er.DataToLogical({-70.0, -40.0})));
    EXPECT_EQ(view->m_CoordDisplay.m_DataPoint, p);
    app->m_DRC_Info.m_bTimerOn = 0;
    // A vertical line moves the readout up and down it.
    view->OnRButtonDown(off);
    Paint(view);
    const CCurveLine& vertical = view->m_VertThresholdLine;
    view->OnLButtonDown(CanvasToPixel(graph, vertical.DataToLogical({-48.0, -70.0})));
    ASSERT_EQ(view->m_CurveEdit.m_pCurveBeingFollowed, &vertical);
    view->OnMouseMove(CanvasToPixel(graph, vertical.DataToLogical({-30.0, -80.0})));
    EXPECT_NEAR(view->m_CoordDisplay.m_DataPoint.x, -48.0, 0.2);
    EXPECT_NEAR(view->m_CoordDisplay.m_DataPoint.y, -80.0, 0.2);
    // Apply draws the new lines and clears the readout.
    Apply();
    Paint(view);
    EXPECT_EQ(view->m_CoordDisplay.GetState(), CCoordDisplay::kOff);
}

TEST_F(QZX2202CompressionTest, PrintingDrawsTheWholeViewOnThePage)
{
    slider->setValue(60);
    Apply();
    Paint(view, DT_RASPRINTER);
    int nRedLines = 0;
    for (const CRecordingDC::Call& call : m_pDC->CallsOf(CRecordingDC::Op::Polyline))
        nRedLines += call.pen.GetColor() == kRed;
    EXPECT_EQ(nRedLines, 2); // the ratio line and its legend line
    EXPECT_TRUE(HasText(*m_pDC, "-22.500 db"));
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString((Folder() / "drc.pdf").string()));
    EXPECT_TRUE(view->PrintTo(printer));
    EXPECT_GT(std::filesystem::file_size(Folder() / "drc.pdf"), 1000u);
}
