// Every text of the two compression views readable: drawn through their own drawing code at
// main-window sizes from 640 by 480 to 2560 by 1440 pixels, at the default settings and at
// the extremes the control dialogs accept, on the screen and on the printed page, no two
// texts overlap, none leaves the view and no line (an axis, a frame, a grid or legend line,
// a range mark) runs through a text. The control dialog first opens where it hides neither
// the legend or text panel nor the axis labels, and stays where it was moved. The same
// holds, with every text at a readable size, for the compression window un-maximized and
// made small. Pictures of both views at 800 by 800 and 2560 by 1440 and of the small
// windows stay in this build folder (compression_text_<view>_<size>.png).
#include "tests/shell/CompressionWindowFixture.h"
#include "tests/shell/TextPlacement.h"

#include "drc/DrcThresholdScale.h"
#include "shell/ui/LoudnessDesigns.h"

#include <QMdiSubWindow>
#include <QPrinter>
#include <QRadioButton>
#include <QScreen>

#include <cmath>
#include <functional>
#include <stdexcept>

namespace
{
std::string Joined(const std::vector<std::string>& lines)
{
    std::string all;
    for (const std::string& line : lines)
        all += "  " + line + "\n";
    return all;
}

// A setting of a view's control dialog, made through its controls and applied.
struct CSetting
{
    const char* name;
    std::function<void(QWidget* pDialog)> apply;
};

template <class T> T& Control(QWidget* pDialog, const char* pName)
{
    T* child = pDialog->findChild<T*>(pName);
    if (!child)
        throw std::runtime_error(std::string("no control ") + pName);
    return *child;
}
void Choose(QWidget* pDialog, const char* pBox, int index)
{
    auto& box = Control<QComboBox>(pDialog, pBox);
    box.setCurrentIndex(index < 0 ? box.count() - 1 : index);
    box.showPopup();
    box.hidePopup();
}
void Click(QWidget* pDialog, const char* pName)
{
    Control<QAbstractButton>(pDialog, pName).click();
}
void SetText(QWidget* pDialog, const std::string& name, const char* pText)
{
    Control<QLineEdit>(pDialog, name.c_str()).setText(pText);
}

constexpr QSize kSizes[] = {{640, 480},  {800, 600},   {800, 800},   {1024, 768}, {1280, 800},
                            {1366, 768}, {1600, 1000}, {1920, 1080}, {2560, 1440}};
// Sizes of the compression window itself, un-maximized in the main window: as small as a
// quarter of the smallest main window and smaller, and low and wide. The QZX2410 view's
// text panel has eleven lines and its widest value ("Compression 8388608") is half as wide
// as a window of 320 pixels: at a readable size it needs a window of about 400 by 260. In
// a smaller one its texts are made smaller until they fit (not readable, but apart).
struct CWindowSize
{
    QSize size;
    bool bReadable; // every text at least 7 points
};
const std::vector<CWindowSize> kQZX2202WindowSizes = {
    {{320, 240}, true}, {{400, 300}, true}, {{260, 180}, true}, {{500, 260}, true}};
const std::vector<CWindowSize> kQZX2410WindowSizes = {{{400, 300}, true}, {{500, 260}, true},
                                                      {{420, 280}, true}, {{320, 240}, false},
                                                      {{260, 180}, false}};

class CompressionTextPlacementTest : public CompressionWindowTest
{
protected:
    void Resize(QSize size)
    {
        app->m_pMainFrame->resize(size);
        for (int i = 0; i < 3; ++i)
            QCoreApplication::processEvents();
    }
    // The texts and lines of a paint of the view at its size on the screen.
    template <class View> void PaintScreen(View& view, CTextPlacingDC*& pDC, QImage& image)
    {
        image = QImage(view.size(), QImage::Format_RGB32);
        image.fill(Qt::white);
        m_pPainter = std::make_unique<QPainter>(&image);
        m_pPlacingDC = std::make_unique<CTextPlacingDC>(m_pPainter.get(), DT_RASDISPLAY);
        view.OnDraw(m_pPlacingDC.get());
        m_pPainter->end();
        pDC = m_pPlacingDC.get();
    }
    // What is wrong with a paint of the view on the screen as it is now (texts that
    // overlap, leave the view, are crossed by a line or are smaller than a readable size),
    // with the coordinate readout off and on (a left click in the middle of the view
    // follows the nearest line or curve, and the pointer moves a little); the picture is
    // saved under the name when one is given.
    template <class View>
    std::string PaintFaults(View& view, const std::string& name, const std::string& tag,
                            bool bReadout, bool bSave, bool bReadable = true)
    {
        view.OnRButtonDown({0, 0});
        if (bReadout)
        {
            const CPoint middle{view.width() / 2, view.height() / 2};
            view.OnLButtonDown(middle);
            view.OnMouseMove({middle.x + 1, middle.y + 1});
        }
        CTextPlacingDC* pDC = nullptr;
        QImage image;
        PaintScreen(view, pDC, image);
        std::vector<std::string> found =
            DrawingFaults(*pDC, QRectF(QPointF(0, 0), QSizeF(view.size())));
        if (bReadable)
            for (const std::string& fault : SmallTextFaults(pDC->texts, image, CViewFont::kFaceName,
                                                            CViewFont::kReadablePoints))
                found.push_back(fault);
        if (bSave)
            image.save(QString(MORVANE_TEST_OUTPUT_DIR) + "/compression_text_" +
                       QString::fromStdString(name + "_" + tag) + ".png");
        if (found.empty())
            return {};
        return name + " at " + tag + " (view " + std::to_string(view.width()) + "x" +
               std::to_string(view.height()) + "):\n" + Joined(found);
    }
    static std::string Tag(QSize size)
    {
        return std::to_string(size.width()) + "x" + std::to_string(size.height());
    }
    // Draws the view maximized at every main-window size and collects what is wrong; at
    // 800 by 800 and 2560 by 1440 the picture is saved.
    template <class View>
    std::string SweepSizes(View& view, const std::string& setting, bool bReadout)
    {
        const std::string name = setting + (bReadout ? "_readout" : "");
        std::string faults;
        for (const QSize& size : kSizes)
        {
            Resize(size);
            faults += PaintFaults(view, name, Tag(size), bReadout,
                                  size == QSize(800, 800) || size == QSize(2560, 1440));
        }
        return faults;
    }
    // The compression window made small inside the main window (not maximized): its
    // texts keep a readable size and the strips round the plot grow to hold them. The
    // pictures are saved; the window is maximized again after.
    template <class View>
    std::string SweepWindowSizes(View& view, const std::string& setting, bool bReadout,
                                 const std::vector<CWindowSize>& sizes)
    {
        QWidget* pFrame = &view;
        while (pFrame && !qobject_cast<QMdiSubWindow*>(pFrame))
            pFrame = pFrame->parentWidget();
        if (!pFrame)
            return setting + ": the view is in no window\n";
        const std::string name = setting + (bReadout ? "_readout" : "");
        std::string faults;
        pFrame->showNormal();
        for (const CWindowSize& size : sizes)
        {
            pFrame->resize(size.size);
            for (int i = 0; i < 3; ++i)
                QCoreApplication::processEvents();
            faults += PaintFaults(view, name, "window_" + Tag(size.size), bReadout, true,
                                  size.bReadable);
        }
        pFrame->showMaximized();
        for (int i = 0; i < 3; ++i)
            QCoreApplication::processEvents();
        return faults;
    }
    // The printed page of the view: the same drawing on a landscape page of a PDF
    // printer, through a device context of printer technology.
    // The printed page of the view, landscape (the program's default) and portrait: the
    // same drawing on a page of a PDF printer, through a device context of printer
    // technology (the pages stay in this build folder, compression_page_*.pdf).
    template <class View> std::string CheckPage(View& view, const std::string& name)
    {
        std::string faults;
        for (const auto orientation : {QPageLayout::Landscape, QPageLayout::Portrait})
        {
            QPrinter printer(QPrinter::HighResolution);
            printer.setPageOrientation(orientation);
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(
                QString(MORVANE_TEST_OUTPUT_DIR) + "/compression_page_" +
                QString::fromStdString(name) +
                (orientation == QPageLayout::Portrait ? "_portrait.pdf" : "_landscape.pdf"));
            QPainter painter(&printer);
            CTextPlacingDC dc(&painter, DT_RASPRINTER);
            view.OnDraw(&dc);
            painter.end();
            const QRectF page(0, 0, dc.GetDeviceCaps(HORZRES), dc.GetDeviceCaps(VERTRES));
            const std::vector<std::string> found = DrawingFaults(dc, page);
            EXPECT_GT(dc.texts.size(), 10u);
            if (!found.empty())
                faults += name +
                          (orientation == QPageLayout::Portrait ? " on a portrait page:\n"
                                                                : " on a landscape page:\n") +
                          Joined(found);
        }
        return faults;
    }

