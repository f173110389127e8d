// The filter view's pointer, offscreen on a real speaker document: the coordinate readout
// that follows a filter curve, the tooltip, and the graphical edits of filters with their
// confirmations.
#include "shell/views/FilterView.h"
#include "shell/views/PhaseFilterView.h"

#include "framework/core/RecordingDC.h"
#include "tests/document/CalculationFixture.h"
#include "tests/framework/QtTestApp.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QToolTip>

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>
#include <utility>
#include <vector>

// The dialog resource numbers of the four confirmations.
int DialogId(EConfirmMark kind)
{
    switch (kind)
    {
    case EConfirmMark::Active:
        return 174;
    case EConfirmMark::Inactive:
        return 175;
    case EConfirmMark::Fixed:
        return 168;
    case EConfirmMark::Modifiable:
        return 167;
    }
    return 0;
}

class FilterViewPointerTest : public CalculationTest
{
protected:
    void SetUp() override
    {
        TestApp();
        CalculationTest::SetUp();
        doc->m_FilterAutomaticScaling.TurnOff();
        doc->m_PhaseFilterAutomaticScaling.TurnOff();
        filterView = std::make_unique<CFilterView>(*doc);
        phaseView = std::make_unique<CPhaseFilterView>(*doc);
        filterView->resize(800, 600);
        phaseView->resize(800, 600);
        filterView->OnInitialUpdate();
        phaseView->OnInitialUpdate();
        filterView->m_Confirm = [this](EConfirmMark kind, const std::string& name)
        {
            confirmations.emplace_back(DialogId(kind), name);
            return bConfirm;
        };
        filterView->m_EditActions.deleteFilter = [this](const std::string& name)
        { return Record("delete " + name); };
        filterView->m_EditActions.setModifiable = [this](const std::string& name)
        { return Record("modifiable " + name); };
        filterView->m_EditActions.setFixed = [this](const std::string& name)
        { return Record("fixed " + name); };
        filterView->m_EditActions.setActive = [this](const std::string& name, bool bActive)
        { return Record((bActive ? "active " : "inactive ") + name); };
    }
    void TearDown() override
    {
        filterView.reset();
        phaseView.reset();
        CalculationTest::TearDown();
    }
    bool Record(const std::string& call)
    {
        calls.push_back(call);
        return bDocumentAgrees;
    }

    // Flat curves, one per (label, level in dB), handed over as Draw Filters does, then
    // a paint of the 800 by 600 client area (which sets the pixel mapping up).
    void DrawLevels(const std::vector<std::pair<std::string, double>>& curves)
    {
        std::vector<double> x;
        for (int i = 0; i < 50; ++i)
            x.push_back(1.5 + 2.5 * i / 49.0);
        doc->m_LogFrequencies = mwMatrix(50, 1, x.data(), nullptr, 1);
        doc->m_DrawnLabels.clear();
        doc->m_DrawnActiveFlags.clear();
        for (const auto& [label, level] : curves)
        {
            doc->m_DrawnMagnitudes.Add(Column(50, level));
            doc->m_DrawnPhases.Add(Column(50, level));
            doc->m_DrawnLabels.push_back(label);
            doc->m_DrawnActiveFlags.push_back(1);
        }
        doc->UpdateAllViews(nullptr, kHintDrawFilters);
        doc->m_DrawnMagnitudes.RemoveAll();
        doc->m_DrawnPhases.RemoveAll();
        Paint();
    }
    void Paint()
    {
        CRecordingDC dc;
        dc.SetDeviceCaps(TECHNOLOGY, DT_RASDISPLAY);
        filterView->OnDraw(&dc);
    }
    // The client pixel of a data point (log10 Hz, dB), dyCanvas canvas units above it.
    CPoint PixelOf(double x, double y, int dyCanvas = 0) const
    {
        const CBasicGraph& graph = filterView->GetGraph();
        CPoint p = filterView->GetCurves().front()->DataToLogical({x, y});
        p.y += dyCanvas;
        const double px = double(p.x) * graph.GetDeviceWidth() / graph.GetWidth();
        const double py =
            graph.GetDeviceHeight() - double(p.y) * graph.GetDeviceHeight() / graph.GetHeight();
        return {int(std::lround(px)), int(std::lround(py))};
    }
    void Send(QEvent::Type type, Qt::MouseButton button, CPoint p)
    {
        const QPointF at(p.x, p.y);
        QMouseEvent event(type, at, filterView->mapToGlobal(at), button,
                          type == QEvent::MouseMove ? Qt::NoButton : button, Qt::NoModifier);
        QCoreApplication::sendEvent(filterView.get(), &event);
    }
    void Click(CPoint p) { Send(QEvent::MouseButtonPress, Qt::LeftButton, p); }
    void TurnOn(IFilterView::EEditMode mode) { doc->OnEditGraphicalMode(mode); }

