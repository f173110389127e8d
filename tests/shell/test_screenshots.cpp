// The application window as a new user meets it, offscreen: a two-way speaker measured at
// about 85 dB SPL opened, desired curves read, a calculation run, then the main window as
// large as the screen (CTest runs this on screens of 1600 by 1000 and 1024 by 700
// pixels, and 800 by 800), the settings sheet, the filter editor and the log-sample dialog. The
// pictures are left in this build folder (screenshot_*_<screen>.png) for a person to look at; the
// tests assert what can be told without eyes: the windows fill the client area and the
// dialogs show their tabs, headings and titles.
#include "../framework/QtTestApp.h"

#include "document/MorvaneDoc.h"
#include "framework/core/Services.h"
#include "framework/ui/PainterDC.h"
#include "graph/Curve.h"
#include "graph/CurveFile.h"
#include "shell/dialogs/LogSampleDlg.h"
#include "shell/dialogs/Settings.h"
#include "shell/filtereditor/FilterEditGrid.h"
#include "shell/ui/FilterMDIChild.h"
#include "shell/ui/MainFrm.h"
#include "shell/ui/MiniFrame.h"
#include "shell/ui/MorvaneApp.h"
#include "shell/ui/PhaseFilterMDIChild.h"
#include "shell/ui/PhaseMDIChild.h"
#include "shell/ui/ResponseMDIChild.h"
#include "shell/views/FilterView.h"
#include "shell/views/MorvaneView.h"
#include "shell/views/PhaseFilterView.h"
#include "shell/views/PhaseView.h"
#include "tests/document/DocumentFakes.h"
#include "tests/shell/CalculatedAppFixture.h"
#include "tests/shell/GraphPixels.h"
#include "tests/shell/ModalDialogs.h"
#include "tests/shell/TextPlacement.h"

#include <QCoreApplication>
#include <QImage>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <filesystem>
#include <fstream>
#include <memory>

#include <unistd.h>

namespace
{
namespace fs = std::filesystem;

class ScreenshotTest : public CalculatedAppTest
{
protected:
    static std::string ScreenTag()
    {
        return std::to_string(ScreenSize().width()) + "x" + std::to_string(ScreenSize().height());
    }
    void Save(QWidget& widget, const std::string& name)
    {
        const QString path = QString(MORVANE_TEST_OUTPUT_DIR) + "/" + QString::fromStdString(name);
        EXPECT_TRUE(widget.grab().save(path)) << name;
    }
};
} // namespace

TEST_F(ScreenshotTest, TheMainWindowAfterACalculationAtRealLevels)
{
    // The main window as large as the screen, as it opens maximized.
    const QSize screen = ScreenSize();
    ResizeMainWindow(screen.width(), screen.height());
    ASSERT_NO_FATAL_FAILURE(OpenAndCalculate());
    // The readout follows the modified response where it lies farthest from every other
    // curve; it names the curve.
    auto* pView = dynamic_cast<CMorvaneView*>(app->m_pResponseMDI->GetView());
    ASSERT_NE(pView, nullptr);
    long best = 0;
    double bestGap = 0.0;
    for (long i = 0; i < pView->m_ModifiedCurve.GetTotalPoints(); ++i)
    {
        double gap = 1e9;
        for (const CCurve* pOther :
             {&pView->m_RawCurve, &pView->m_DesiredCurve, &pView->m_UpperBoundCurve,
              &pView->m_LowerBoundCurve, &pView->m_PriorModifiedCurve})
            if (pOther->GetTotalPoints() > i)
                gap = std::min(
                    gap, std::fabs(pOther->m_pDblPt[i].y - pView->m_ModifiedCurve.m_pDblPt[i].y));
        if (gap > bestGap)
            best = i, bestGap = gap;
    }
    const CPoint pixel = PixelOfPoint(pView->GetGraph(), pView->m_ModifiedCurve, best);
    pView->OnLButtonDown(pixel);
    pView->OnMouseMove(pixel);
    EXPECT_EQ(pView->m_CoordDisplay.m_strTitle, "Modified Response Curve");
    Settle();
    Save(*app->m_pMainFrame, "screenshot_main_" + ScreenTag() + ".png");
    const CRect client = app->m_pMainFrame->GetMDIClientRect();
    EXPECT_EQ(app->m_pFilterMDI->geometry().bottom() + 1, client.bottom);
    EXPECT_EQ(app->m_pResponseMDI->geometry().width(), client.right);
    ASSERT_TRUE(app->ExecuteCommand(CMorvaneApp::ID_VIEW_FOUR_WINDOWS));
    Settle();
    Save(*app->m_pMainFrame, "screenshot_four_windows_" + ScreenTag() + ".png");
}

