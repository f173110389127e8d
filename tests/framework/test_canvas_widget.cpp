#include "QtTestApp.h"
#include "framework/ui/CanvasWidget.h"
#include "framework/ui/ToolTipHelper.h"
#include "graph/BasicGraph.h"
#include "graph/CoordDisplay.h"
#include "graph/Curve.h"
#include "graph/CurveEdit.h"
#include "tests/graph/EditScene.h"

#include <gtest/gtest.h>

#include <QTest>

#include <cmath>

namespace
{
// A small graph view of the editing scene whose curve the user can redraw a section of
// with the mouse.
class EditView : public CCanvasWidget, public CEditScene
{
public:
    EditView()
    {
        AttachView(this, RGB(255, 0, 0));
        resize(800, 600);
    }

    std::string GetToolTipText(CPoint pixel) const override
    {
        const CCurve* nearest = edit.FindNearestCurve(pixel.x, pixel.y);
        return nearest ? nearest->GetName() : std::string();
    }

    int presses = 0;

protected:
    void OnDraw(CDC* pDC) override
    {
        graph.Draw(this, pDC);
        graph.DrawRegions(pDC);
        curve.LayoutInRect(graph.m_PlotRegion.m_Rect, &dataWindow);
        curve.Draw(pDC);
        edit.DrawTemporaryCurve(pDC);
    }
    void OnLButtonDown(CPoint p) override
    {
        ++presses;
        edit.OnLButtonDown(p);
    }
    void OnMouseMove(CPoint p) override
    {
        if (edit.OnMouseMove(p))
            Invalidate(false);
    }
    void OnLButtonUp(CPoint p) override
    {
        edit.OnLButtonUp(p, &graph.m_PlotRegion.m_Rect, &dataWindow);
    }
};

QPoint Pixel(double x, double y)
{
    const CPoint p = EditPixel(x, y);
    return {p.x, p.y};
}
} // namespace

TEST(CanvasWidget, PressMoveReleaseReplacesASection)
{
    TestApp();
    EditView view;
    view.show();
    view.Redraw(true);
    EXPECT_EQ((CRect{0, 0, 800, 600}), view.GetClientRect());
    ASSERT_TRUE(view.edit.BeginNewCurve(100, 2, PS_SOLID, 0x00FF00, 1, 0));

    QTest::mousePress(&view, Qt::LeftButton, {}, Pixel(2.5, 5));
    QTest::mouseMove(&view, Pixel(4.0, 5));
    QTest::mouseMove(&view, Pixel(5.5, 5));
    view.Redraw(false);
    // The section drawn so far is green on the retained image.
    EXPECT_EQ(qRgb(0, 255, 0), view.RetainedImage().pixel(Pixel(4.5, 5)) | 0xFF000000);
    QTest::mouseRelease(&view, Qt::LeftButton, {}, Pixel(6.5, 5));

    EXPECT_EQ(1, view.presses);
    ASSERT_TRUE(view.edit.IsNewCurveComplete());
    EXPECT_EQ(&view.curve, view.edit.GetCurveBeingEdited());
    const double expected[9] = {0, 0, 5, 5, 5, 5, 0, 0, 0};
    for (int i = 0; i < 9; ++i)
        EXPECT_NEAR(expected[i], view.curve.m_pDblPt[i].y, 0.05) << i;
    view.edit.EndNewCurve();

    // A full repaint shows the edited curve: the point at x = 4 now lies at y = 5.
    view.Redraw(true);
    EXPECT_EQ(qRgb(255, 0, 0), view.RetainedImage().pixel(Pixel(4.0, 5)) | 0xFF000000);
}

TEST(CanvasWidget, TooltipNamesTheNearestCurveUnlessFollowing)
{
    TestApp();
    EditView view;
    view.Redraw(true);
    view.curve.LayoutInRect(view.graph.m_PlotRegion.m_Rect, &view.dataWindow);
    auto* tip = dynamic_cast<CToolTipHelper*>(view.edit.m_ToolTip.get());
    ASSERT_NE(nullptr, tip);
    EXPECT_TRUE(tip->IsActive());
    EXPECT_EQ("Raw Response Curve", tip->TextAt(&view, Pixel(3, 1)));
    view.edit.m_TooltipsOffMode.TurnOn(); // following a curve
    EXPECT_FALSE(tip->IsActive());
    EXPECT_EQ("", tip->TextAt(&view, Pixel(3, 1)));
    view.edit.m_TooltipsOffMode.TurnOff();
    EXPECT_TRUE(tip->IsActive());

    // A rectangle tool answers only inside its rectangle.
    CToolTipHelper rectTip;
    ASSERT_TRUE(rectTip.AddRectTool(
        &view, [](CPoint) { return std::string("corner"); }, {0, 0, 10, 10}, 7));
    EXPECT_EQ("corner", rectTip.TextAt(&view, {5, 5}));
    EXPECT_EQ("", rectTip.TextAt(&view, {50, 50}));
    EXPECT_FALSE(rectTip.AddControl(nullptr, [](CPoint) { return std::string(); }));
}
