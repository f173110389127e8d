#include "framework/ui/PrinterSettings.h"

#include <QPageSetupDialog>
#include <QPrinter>

namespace
{
CPrinterSettings* g_pInstalled = nullptr;
} // namespace

std::unique_ptr<QPrinter> MakeLandscapePrinter()
{
    auto pPrinter = std::make_unique<QPrinter>(QPrinter::HighResolution);
    pPrinter->setPageOrientation(QPageLayout::Landscape);
    return pPrinter;
}

CPrinterSettings::CPrinterSettings() = default;

CPrinterSettings::~CPrinterSettings()
{
    if (g_pInstalled == this)
        g_pInstalled = nullptr;
}

QPrinter& CPrinterSettings::Printer()
{
    // Between prints the printer is idle. One that a print could not start on (an
    // unavailable printer, an unwritable file) stays active for good and would refuse every
    // later print: the next one starts from the default printer with the same page.
    if (m_pPrinter && m_pPrinter->printerState() != QPrinter::Idle)
    {
        const QPageLayout page = m_pPrinter->pageLayout();
        m_pPrinter = MakeLandscapePrinter();
        m_pPrinter->setPageLayout(page);
    }
    if (!m_pPrinter)
        m_pPrinter = MakeLandscapePrinter();
    return *m_pPrinter;
}

bool CPrinterSettings::PrintSetup(QWidget* pParent)
{
    QPageSetupDialog dialog(&Printer(), pParent);
    dialog.setWindowTitle("Print Setup");
    return dialog.exec() == QDialog::Accepted;
}

void CPrinterSettings::Install(CPrinterSettings* pSettings)
{
    g_pInstalled = pSettings;
}

CPrinterSettings* CPrinterSettings::Installed()
{
    return g_pInstalled;
}