TEST_F(ScreenshotTest, TheDialogsShowTheirTabsHeadingsAndTitles)
{
    ResizeMainWindow(ScreenSize().width(), ScreenSize().height());
    ASSERT_NO_FATAL_FAILURE(OpenAndCalculate());
    CSettings sheet(132, doc, app->m_pMainFrame);
    CSettingsSheetValues values;
    doc->FillSettingsSheet(values);
    sheet.SetValues(values);
    sheet.show();
    Settle();
    Save(sheet, "screenshot_settings_" + ScreenTag() + ".png");
    // All eight tabs in the row, none behind scroll arrows, on a screen wide enough for
    // them (a narrower one keeps the arrows).
    const QTabWidget* tabs = sheet.findChild<QTabWidget*>();
    if (ScreenSize().width() >= 1024)
        EXPECT_LE(tabs->tabBar()->tabRect(tabs->count() - 1).right(), tabs->tabBar()->width());
    else
        EXPECT_TRUE(tabs->usesScrollButtons());

    ASSERT_TRUE(app->ExecuteCommand(CMorvaneApp::ID_EDIT_FILTER_PARAMETERS));
    CMiniFrame* pEditor = app->m_pMainFrame->m_pPropFrame;
    ASSERT_NE(pEditor, nullptr);
    Settle();
    Save(*pEditor, "screenshot_edit_filters_" + ScreenTag() + ".png");
    // Every heading of the widest page fits its column.
    const auto* pGrid = pEditor->findChild<CFilterEditGrid*>();
    ASSERT_NE(pGrid, nullptr);
    for (int c = 0; c < pGrid->columnCount(); ++c)
        EXPECT_GE(pGrid->columnWidth(c), pGrid->fontMetrics().horizontalAdvance(
                                             QString::fromStdString(pGrid->GetTextMatrix(0, c))))
            << pGrid->GetTextMatrix(0, c);

    CLogSampleDlg logSample(app->m_pMainFrame);
    logSample.show();
    Settle();
    Save(logSample, "screenshot_log_sample_" + ScreenTag() + ".png");
    // The caption in a bold title bar beside an icon and three buttons.
    QFont bold = QApplication::font();
    bold.setBold(true);
    const QFontMetrics title(bold);
    EXPECT_GE(logSample.width(),
              title.horizontalAdvance(logSample.windowTitle()) + 4 * title.height());
}

TEST_F(ScreenshotTest, EachKindOfWindowShowsItsOwnIcon)
{
    ResizeMainWindow(1200, 800);
    ASSERT_TRUE(app->ExecuteCommand(CMorvaneApp::ID_VIEW_FOUR_WINDOWS));
    Settle();
    // The icon a window shows in its caption, as drawn at 16 pixels.
    auto shown = [](const QWidget* pFrame) { return pFrame->windowIcon().pixmap(16).toImage(); };
    struct CShown
    {
        const char* name;
        QImage image;
    };
    std::vector<CShown> icons;
    const char* const speakerNames[] = {"response", "filter", "phase", "phasefilter"};
    for (ESpeakerFrame kind : {ESpeakerFrame::Response, ESpeakerFrame::Filter, ESpeakerFrame::Phase,
                               ESpeakerFrame::PhaseFilter})
        icons.push_back({speakerNames[int(kind)], shown(app->GetFrame(kind))});
    Save(*app->m_pMainFrame, "screenshot_icons_speaker_windows_" + ScreenTag() + ".png");

    const struct
    {
        int device, design;
        const char* name;
    } designs[] = {
        {CMorvaneApp::ID_DEVICE_QZX2202, CMorvaneApp::ID_DESIGN_QZX2202_LOUDNESS, "loudness2202"},
        {CMorvaneApp::ID_DEVICE_QZX2202, CMorvaneApp::ID_DESIGN_QZX2202_COMPRESSION,
         "compression2202"},
        {CMorvaneApp::ID_DEVICE_QZX2410, CMorvaneApp::ID_DESIGN_QZX2410_LOUDNESS, "loudness2410"},
        {CMorvaneApp::ID_DEVICE_QZX2410, CMorvaneApp::ID_DESIGN_QZX2410_COMPRESSION,
         "compression2410"},
    };
    for (const auto& d : designs)
    {
        ASSERT_TRUE(app->ExecuteCommand(d.device));
        // A loudness window opens with its create sheet the first time.
        if (std::string(d.name).starts_with("loudness"))
            OnNextModal<QDialog>([](QDialog& sheet) { sheet.reject(); });
        ASSERT_TRUE(app->ExecuteCommand(d.design));
        Settle();
        QMdiSubWindow* pFrame = app->m_pMainFrame->GetMDIClient()->currentSubWindow();
        ASSERT_NE(pFrame, nullptr) << d.name;
        // Shown in its caption beside the speaker windows' icons, not maximized.
        pFrame->showNormal();
        pFrame->setGeometry(20, 20, 700, 450);
        Settle();
        icons.push_back({d.name, shown(pFrame)});
        Save(*app->m_pMainFrame,
             std::string("screenshot_icons_") + d.name + "_" + ScreenTag() + ".png");
    }

    // Each kind its own icon, the one drawn for it.
    for (std::size_t i = 0; i < icons.size(); ++i)
    {
        const QImage drawn(QString(":/icons/%1-16.png").arg(icons[i].name));
        ASSERT_FALSE(drawn.isNull()) << icons[i].name;
        EXPECT_EQ(icons[i].image.convertToFormat(QImage::Format_ARGB32_Premultiplied),
                  drawn.convertToFormat(QImage::Format_ARGB32_Premultiplied))
            << icons[i].name;
        for (std::size_t j = 0; j < i; ++j)
            EXPECT_NE(icons[i].image, icons[j].image) << icons[i].name << " " << icons[j].name;
    }
}

