// The compression design windows in the real application window (offscreen): the program
// started on a settings file of its own in a temporary folder, messages and file dialogs
// recorded, and the paints of a view recorded or rendered to PNG files in the build tree.
#pragma once

#include "drc/ui/DRC_View.h"
#include "drc/ui/QZX2410_DRC_View.h"
#include "framework/core/RecordingDC.h"
#include "framework/core/Services.h"
#include "shell/ui/DesignMDIChild.h"
#include "shell/ui/MainFrm.h"
#include "shell/ui/MorvaneApp.h"
#include "tests/framework/QtTestApp.h"
#include "tests/shell/DesignAppFixture.h"
#include "tests/shell/GraphPixels.h"
#include "tests/shell/RecordedDrawing.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMdiArea>
#include <QPainter>
#include <QPointer>
#include <QSlider>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <unistd.h>

class CompressionWindowTest : public DesignAppTest
{
protected:
    template <class View> View* ViewOf(EDesignWindow kind) const
    {
        CMDIChildFrame* pFrame = app->GetDesignFrame(kind);
        View* view = pFrame ? dynamic_cast<View*>(pFrame->GetView()) : nullptr;
        if (view)
            DesignFrameInfo(*app, kind).m_bTimerOn = 0; // no resize pending
        return view;
    }
    // The control dialog of the compression window of that kind, or null.
    QWidget* ControlDialog(EDesignWindow kind) const
    {
        if (kind == EDesignWindow::QZX2202Compression)
        {
            const auto* view = ViewOf<CDRC_View>(kind);
            return view ? view->GetControlDialog() : nullptr;
        }
        const auto* view = ViewOf<CQZX2410_DRC_View>(kind);
        return view ? view->GetControlDialog() : nullptr;
    }
    template <class T> static T* Child(QWidget* pParent, const char* pName)
    {
        T* child = pParent ? pParent->findChild<T*>(pName) : nullptr;
        EXPECT_NE(child, nullptr) << pName;
        return child;
    }

    // Opens the box's list and closes it again (a choice is made before, if at all).
    static void CloseUp(QComboBox* pBox)
    {
        pBox->showPopup();
        pBox->hidePopup();
    }

    // A paint of the view into a recording device context (a screen, or a printer).
    template <class View> CRecordingDC& Paint(View* view, int technology = DT_RASDISPLAY)
    {
        m_pDC = std::make_unique<CRecordingDC>();
        m_pDC->SetDeviceCaps(TECHNOLOGY, technology);
        view->OnDraw(m_pDC.get());
        return *m_pDC;
    }
    // The canvas position of the first text drawn with exactly that text; (-1, -1) for none.
    CPoint TextPosition(const std::string& text) const
    {
        for (const CRecordingDC::Call& call : m_pDC->CallsOf(CRecordingDC::Op::TextOut))
            if (call.text == text)
                return call.points.empty() ? CPoint{0, 0} : call.points[0];
        return {-1, -1};
    }

    // The window made narrow, so that the strip left of the plot, where the legend or
    // text panel stands, is small; the design windows are laid out again.
    void MakeNarrow(int nWidth) const
    {
        app->m_pMainFrame->resize(nWidth, 800);
        QCoreApplication::processEvents();
    }
    // Paints the view with texts measured as a real font measures them (about 0.55 of its
    // height per character) and checks that each value text ends left of the output axis's
    // values, whose widest is the lowest one (axisLabel): within the panel's width.
    template <class View>
    void ExpectWithinPanel(View* view, const std::vector<std::string>& values,
                           const std::string& axisLabel)
    {
        constexpr double kCharWidthPerHeight = 0.55;
        m_pDC = std::make_unique<CRecordingDC>();
        m_pDC->SetDeviceCaps(TECHNOLOGY, DT_RASDISPLAY);
        m_pDC->SetCharWidthPerHeight(kCharWidthPerHeight);
        view->OnDraw(m_pDC.get());
        const auto width = [](const CRecordingDC::Call& call)
        {
            const int height = std::abs(call.font.GetHeight());
            return int(call.text.size()) * int(kCharWidthPerHeight * height + 0.5);
        };
        const std::vector<CRecordingDC::Call> texts = m_pDC->CallsOf(CRecordingDC::Op::TextOut);
        std::optional<int> axisLeft;
        for (const CRecordingDC::Call& call : texts)
            if (call.text == axisLabel && (call.textAlign & TA_CENTER) == TA_RIGHT)
                axisLeft = call.points[0].x - width(call);
        ASSERT_TRUE(axisLeft.has_value()) << axisLabel;
        for (const std::string& value : values)
        {
            const auto found = std::find_if(texts.begin(), texts.end(),
                                            [&value](const CRecordingDC::Call& call)
                                            { return call.text == value; });
            ASSERT_NE(found, texts.end()) << value;
            EXPECT_NE(found->font.GetHeight(), 0) << value;
            EXPECT_LE(found->points[0].x + width(*found), *axisLeft) << value;
        }
    }

    // The application window and the control dialog as a person sees them, side by side,
    // as a PNG file in the build tree.
    static QString SaveScreenshot(QWidget* pWindow, QWidget* pDialog, const char* pName)
    {
        const QImage window = pWindow->grab().toImage();
        const QImage dialog = pDialog->grab().toImage();
        QImage image(window.width() + dialog.width() + 10,
                     std::max(window.height(), dialog.height()), QImage::Format_RGB32);
        image.fill(Qt::darkGray);
        {
            QPainter painter(&image);
            painter.drawImage(0, 0, window);
            painter.drawImage(window.width() + 10, 0, dialog);
        }
        const QString path = QString(MORVANE_TEST_OUTPUT_DIR) + "/" + pName;
        EXPECT_TRUE(image.save(path));
        return path;
    }

    std::unique_ptr<CRecordingDC> m_pDC;
};