    std::unique_ptr<CFilterView> filterView;
    std::unique_ptr<CPhaseFilterView> phaseView;
    std::vector<std::pair<int, std::string>> confirmations;
    std::vector<std::string> calls;
    bool bConfirm = true;
    bool bDocumentAgrees = true;
};

TEST_F(FilterViewPointerTest, AClickFollowsTheNearestCurveAndASecondOneFreezesTheReadout)
{
    DrawLevels({{"EQ-1", 5.0}, {"EQ-2", -5.0}});
    CCurveEdit& edit = filterView->m_CurveEdit;
    Click(PixelOf(3.0, -4.0));
    ASSERT_EQ(edit.m_pCurveBeingFollowed, filterView->GetCurves()[1]);
    EXPECT_EQ(filterView->m_CoordDisplay.m_strTitle, "EQ-2");
    EXPECT_TRUE(edit.m_TooltipsOffMode.IsOn());
    EXPECT_NEAR(filterView->m_CoordDisplay.m_DataPoint.y, -5.0, 1e-9);

    Send(QEvent::MouseMove, Qt::NoButton, PixelOf(2.0, 0.0));
    EXPECT_NEAR(filterView->m_CoordDisplay.m_DataPoint.x, 2.0, 0.02);
    EXPECT_EQ(filterView->m_CoordDisplay.GetState(), CCoordDisplay::kTracking);
    // No tooltip while the crosshair follows the pointer.
    EXPECT_EQ(filterView->GetToolTipText(PixelOf(2.0, -5.0)), "");

    Click(PixelOf(2.5, 5.0));
    EXPECT_EQ(filterView->m_CoordDisplay.GetState(), CCoordDisplay::kFrozen);
    EXPECT_TRUE(edit.m_ReadyToFollowMode.IsOn());
    Send(QEvent::MouseMove, Qt::NoButton, PixelOf(3.5, 0.0));
    EXPECT_NEAR(filterView->m_CoordDisplay.m_DataPoint.x, 2.0, 0.02);

    Send(QEvent::MouseButtonPress, Qt::RightButton, PixelOf(3.0, 0.0));
    Paint();
    EXPECT_EQ(filterView->m_CoordDisplay.GetState(), CCoordDisplay::kOff);
    EXPECT_EQ(edit.m_pCurveBeingFollowed, nullptr);
}

TEST_F(FilterViewPointerTest, TheCrosshairStaysWhileTheFrameIsBeingResized)
{
    DrawLevels({{"EQ-1", 5.0}});
    bool bResizing = false;
    filterView->m_IsFrameResizing = [&] { return bResizing; };
    Click(PixelOf(3.0, 5.0));
    bResizing = true;
    Send(QEvent::MouseMove, Qt::NoButton, PixelOf(2.0, 5.0));
    EXPECT_NEAR(filterView->m_CoordDisplay.m_DataPoint.x, 3.0, 0.02);
    bResizing = false;
    Send(QEvent::MouseMove, Qt::NoButton, PixelOf(2.0, 5.0));
    EXPECT_NEAR(filterView->m_CoordDisplay.m_DataPoint.x, 2.0, 0.02);
}

TEST_F(FilterViewPointerTest, TheTooltipNamesTheCurveUnderThePointerCutTo79Characters)
{
    const std::string longName = "EQ-1, " + std::string(100, 'x');
    DrawLevels({{longName, 5.0}, {"EQ-2", -5.0}});
    EXPECT_EQ(filterView->GetToolTipText(PixelOf(3.0, 5.0)), longName.substr(0, 79));
    EXPECT_EQ(filterView->GetToolTipText(PixelOf(3.0, -5.0, 20)), "EQ-2");
    EXPECT_EQ(filterView->GetToolTipText(PixelOf(3.0, 0.0)), "");
}

// Lets the event loop run for about ms milliseconds (the views' timers fire meanwhile).
void RunEvents(int ms)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

