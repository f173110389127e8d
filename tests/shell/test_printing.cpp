// Printing in the application window, offscreen: Print and Print Preview follow the
// current window's view, the filter views print their curves on a page (read back from
// a PDF file), and every print and preview uses the printer of the run, landscape until
// Print Setup changes it, without touching any printer at start-up.
#include "document/MorvaneDoc.h"
#include "framework/ui/PrintSetupDialog.h"
#include "framework/ui/PrinterSettings.h"
#include "shell/filtereditor/UserCreatedFilters.h"
#include "shell/ui/FilterMDIChild.h"
#include "shell/ui/MainFrm.h"
#include "shell/ui/MorvaneApp.h"
#include "shell/ui/PhaseFilterMDIChild.h"
#include "shell/ui/ResponseMDIChild.h"
#include "tests/document/CalculationFixture.h"
#include "tests/document/TempFolder.h"
#include "tests/shell/AppWindowFixture.h"
#include "tests/shell/ModalDialogs.h"
#include "tests/shell/PdfContent.h"

#include <QComboBox>
#include <QMdiArea>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

#include <fstream>
#include <memory>

namespace
{
constexpr const char* kRed = "1 0 0";   // palette entry 0: the first filter's curve
constexpr const char* kGreen = "0 1 0"; // palette entry 1: the second filter's curve

class PrintingTest : public AppWindowTest
{
protected:
    // A measured response, two peaking filters in the grid, then Draw Filters.
    void DrawTwoFilters()
    {
        CMorvaneDoc& doc = *app->m_pMorvaneDoc;
        std::ofstream(folder.Path("spk.raw")) << RawText({{1000.0, 6.0}}, 200);
        app->OpenDocumentFile(folder.Path("spk.raw"));
        app->m_pMainFrame->OnEditFilterParameters();
        doc.m_FilterLists.m_EQFilters.Add(MakeEQ(6.0, 100.0, 1000.0, true, true, 1));
        doc.m_FilterLists.m_EQFilters.Add(MakeEQ(-4.0, 400.0, 5000.0, true, true, 2));
        app->GetFilterEditor()->Page(kKindEQ).FiltersToGrid();
        doc.OnViewDrawFilters();
    }
    void MakeCurrent(CMDIChildFrame* frame)
    {
        frame->show();
        app->m_pMainFrame->GetMDIClient()->setActiveSubWindow(frame);
    }
    bool Enabled(int id) const { return app->GetCommandState(id).bEnabled; }
    QPrinter& Printer() { return CPrinterSettings::Installed()->Printer(); }
    // File > Print of the current window into a PDF file, the print dialog accepted;
    // returns the file's bytes.
    std::string PrintToPdf(const std::string& name)
    {
        const std::string path = folder.Path(name);
        Printer().setOutputFormat(QPrinter::PdfFormat);
        Printer().setOutputFileName(QString::fromStdString(path));
        OnNextModal<QPrintDialog>([](QPrintDialog& dialog) { dialog.accept(); });
        EXPECT_TRUE(app->ExecuteCommand(CMorvaneApp::ID_FILE_PRINT));
        return ReadFileBytes(path);
    }
    // The page's width and height in points, from the PDF's media box.
    static std::pair<double, double> PageSize(const std::string& pdf)
    {
        double x0 = 0, y0 = 0, x1 = 0, y1 = 0;
        const std::size_t at = pdf.find("/MediaBox [");
        if (at != std::string::npos)
            std::sscanf(pdf.c_str() + at, "/MediaBox [%lf %lf %lf %lf", &x0, &y0, &x1, &y1);
        return {x1 - x0, y1 - y0};
    }
};

TEST_F(PrintingTest, TheFilterViewsPrintTheirCurvesOnALandscapePage)
{
    DrawTwoFilters();
    ASSERT_TRUE(app->ExecuteCommand(CMorvaneApp::ID_VIEW_FILTERS_AND_FILTER_PHASES));
    const struct
    {
        CMDIChildFrame* frame;
        const char* file;
    } views[] = {{app->m_pFilterMDI, "filters.pdf"}, {app->m_pPhaseFilterMDI, "phases.pdf"}};
    for (const auto& v : views)
    {
        MakeCurrent(v.frame);
        ASSERT_TRUE(Enabled(CMorvaneApp::ID_FILE_PRINT)) << v.file;
        const std::string pdf = PrintToPdf(v.file);
        ASSERT_FALSE(pdf.empty()) << v.file;
        EXPECT_TRUE(messages.texts.empty());
        const auto [width, height] = PageSize(pdf);
        EXPECT_GT(width, height) << v.file;

        // One page whose content strokes both filters' curves point to point (200 response
        // points from 20 Hz to 20 kHz), inside the printable area and across most of it.
        std::string content;
        for (const std::string& stream : PdfStreams(pdf))
            if (stream.find(" SCN") != std::string::npos)
                content = stream;
        std::map<std::string, int> segments = SegmentsByStrokeColour(content);
        EXPECT_GE(segments[kRed], 150) << v.file;
        EXPECT_GE(segments[kGreen], 150) << v.file;
        const QRectF printable = Printer().pageLayout().paintRect(QPageLayout::Point);
        for (const char* colour : {kRed, kGreen})
        {
            const CPdfBounds curve = StrokedBounds(content, colour);
            EXPECT_GE(curve.left, 0.0) << v.file << " " << colour;
            EXPECT_GE(curve.bottom, 0.0) << v.file << " " << colour;
            EXPECT_LE(curve.right, width) << v.file << " " << colour;
            EXPECT_LE(curve.top, height) << v.file << " " << colour;
            EXPECT_GT(curve.right - curve.left, 0.75 * printable.width())
                << v.file << " " << colour;
        }
    }
}

TEST_F(PrintingTest, PrintAndPreviewFollowTheCurrentWindowsView)
{
    std::ofstream(folder.Path("spk.raw")) << RawText({{1000.0, 6.0}}, 50);
    app->OpenDocumentFile(folder.Path("spk.raw"));
    const int commands[] = {CMorvaneApp::ID_FILE_PRINT, CMorvaneApp::ID_FILE_PRINT_PREVIEW};
    // The response view has curves; the filter views are empty before Draw Filters.
    MakeCurrent(app->m_pResponseMDI);
    for (int id : commands)
        EXPECT_TRUE(Enabled(id)) << id;
    MakeCurrent(app->m_pFilterMDI);
    for (int id : commands)
        EXPECT_FALSE(Enabled(id)) << id;
    EXPECT_FALSE(app->ExecuteCommand(CMorvaneApp::ID_FILE_PRINT));

    DrawTwoFilters();
    for (CMDIChildFrame* frame : {static_cast<CMDIChildFrame*>(app->m_pFilterMDI),
                                  static_cast<CMDIChildFrame*>(app->m_pPhaseFilterMDI)})
    {
        MakeCurrent(frame);
        for (int id : commands)
            EXPECT_TRUE(Enabled(id)) << id;
        // A hidden window's view prints nothing.
        frame->hide();
        for (int id : commands)
            EXPECT_FALSE(Enabled(id)) << id;
    }
}

TEST_F(PrintingTest, PreviewShowsTheViewOnThePrinterOfTheRun)
{
    DrawTwoFilters();
    MakeCurrent(app->m_pFilterMDI);
    QPrinter* pShown = nullptr;
    int nPages = 0;
    OnNextModal<QPrintPreviewDialog>(
        [&](QPrintPreviewDialog& dialog)
        {
            pShown = dialog.printer();
            if (auto* preview = dialog.findChild<QPrintPreviewWidget*>())
                nPages = preview->pageCount();
            dialog.reject();
        });
    ASSERT_TRUE(app->ExecuteCommand(CMorvaneApp::ID_FILE_PRINT_PREVIEW));
    EXPECT_EQ(pShown, &Printer());
    EXPECT_EQ(nPages, 1);
    EXPECT_EQ(Printer().pageLayout().orientation(), QPageLayout::Landscape);
}

TEST_F(PrintingTest, TheCompressionWindowsPrintOnThePrinterOfTheRunToo)
{
    ASSERT_TRUE(app->ExecuteCommand(CMorvaneApp::ID_DEVICE_QZX2202));
    ASSERT_TRUE(app->ExecuteCommand(CMorvaneApp::ID_DESIGN_QZX2202_COMPRESSION));
    ASSERT_NE(app->GetDesignFrame(EDesignWindow::QZX2202Compression), nullptr);
    for (int id : {CMorvaneApp::ID_FILE_PRINT_SETUP, CMorvaneApp::ID_FILE_PRINT,
                   CMorvaneApp::ID_FILE_PRINT_PREVIEW})
        EXPECT_TRUE(Enabled(id)) << id;
    QPrinter* pShown = nullptr;
    OnNextModal<QPrintPreviewDialog>(
        [&](QPrintPreviewDialog& dialog)
        {
            pShown = dialog.printer();
            dialog.reject();
        });
    ASSERT_TRUE(app->ExecuteCommand(CMorvaneApp::ID_FILE_PRINT_PREVIEW));
    EXPECT_EQ(pShown, &Printer());
    const std::string pdf = PrintToPdf("compression.pdf");
    EXPECT_FALSE(pdf.empty());
    EXPECT_GT(PageSize(pdf).first, PageSize(pdf).second);
}

TEST_F(PrintingTest, PrintSetupChangesThePrinterThatEveryPrintUses)
{
    const QString systemDefault = QPrinterInfo::defaultPrinterName();
    ASSERT_TRUE(Enabled(CMorvaneApp::ID_FILE_PRINT_SETUP));
    // Print Setup's Page Setup button: the page, and OK (bAccept) or Cancel in Print Setup.
    auto setUpPage = [](const char* orientation, bool bAccept)
    {
        OnNextModal<CPrintSetupDialog>(
            [orientation, bAccept](CPrintSetupDialog& setup)
            {
                OnNextModal<QPageSetupDialog>(
                    [orientation](QPageSetupDialog& dialog)
                    {
                        if (auto* button = dialog.findChild<QRadioButton*>(orientation))
                            button->click();
                        dialog.accept();
                    });
                setup.PageSetupButton()->click();
                bAccept ? setup.accept() : setup.reject();
            });
    };
    // The page set up but Print Setup cancelled: nothing changes.
    setUpPage("portrait", false);
    ASSERT_TRUE(app->ExecuteCommand(CMorvaneApp::ID_FILE_PRINT_SETUP));
    EXPECT_EQ(Printer().pageLayout().orientation(), QPageLayout::Landscape);
    setUpPage("portrait", true);
    ASSERT_TRUE(app->ExecuteCommand(CMorvaneApp::ID_FILE_PRINT_SETUP));
    EXPECT_EQ(Printer().pageLayout().orientation(), QPageLayout::Portrait);

    // The next print comes out in portrait; the system's printers are as they were.
    DrawTwoFilters();
    MakeCurrent(app->m_pFilterMDI);
    const auto [width, height] = PageSize(PrintToPdf("portrait.pdf"));
    EXPECT_LT(width, height);
    EXPECT_EQ(QPrinterInfo::defaultPrinterName(), systemDefault);

    // Cancelled, Print Setup changes nothing.
    setUpPage("landscape", false);
    ASSERT_TRUE(app->ExecuteCommand(CMorvaneApp::ID_FILE_PRINT_SETUP));
    EXPECT_EQ(Printer().pageLayout().orientation(), QPageLayout::Portrait);
}

TEST_F(PrintingTest, PrintSetupChoosesThePrinterOfTheRunFromTheSystemsPrinters)
{
    CPrinterSettings& settings = *CPrinterSettings::Installed();
    const QString systemDefault = QPrinterInfo::defaultPrinterName();
    // The printers a system with two installed would report.
    settings.m_AvailablePrinters = [] { return QStringList{"Office Laser", "Lab Inkjet"}; };
    QStringList listed;
    auto choose = [&listed](const QString& name, bool bAccept)
    {
        OnNextModal<CPrintSetupDialog>(
            [&listed, name, bAccept](CPrintSetupDialog& setup)
            {
                listed.clear();
                for (int i = 0; i < setup.PrinterList()->count(); ++i)
                    listed << setup.PrinterList()->itemText(i);
                listed << setup.PrinterList()->currentText();
                if (!name.isEmpty())
                    setup.PrinterList()->setCurrentText(name);
                bAccept ? setup.accept() : setup.reject();
            });
    };
    choose("Lab Inkjet", true);
    ASSERT_TRUE(app->ExecuteCommand(CMorvaneApp::ID_FILE_PRINT_SETUP));
    // Both printers offered, the first preselected (neither is the printer in use).
    EXPECT_EQ(listed, (QStringList{"Office Laser", "Lab Inkjet", "Office Laser"}));
    EXPECT_EQ(settings.ChosenPrinter(), "Lab Inkjet");
    // The page stays as it was.
    EXPECT_EQ(Printer().pageLayout().orientation(), QPageLayout::Landscape);

    // The choice holds for the run: through a print, and Print Setup opens on it; a
    // cancelled one changes nothing.
    DrawTwoFilters();
    MakeCurrent(app->m_pFilterMDI);
    EXPECT_FALSE(PrintToPdf("chosen.pdf").empty());
    choose("Office Laser", false);
    ASSERT_TRUE(app->ExecuteCommand(CMorvaneApp::ID_FILE_PRINT_SETUP));
    EXPECT_EQ(listed.back(), "Lab Inkjet");
    EXPECT_EQ(settings.ChosenPrinter(), "Lab Inkjet");
    EXPECT_EQ(QPrinterInfo::defaultPrinterName(), systemDefault);

    // No printer installed is no error: the list says so, the page can still be set up.
    settings.m_AvailablePrinters = [] { return QStringList(); };
    bool bListEnabled = true;
    QString pageText;
    OnNextModal<CPrintSetupDialog>(
        [&](CPrintSetupDialog& setup)
        {
            bListEnabled = setup.PrinterList()->isEnabled();
            listed = QStringList{setup.PrinterList()->currentText()};
            pageText = setup.PageText();
            EXPECT_TRUE(setup.PageSetupButton()->isEnabled());
            setup.accept();
        });
    ASSERT_TRUE(app->ExecuteCommand(CMorvaneApp::ID_FILE_PRINT_SETUP));
    EXPECT_FALSE(bListEnabled);
    EXPECT_EQ(listed, QStringList{"No printer installed: prints go to a PDF file"});
    EXPECT_TRUE(pageText.endsWith(", Landscape")) << pageText.toStdString();
    EXPECT_TRUE(messages.texts.empty());
    EXPECT_EQ(settings.ChosenPrinter(), "Lab Inkjet");
}

TEST_F(PrintingTest, StartUpAsksNoPrinterAndAnUnavailableOneIsReportedWhenPrinting)
{
    // Start-up made the settings of the run without asking for any printer.
    CPrinterSettings* pSettings = CPrinterSettings::Installed();
    ASSERT_NE(pSettings, nullptr);
    EXPECT_FALSE(pSettings->HasPrinter());
    EXPECT_TRUE(messages.texts.empty());
    EXPECT_EQ(Printer().pageLayout().orientation(), QPageLayout::Landscape);

    // A printer that is not there: the print is reported as failed, not as done.
    DrawTwoFilters();
    MakeCurrent(app->m_pFilterMDI);
    Printer().setPrinterName("Morvane Test Printer That Does Not Exist");
    Printer().setOutputFileName(QString());
    OnNextModal<QPrintDialog>([](QPrintDialog& dialog) { dialog.done(QDialog::Accepted); });
    ASSERT_TRUE(app->ExecuteCommand(CMorvaneApp::ID_FILE_PRINT));
    EXPECT_EQ(messages.texts,
              std::vector<std::string>{"The printer could not be started.  Nothing was printed."});

    // Cancelling the print dialog is no failure.
    messages.texts.clear();
    OnNextModal<QPrintDialog>([](QPrintDialog& dialog) { dialog.reject(); });
    ASSERT_TRUE(app->ExecuteCommand(CMorvaneApp::ID_FILE_PRINT));
    EXPECT_TRUE(messages.texts.empty());

    // The failed print left the printer of the run usable, with its page.
    const std::string pdf = PrintToPdf("after.pdf");
    EXPECT_FALSE(pdf.empty());
    EXPECT_TRUE(messages.texts.empty());
    EXPECT_EQ(Printer().pageLayout().orientation(), QPageLayout::Landscape);
}

TEST_F(PrintingTest, SettingsThatGoAreNoLongerUsed)
{
    app->ExitInstance();
    EXPECT_EQ(CPrinterSettings::Installed(), nullptr);
    {
        CPrinterSettings settings;
        CPrinterSettings::Install(&settings);
        EXPECT_EQ(CPrinterSettings::Installed(), &settings);
    }
    EXPECT_EQ(CPrinterSettings::Installed(), nullptr);
}
} // namespace
