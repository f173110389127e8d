#include "framework/core/RecordingDC.h"
#include "framework/core/Services.h"

#include <gtest/gtest.h>

TEST(DeviceContext, SelectionReturnsThePreviousObject)
{
    CRecordingDC dc;
    const CPen stock = dc.GetCurrentPen();
    EXPECT_TRUE(stock.IsCreated());
    const CPen red(PS_SOLID, 3, RGB(255, 0, 0));
    EXPECT_EQ(stock, dc.SelectObject(red));
    EXPECT_EQ(red, dc.SelectObject(stock));

    CBrush brush(RGB(1, 2, 3));
    EXPECT_EQ(COLORREF(0xFFFFFF), dc.SelectObject(brush).GetColor());
    CFont font;
    font.CreateFont(80, 700, false, "Arial");
    dc.SelectObject(font);
    EXPECT_EQ(80, dc.GetTextExtent("abc").cy);

    EXPECT_EQ(TA_LEFT | TA_TOP, dc.SetTextAlign(TA_BOTTOM));
    EXPECT_EQ(COLORREF(0), dc.SetTextColor(RGB(9, 9, 9)));
    EXPECT_EQ(R2_COPYPEN, dc.SetROP2(R2_NOT));
    EXPECT_EQ(OPAQUE, dc.SetBkMode(TRANSPARENT));
}

TEST(DeviceContext, DeletingADrawingObjectEmptiesIt)
{
    CPen pen(PS_DASH, 2, 5);
    EXPECT_TRUE(pen.DeleteObject());
    EXPECT_FALSE(pen.IsCreated());
    EXPECT_FALSE(pen.DeleteObject());
}

TEST(DeviceContext, RecordsPrimitivesWithTheStateInEffect)
{
    CRecordingDC dc;
    dc.SelectObject(CPen(PS_DOT, 1, RGB(0, 0, 255)));
    dc.SetROP2(R2_NOT);
    const CPoint pts[3] = {{0, 0}, {10, 10}, {20, 0}};
    EXPECT_TRUE(dc.Polyline(pts, 3));
    EXPECT_FALSE(dc.Polyline(pts, 1));
    dc.SetTextAlign(TA_BOTTOM);
    dc.TextOut(5, 6, "label");
    ASSERT_EQ(2u, dc.Calls().size());
    EXPECT_EQ(CRecordingDC::Op::Polyline, dc.Calls()[0].op);
    EXPECT_EQ(RGB(0, 0, 255), dc.Calls()[0].pen.GetColor());
    EXPECT_EQ(R2_NOT, dc.Calls()[0].rop2);
    EXPECT_EQ("label", dc.Calls()[1].text);
    EXPECT_EQ(unsigned(TA_BOTTOM), dc.Calls()[1].textAlign);
    EXPECT_EQ(50, dc.GetTextExtent("label").cx);
    EXPECT_EQ(DT_RASDISPLAY, dc.GetDeviceCaps(TECHNOLOGY));
}

TEST(DeviceContext, IsotropicCanvasMapping)
{
    // A 4000 x 3000 canvas, y up, on an 800 x 600 window: 5 units per pixel.
    CRecordingDC dc;
    dc.SetMapMode(MM_ISOTROPIC);
    dc.SetWindowExt({4000, 3000});
    dc.SetWindowOrg({0, 0});
    dc.SetViewportOrg({0, 600});
    dc.SetViewportExt({800, -600});
    CPoint p[2] = {{0, 600}, {800, 0}};
    dc.DPtoLP(p, 2);
    EXPECT_EQ((CPoint{0, 0}), p[0]);
    EXPECT_EQ((CPoint{4000, 3000}), p[1]);
    dc.LPtoDP(p, 2);
    EXPECT_EQ((CPoint{800, 0}), p[1]);

    // A wider window keeps square units: the smaller scale serves both axes.
    dc.SetViewportExt({1600, -600});
    CPoint q{1600, 0};
    dc.DPtoLP(&q);
    EXPECT_EQ((CPoint{8000, 3000}), q);
}

TEST(DeviceContext, TextModeIsOneToOne)
{
    CRecordingDC dc;
    CPoint p{12, -7};
    dc.DPtoLP(&p);
    EXPECT_EQ((CPoint{12, -7}), p);
}

TEST(Services, DefaultsAndScriptedDialogs)
{
    EXPECT_EQ(IDOK, Services::MessageBox().Show("to standard error"));
    std::string path = "unchanged";
    EXPECT_FALSE(Services::FileDialogs().AskPath({}, path));
    EXPECT_EQ("unchanged", path);

    CScriptedFileDialogs dialogs;
    dialogs.answers = {"/a/b.crv", ""};
    Services::SetFileDialogs(&dialogs);
    EXPECT_TRUE(Services::FileDialogs().AskPath({}, path));
    EXPECT_EQ("/a/b.crv", path);
    EXPECT_FALSE(Services::FileDialogs().AskPath({}, path));
    EXPECT_FALSE(Services::FileDialogs().AskPath({}, path));
    EXPECT_EQ(3u, dialogs.requests.size());
    Services::SetFileDialogs(nullptr);

    CMemoryWorkingDirectory folder("/x");
    Services::SetWorkingDirectory(&folder);
    Services::WorkingDirectory().Set("/y");
    EXPECT_EQ("/y", folder.Get());
    Services::SetWorkingDirectory(nullptr);
}