// Every axis label, title and marker text of the four speaker views lies whole inside its
// view, at the size the four windows share on the screen: with the ranges scaled to the
// curves and with the ranges a new user starts with (speaker 20 to -30 dB, phase 180 to
// -180 degrees, filter 15 to -15 dB, filter phase 30 to -30, 10 Hz to 24 kHz).
TEST_F(ScreenshotTest, TheFourViewsShowEveryLabelWhole)
{
    ResizeMainWindow(ScreenSize().width(), ScreenSize().height());
    ASSERT_NO_FATAL_FAILURE(OpenAndCalculate());
    ASSERT_TRUE(app->ExecuteCommand(CMorvaneApp::ID_VIEW_FOUR_WINDOWS));
    Settle();
    const auto check = [this](auto* pView, const std::string& name)
    {
        ASSERT_NE(pView, nullptr) << name;
        ASSERT_TRUE(pView->isVisible()) << name;
        Save(*pView, "screenshot_view_" + name + "_" + ScreenTag() + ".png");
        const QRectF client(QPointF(0, 0), QSizeF(pView->size()));
        const auto texts = PaintedTexts(*pView);
        EXPECT_GT(texts.size(), 5u) << name;
        for (const CPlacedText& t : texts)
            EXPECT_TRUE(client.contains(t.rect))
                << name << ": \"" << t.text << "\" at (" << t.rect.left() << ", " << t.rect.top()
                << ") to (" << t.rect.right() << ", " << t.rect.bottom() << ") in "
                << client.width() << " x " << client.height();
    };
    const auto checkAll = [&](const std::string& ranges)
    {
        Save(*app->m_pMainFrame, "screenshot_four_views_" + ranges + "_" + ScreenTag() + ".png");
        check(dynamic_cast<CMorvaneView*>(app->m_pResponseMDI->GetView()), "response_" + ranges);
        check(dynamic_cast<CPhaseView*>(app->m_pPhaseMDI->GetView()), "phase_" + ranges);
        check(dynamic_cast<CFilterView*>(app->m_pFilterMDI->GetView()), "filter_" + ranges);
        check(dynamic_cast<CPhaseFilterView*>(app->m_pPhaseFilterMDI->GetView()),
              "filter_phase_" + ranges);
    };
    checkAll("scaled");

    CSettingsSheetValues values;
    doc->FillSettingsSheet(values);
    const double tops[4] = {20.0, 180.0, 15.0, 30.0};
    for (std::size_t i = 0; i < 4; ++i)
        values.views[i] = {10.0, 24000.0, -tops[i], tops[i], false};
    doc->TakeSettingsSheet(values);
    doc->ApplySettings();
    doc->UpdateAllViews(nullptr, kHintSettingsApplied);
    Settle();
    checkAll("default");
}