    template <class View>
    void Sweep(int device, int design, EDesignWindow kind, const std::vector<CSetting>& settings,
               const std::vector<CWindowSize>& windowSizes)
    {
        Open(device, design);
        View* view = ViewOf<View>(kind);
        ASSERT_NE(view, nullptr);
        QWidget* dialog = ControlDialog(kind);
        ASSERT_NE(dialog, nullptr);
        std::string faults;
        for (const CSetting& setting : settings)
        {
            setting.apply(dialog);
            EXPECT_TRUE(messages.texts.empty()) << setting.name << ": " << messages.texts[0];
            const std::string name =
                std::string(view->objectName().toStdString()) + "_" + setting.name;
            for (bool bReadout : {false, true})
            {
                faults += SweepSizes(*view, name, bReadout);
                faults += SweepWindowSizes(*view, name, bReadout, windowSizes);
            }
            faults += CheckPage(*view, name);
        }
        EXPECT_TRUE(faults.empty()) << faults;
    }

    std::unique_ptr<QPainter> m_pPainter;
    std::unique_ptr<CTextPlacingDC> m_pPlacingDC;
};

// The QZX2202 dialog's settings: the defaults, then the threshold at either end of the
// slider with the strongest ratios of the tables on both sides of it (the last entries).
void SetQZX2202(QWidget* d, int nPosition, const char* pAbove, const char* pBelow)
{
    Control<QSlider>(d, "ThresholdSlider").setValue(nPosition);
    Choose(d, pAbove, -1);
    Choose(d, pBelow, -1);
    Click(d, "Apply");
}

const std::vector<CSetting> kQZX2202Settings = {
    {"default", [](QWidget*) {}},
    {"top_threshold_strongest_compression", [](QWidget* d)
     { SetQZX2202(d, DrcThreshold::kSliderMin, "AboveCompression", "BelowExpansion"); }},
    {"bottom_threshold_strongest_expansion", [](QWidget* d)
     { SetQZX2202(d, DrcThreshold::kSliderMax, "AboveExpansion", "BelowCompression"); }},
};

// The QZX2410 dialog's settings: the defaults; the thresholds as far apart as allowed with
// the largest ratios and offsets the words hold; both thresholds together at the top and
// at the floor, with the smallest ratios.
void SetQZX2410(QWidget* d, const char* t1, const char* t2, const char* ratio, bool bCompression,
                const char* offset1, const char* offset2)
{
    SetText(d, "Threshold1Text", t1);
    SetText(d, "Threshold2Text", t2);
    for (const char* region : {"Region0", "Region1", "Region2"})
    {
        Click(d, (std::string(region) + (bCompression ? "Compression" : "Expansion")).c_str());
        SetText(d, std::string("Ratio") + region[6], ratio);
    }
    Click(d, "SpecifyOffset1");
    SetText(d, "Offset1", offset1);
    SetText(d, "Offset2", offset2);
    EXPECT_TRUE(static_cast<CQZX2410_DRC_GUI*>(d)->OnApply());
}

const std::vector<CSetting> kQZX2410Settings = {
    {"default", [](QWidget*) {}},
    {"wide_thresholds_largest_ratios",
     [](QWidget* d) { SetQZX2410(d, "-192.7", "0", "8388608", true, "-100000000", "100000000"); }},
    {"thresholds_at_the_top_smallest_ratios",
     [](QWidget* d) { SetQZX2410(d, "-0.1", "0", "0.00000011920928955078125", false, "0", "0"); }},
    {"thresholds_at_the_floor",
     [](QWidget* d) { SetQZX2410(d, "-192.7", "-192.6", "16.9", false, "-50", "50"); }},
};
} // namespace