TEST_F(FilterViewPointerTest, BothViewsTakeTheTipAwayOnceThePointerHasMoved)
{
    DrawLevels({{"EQ-1", 5.0}});
    for (CFilterCurveView* view : {static_cast<CFilterCurveView*>(filterView.get()),
                                   static_cast<CFilterCurveView*>(phaseView.get())})
    {
        view->show();
        RunEvents(50);
        CRecordingDC dc;
        dc.SetDeviceCaps(TECHNOLOGY, DT_RASDISPLAY);
        view->OnDraw(&dc);
        // A pixel on the curve in this view's own mapping.
        const CBasicGraph& graph = view->GetGraph();
        const CPoint canvas = view->GetCurves().front()->DataToLogical({3.0, 5.0});
        const CPoint on{
            int(std::lround(double(canvas.x) * graph.GetDeviceWidth() / graph.GetWidth())),
            int(std::lround(graph.GetDeviceHeight() -
                            double(canvas.y) * graph.GetDeviceHeight() / graph.GetHeight()))};
        auto move = [view](CPoint p)
        {
            const QPointF at(p.x, p.y);
            QMouseEvent event(QEvent::MouseMove, at, view->mapToGlobal(at), Qt::NoButton,
                              Qt::NoButton, Qt::NoModifier);
            QCoreApplication::sendEvent(view, &event);
        };
        move(on);
        // The pointer rests: the tooltip asks for its text and shows it.
        QHelpEvent rest(QEvent::ToolTip, QPoint(on.x, on.y), view->mapToGlobal(QPoint(on.x, on.y)));
        QCoreApplication::sendEvent(view, &rest);
        ASSERT_TRUE(QToolTip::isVisible());
        EXPECT_EQ(QToolTip::text(), "EQ-1");
        EXPECT_TRUE(view->IsToolTipTimerRunning());
        RunEvents(250);
        EXPECT_TRUE(QToolTip::isVisible());
        EXPECT_TRUE(view->IsToolTipTimerRunning());

        // Moving along the curve leaves the tip to the view, which takes it away at its next
        // tick and keeps the tooltip on for the next rest.
        move({on.x + 3, on.y});
        RunEvents(600);
        EXPECT_FALSE(QToolTip::isVisible());
        EXPECT_FALSE(view->IsToolTipTimerRunning());
        EXPECT_TRUE(view->m_CurveEdit.m_ToolTip->IsActive());
        view->hide();
    }
}

TEST_F(FilterViewPointerTest, ACurveCountsAsHitUpTo50CanvasUnitsAway)
{
    DrawLevels({{"EQ-1", 0.0}});
    const CCurve* pCurve = filterView->GetCurves().front();
    const CPoint on = PixelOf(3.0, 0.0);
    bool bSawHit = false, bSawMiss = false;
    for (int dy = 5; dy <= 15; ++dy)
    {
        CPoint pixel{on.x, on.y - dy};
        CPoint canvas = pixel;
        filterView->GetGraph().DeviceToLogical(&canvas);
        const bool bWithin = pCurve->DistanceTo(canvas.x, canvas.y) <= 50.0;
        EXPECT_EQ(filterView->GetToolTipText(pixel) == "EQ-1", bWithin) << dy;
        (bWithin ? bSawHit : bSawMiss) = true;
    }
    EXPECT_TRUE(bSawHit);
    EXPECT_TRUE(bSawMiss);
}

TEST_F(FilterViewPointerTest, DeleteModeRemovesTheFilterAndItsPhaseCurveOnAHitOnly)
{
    DrawLevels({{"EQ-1", 5.0}, {"EQ-2", -5.0}});
    doc->m_ParameterFile.Clear();
    TurnOn(IFilterView::kDeleteFilters);
    Click(PixelOf(3.0, 0.0)); // far from both
    EXPECT_TRUE(calls.empty());
    EXPECT_EQ(filterView->m_CurveEdit.m_pCurveBeingFollowed, nullptr);
    EXPECT_TRUE(filterView->m_CurveEdit.m_ReadyToFollowMode.IsOn());

    bDocumentAgrees = false;
    Click(PixelOf(3.0, 5.0));
    EXPECT_EQ(filterView->GetCurves().size(), 2u);
    EXPECT_FALSE(doc->m_ParameterFile.m_ChangedMode.IsOn());

    bDocumentAgrees = true;
    Click(PixelOf(3.0, 5.0, 40));
    EXPECT_EQ(calls, (std::vector<std::string>{"delete EQ-1", "delete EQ-1"}));
    ASSERT_EQ(filterView->GetCurves().size(), 1u);
    EXPECT_EQ(filterView->GetCurves()[0]->GetName(), "EQ-2");
    ASSERT_EQ(phaseView->GetCurves().size(), 1u);
    EXPECT_EQ(phaseView->GetCurves()[0]->GetName(), "EQ-2");
    EXPECT_TRUE(doc->m_ParameterFile.m_ChangedMode.IsOn());
    EXPECT_TRUE(confirmations.empty());
}

