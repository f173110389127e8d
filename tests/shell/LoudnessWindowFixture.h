// The loudness design windows in the real application window (offscreen): the program
// started on a settings file of its own in a temporary folder, messages and file dialogs
// recorded, the modal create sheet driven as a person would, and the windows rendered to
// PNG files in the build tree.
#pragma once

#include "document/MorvaneDoc.h"
#include "framework/core/RecordingDC.h"
#include "framework/core/Services.h"
#include "loudness/LoudnessDoc.h"
#include "loudness/LoudnessManager.h"
#include "loudness/ui/CreateLoudnessFilter.h"
#include "loudness/ui/CreateQZX2410LoudnessFilter.h"
#include "loudness/ui/EditLoudnessFilters.h"
#include "loudness/ui/LoudnessGrid.h"
#include "loudness/ui/LoudnessPageWidget.h"
#include "loudness/ui/LoudnessView.h"
#include "loudness/ui/QZX2202LoudnessView.h"
#include "loudness/ui/QZX2410LoudnessView.h"
#include "shell/ui/DesignMDIChild.h"
#include "shell/ui/LoudnessDesigns.h"
#include "shell/ui/LoudnessMDIChild.h"
#include "shell/ui/MainFrm.h"
#include "shell/ui/MiniFrame.h"
#include "shell/ui/MorvaneApp.h"
#include "tests/framework/QtTestApp.h"
#include "tests/shell/DesignAppFixture.h"
#include "tests/shell/GraphPixels.h"
#include "tests/shell/ModalDialogs.h"

#include <QAction>
#include <QCoreApplication>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenu>
#include <QMouseEvent>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include <unistd.h>

class LoudnessWindowTest : public DesignAppTest
{
public:
    using CTyped = std::vector<std::pair<int, const char*>>;

protected:
    // The next create sheet: the boxes of a page typed into, then OK (or Cancel without
    // pages). Counts the sheets shown.
    void OnNextSheet(std::vector<std::pair<int, CTyped>> pages)
    {
        OnNextModal<CCreateLoudnessSheet>(
            [this, pages](CCreateLoudnessSheet& sheet)
            {
                ++m_nSheets;
                for (const auto& [kind, typed] : pages)
                    TypeInto(sheet, kind, typed);
                if (pages.empty())
                    sheet.reject();
                else
                    sheet.accept();
            });
    }
    static void TypeInto(CCreateLoudnessSheet& sheet, int kind, const CTyped& typed)
    {
        sheet.Tabs()->setCurrentIndex(kind);
        CLoudnessPageWidget& page = *sheet.PageWidget(kind);
        for (const auto& [id, text] : typed)
        {
            QLineEdit* box = page.Box(id);
            ASSERT_NE(box, nullptr) << id;
            box->selectAll();
            QTest::keyClick(box, Qt::Key_Delete);
            QTest::keyClicks(box, text);
        }
    }
    CLoudnessView* View(ELoudnessFamily family) const
    {
        CLoudnessView* view = app->GetLoudnessView(family);
        if (view)
        {
            // No resize pending: the readout follows the pointer.
            app->m_bLoudnessTimerOn = 0;
            app->m_QZX2410LoudnessInfo.m_bTimerOn = 0;
        }
        return view;
    }
    CLoudnessManager& Manager(ELoudnessFamily family) const
    {
        return app->Loudness().Manager(family);
    }
    CMiniFrame* EditWindow(ELoudnessFamily family) const
    {
        return app->m_pMainFrame->GetMiniFrame(family == ELoudnessFamily::QZX2202
                                                   ? CMainFrame::kQZX2202LoudnessEditor
                                                   : CMainFrame::kQZX241XLoudnessEditor);
    }
    CLoudnessGrid* Grid(ELoudnessFamily family, int kind) const
    {
        CMiniFrame* frame = EditWindow(family);
        auto* sheet = frame ? dynamic_cast<CEditLoudnessFilters*>(frame->GetSheet()) : nullptr;
        return sheet ? &sheet->Page(kind).Grid() : nullptr;
    }
    // The names in a grid's rows.
    static std::vector<std::string> Rows(const CLoudnessGrid& grid)
    {
        std::vector<std::string> names;
        for (int r = 1; r < grid.GetRows(); ++r)
            names.push_back(grid.GetTextMatrix(r, 0));
        return names;
    }
    // A right-button popup on a grid row, choosing the item of a command (0: none).
    static bool Popup(CLoudnessGrid& grid, int nRow, int command)
    {
        grid.m_TrackPopup = [command](QMenu& menu, const QPoint&) -> QAction*
        {
            for (QAction* action : menu.actions())
                if (action->data().toInt() == command && action->isEnabled())
                    return action;
            return nullptr;
        };
        return grid.ShowPopup(nRow, QPoint(0, 0));
    }
    // A view painted on a recording screen, so that its pixel mapping is set up.
    static void Paint(CLoudnessView& view)
    {
        CRecordingDC dc;
        dc.SetDeviceCaps(TECHNOLOGY, DT_RASDISPLAY);
        view.OnDraw(&dc);
    }
    // The client pixel of a curve's point i.
    static CPoint PixelOf(const CLoudnessView& view, const CCurve& curve, long i)
    {
        return PixelOfPoint(view.GetGraph(), curve, i);
    }
    static void Click(CLoudnessView& view, CPoint p)
    {
        const QPointF at(p.x, p.y);
        QMouseEvent event(QEvent::MouseButtonPress, at, view.mapToGlobal(at), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&view, &event);
    }
    // A picture of a window as a person sees it, in the build tree.
    static void SaveScreenshot(QWidget& window, const char* name)
    {
        const QString path = QString(MORVANE_TEST_OUTPUT_DIR) + "/" + name;
        EXPECT_TRUE(window.grab().save(path)) << name;
    }

    int m_nSheets = 0;
};
