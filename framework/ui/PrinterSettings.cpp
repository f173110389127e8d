#include "framework/ui/PrinterSettings.h"

#include "framework/ui/PrintSetupDialog.h"

#include <QPrinter>
#include <QPrinterInfo>

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

CPrinterSettings::CPrinterSettings() : m_AvailablePrinters(&QPrinterInfo::availablePrinterNames) {}

CPrinterSettings::~CPrinterSettings()
{
    if (g_pInstalled == this)
        g_pInstalled = nullptr;
}

QPrinter& CPrinterSettings::Printer()
{
    // Between prints the printer is idle. One that a print could not start on (an
    // unavailable printer, an unwritable file) stays active for good and would refuse every
    // later print: the next one starts from a new printer of the choice with the same page.
    if (m_pPrinter && m_pPrinter->printerState() != QPrinter::Idle)
    {
        const QPageLayout page = m_pPrinter->pageLayout();
        m_pPrinter = MakeLandscapePrinter();
        ApplyChosenPrinter();
        m_pPrinter->setPageLayout(page);
    }
    if (!m_pPrinter)
    {
        m_pPrinter = MakeLandscapePrinter();
        ApplyChosenPrinter();
    }
    return *m_pPrinter;
}

void CPrinterSettings::ApplyChosenPrinter()
{
    if (m_strChosenPrinter.isEmpty() || m_pPrinter->printerName() == m_strChosenPrinter)
        return;
    // Another printer brings its own default page: the run's page stays.
    const QPageLayout page = m_pPrinter->pageLayout();
    m_pPrinter->setPrinterName(m_strChosenPrinter);
    m_pPrinter->setPageLayout(page);
}

bool CPrinterSettings::PrintSetup(QWidget* pParent)
{
    const QStringList printers = m_AvailablePrinters ? m_AvailablePrinters() : QStringList();
    // The printer in use, else the one chosen before, else the system's default.
    const QStringList preferred{Printer().printerName(), m_strChosenPrinter,
                                QPrinterInfo::defaultPrinterName()};
    CPrintSetupDialog dialog(Printer().pageLayout(), printers, preferred, pParent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    if (!dialog.ChosenPrinter().isEmpty())
        m_strChosenPrinter = dialog.ChosenPrinter();
    ApplyChosenPrinter();
    m_pPrinter->setPageLayout(dialog.ChosenPage());
    return true;
}

void CPrinterSettings::Install(CPrinterSettings* pSettings)
{
    g_pInstalled = pSettings;
}

CPrinterSettings* CPrinterSettings::Installed()
{
    return g_pInstalled;
}