TEST_F(FilterViewPointerTest, MarksAskFirstAndCancelChangesNothing)
{
    DrawLevels({{"EQ-1", 5.0}, {"TS-1", -5.0}});
    doc->m_ParameterFile.Clear();
    const struct
    {
        IFilterView::EEditMode mode;
        double dLevel;
        bool bConfirm;
        int nDialog;       // 0: no question
        const char* pCall; // nullptr: no document call
    } cases[] = {
        {IFilterView::kMarkModifiable, 5.0, true, 167, "modifiable EQ-1"},
        {IFilterView::kMarkFixed, 5.0, false, 168, nullptr},
        {IFilterView::kMarkFixed, -5.0, true, 0, nullptr}, // a shelf filter: nothing
        {IFilterView::kMarkActive, -5.0, true, 174, "active TS-1"},
        {IFilterView::kMarkInactive, 5.0, false, 175, nullptr},
    };
    for (const auto& c : cases)
    {
        confirmations.clear();
        calls.clear();
        bConfirm = c.bConfirm;
        if (filterView->GetEditMode(c.mode).IsOff())
            TurnOn(c.mode);
        Click(PixelOf(3.0, c.dLevel));
        EXPECT_EQ(confirmations.size(), c.nDialog ? 1u : 0u) << c.mode;
        if (c.nDialog && !confirmations.empty())
        {
            EXPECT_EQ(confirmations[0].first, c.nDialog);
        }
        EXPECT_EQ(calls, c.pCall ? std::vector<std::string>{c.pCall} : std::vector<std::string>{});
        EXPECT_EQ(filterView->m_CurveEdit.m_pCurveBeingFollowed, nullptr) << c.mode;
    }
    EXPECT_TRUE(doc->m_ParameterFile.m_ChangedMode.IsOn());
    EXPECT_EQ(filterView->GetCurves().size(), 2u);
}

TEST_F(FilterViewPointerTest, MarkingInactiveGreysTheCurveEvenWhenTheDocumentRefuses)
{
    DrawLevels({{"EQ-1", 5.0}});
    bDocumentAgrees = false;
    doc->m_ParameterFile.Clear();
    TurnOn(IFilterView::kMarkInactive);
    Click(PixelOf(3.0, 5.0));
    EXPECT_TRUE(filterView->GetCurves()[0]->m_ActiveMode.IsOff());
    EXPECT_FALSE(doc->m_ParameterFile.m_ChangedMode.IsOn());
}

TEST_F(FilterViewPointerTest, TheEQOnlyMarksLeaveTheClickToTheReadoutWithoutEQFilters)
{
    DrawLevels({{"301", 5.0}, {"TS-1", -5.0}});
    EXPECT_FALSE(filterView->HasEQFilterCurve());
    filterView->m_MarkModifiableMode.TurnOn();
    Click(PixelOf(3.0, 5.0));
    EXPECT_TRUE(confirmations.empty());
    EXPECT_EQ(filterView->m_CurveEdit.m_pCurveBeingFollowed, filterView->GetCurves()[0]);
}

TEST_F(FilterViewPointerTest, EachEditModeHasItsCursor)
{
    DrawLevels({{"EQ-1", 5.0}});
    EXPECT_EQ(filterView->EditCursor(), Qt::CrossCursor);
    std::vector<Qt::CursorShape> shapes;
    for (auto mode :
         {IFilterView::kDeleteFilters, IFilterView::kMarkActive, IFilterView::kMarkInactive,
          IFilterView::kMarkModifiable, IFilterView::kMarkFixed})
    {
        TurnOn(mode);
        shapes.push_back(filterView->EditCursor());
        EXPECT_NE(shapes.back(), Qt::CrossCursor) << mode;
    }
    std::sort(shapes.begin(), shapes.end());
    EXPECT_EQ(std::unique(shapes.begin(), shapes.end()), shapes.end());
}