TEST_F(CompressionTextPlacementTest, QZX2202TextsAreReadableAtEverySizeAndOnThePage)
{
    Sweep<CDRC_View>(CMorvaneApp::ID_DEVICE_QZX2202, CMorvaneApp::ID_DESIGN_QZX2202_COMPRESSION,
                     EDesignWindow::QZX2202Compression, kQZX2202Settings, kQZX2202WindowSizes);
}

TEST_F(CompressionTextPlacementTest, QZX2410TextsAreReadableAtEverySizeAndOnThePage)
{
    Sweep<CQZX2410_DRC_View>(
        CMorvaneApp::ID_DEVICE_QZX2410, CMorvaneApp::ID_DESIGN_QZX2410_COMPRESSION,
        EDesignWindow::QZX241XCompression, kQZX2410Settings, kQZX2410WindowSizes);
}

namespace
{
// The two compression windows with their device, Design command and loudness window.
struct CWindow
{
    int device;
    int design;
    int loudness;
    EDesignWindow kind;
    ELoudnessFamily family;
};
constexpr CWindow kWindows[] = {
    {CMorvaneApp::ID_DEVICE_QZX2202, CMorvaneApp::ID_DESIGN_QZX2202_COMPRESSION,
     CMorvaneApp::ID_DESIGN_QZX2202_LOUDNESS, EDesignWindow::QZX2202Compression,
     ELoudnessFamily::QZX2202},
    {CMorvaneApp::ID_DEVICE_QZX2410, CMorvaneApp::ID_DESIGN_QZX2410_COMPRESSION,
     CMorvaneApp::ID_DESIGN_QZX2410_LOUDNESS, EDesignWindow::QZX241XCompression,
     ELoudnessFamily::QZX241X},
};

// The screen as a person sees it: the main window and the dialog where they stand.
void SaveScreen(QWidget& main, QWidget& dialog, const QString& name)
{
    QImage image(main.screen()->geometry().size(), QImage::Format_RGB32);
    image.fill(Qt::darkGray);
    {
        QPainter painter(&image);
        painter.drawImage(main.frameGeometry().topLeft(), main.grab().toImage());
        painter.drawImage(dialog.frameGeometry().topLeft(), dialog.grab().toImage());
    }
    image.save(QString(MORVANE_TEST_OUTPUT_DIR) + "/" + name);
}

// The control dialogs' first place at every main-window size of the sweep (a program of
// its own for each, so that no place is kept from an earlier opening).
class CompressionDialogPlaceTest : public CompressionWindowTest,
                                   public ::testing::WithParamInterface<QSize>
{
protected:
    void Settle()
    {
        for (int i = 0; i < 3; ++i)
            QCoreApplication::processEvents();
    }
    // Opens the window on the shown main window; its view and dialog.
    QWidget* OpenShown(const CWindow& w, QWidget*& view)
    {
        app->m_pMainFrame->show();
        Open(w.device, w.design);
        Settle();
        view = app->GetDesignFrame(w.kind)->GetView();
        return ControlDialog(w.kind);
    }
};

TEST_P(CompressionDialogPlaceTest, TheDialogFirstOpensWhereItHidesNoTextOfTheView)
{
    app->m_pMainFrame->resize(GetParam());
    for (const CWindow& w : kWindows)
    {
        QWidget* view = nullptr;
        QWidget* dialog = OpenShown(w, view);
        ASSERT_NE(dialog, nullptr);
        ASSERT_TRUE(dialog->isVisible());
        const std::string hidden =
            w.kind == EDesignWindow::QZX2202Compression
                ? HiddenTexts(*dynamic_cast<CDRC_View*>(view), *dialog)
                : HiddenTexts(*dynamic_cast<CQZX2410_DRC_View*>(view), *dialog);
        EXPECT_EQ(hidden, "") << view->objectName().toStdString() << " in " << GetParam().width()
                              << "x" << GetParam().height();
        EXPECT_TRUE(dialog->screen()->availableGeometry().contains(dialog->frameGeometry()));
        if (GetParam() == QSize(1600, 1000) || GetParam() == QSize(800, 800))
            SaveScreen(*app->m_pMainFrame, *dialog,
                       "compression_dialog_" + view->objectName() + "_" +
                           QString::number(GetParam().width()) + "x" +
                           QString::number(GetParam().height()) + ".png");
    }
}

INSTANTIATE_TEST_SUITE_P(MainWindowSizes, CompressionDialogPlaceTest, ::testing::ValuesIn(kSizes),
                         [](const ::testing::TestParamInfo<QSize>& info) {
                             return std::to_string(info.param.width()) + "x" +
                                    std::to_string(info.param.height());
                         });

TEST_F(CompressionTextPlacementTest, TheDialogStaysWhereItWasMovedThroughRepaintResizeAndReshow)
{
    CMainFrame& main = *app->m_pMainFrame;
    main.resize(1600, 1000);
    main.show();
    const auto settle = []
    {
        for (int i = 0; i < 3; ++i)
            QCoreApplication::processEvents();
    };
    for (const CWindow& w : kWindows)
    {
        SCOPED_TRACE(int(w.kind));
        app->Loudness().FirstOpen(w.family) = false;
        main.resize(1600, 1000);
        Open(w.device, w.design);
        settle();
        QPointer<QWidget> dialog = ControlDialog(w.kind);
        ASSERT_TRUE(dialog);
        const QPoint moved = main.geometry().topLeft() + QPoint(333, 222);
        dialog->move(moved); // as the user drags it
        settle();
        ASSERT_EQ(dialog->pos(), moved);

        auto* view = dynamic_cast<CCanvasWidget*>(app->GetDesignFrame(w.kind)->GetView());
        ASSERT_NE(view, nullptr);
        view->Redraw(true);
        view->repaint();
        settle();
        EXPECT_EQ(dialog->pos(), moved) << "after a repaint";
        main.resize(1280, 800);
        settle();
        EXPECT_EQ(dialog->pos(), moved) << "after a resize";
        // Hidden behind the loudness window, shown again with the compression window.
        ASSERT_TRUE(app->ExecuteCommand(w.loudness));
        settle();
        EXPECT_FALSE(dialog->isVisible());
        ASSERT_TRUE(app->ExecuteCommand(w.design));
        settle();
        ASSERT_TRUE(dialog);
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_EQ(dialog->pos(), moved) << "shown again";
        // Closed by the user and made anew by the Design command: where it was.
        dialog->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        ASSERT_FALSE(dialog);
        ASSERT_TRUE(app->ExecuteCommand(w.design));
        settle();
        dialog = ControlDialog(w.kind);
        ASSERT_TRUE(dialog);
        EXPECT_EQ(dialog->pos(), moved) << "made anew";
    }
}
} // namespace
