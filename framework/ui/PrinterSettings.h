// The printer settings of the whole run: the printer, paper and orientation that every
// print and print preview of every view starts from, landscape until the user changes it.
// Print Setup edits them (the printer from the system's list, and the page), and so does
// the print dialog (a printer chosen there stays chosen for the next print). They are the
// program's own copy: the system's default printer and its settings are never changed, and
// no printer is asked for anything before the first print, so a missing or unavailable
// printer costs nothing at start-up.
//
// The application installs one object for the run (Install); without one, each print
// starts from a new landscape printer.
#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class QPrinter;
class QWidget;

class CPrinterSettings
{
public:
    CPrinterSettings();
    ~CPrinterSettings();
    CPrinterSettings(const CPrinterSettings&) = delete;
    CPrinterSettings& operator=(const CPrinterSettings&) = delete;

    // The printer, made on first use: the printer chosen in Print Setup, else the system's
    // default printer (a PDF file when there is none), at high resolution, in landscape.
    // A printer left unusable by a print that could not start is replaced by a new one of
    // the chosen printer with the same page.
    QPrinter& Printer();
    // False until the printer was first asked for.
    bool HasPrinter() const { return m_pPrinter != nullptr; }
    // Print Setup: the printer chosen from the system's printers (AvailablePrinters) and
    // the page (paper, orientation, margins) in CPrintSetupDialog; true when the user
    // accepted it, and the choice then holds for the rest of the run.
    bool PrintSetup(QWidget* pParent);
    // The printer last chosen in Print Setup; empty while none was (the system's default).
    QString ChosenPrinter() const { return m_strChosenPrinter; }

    // The printers Print Setup offers: the system's (QPrinterInfo) unless replaced.
    std::function<QStringList()> m_AvailablePrinters;

    // The settings that prints use; null puts back the default (none). Not owned: the
    // object must stay installed no longer than it lives.
    static void Install(CPrinterSettings* pSettings);
    static CPrinterSettings* Installed();

private:
    // Makes the printer the chosen one, keeping its page.
    void ApplyChosenPrinter();

    std::unique_ptr<QPrinter> m_pPrinter;
    QString m_strChosenPrinter;
};

// A new printer of the run's defaults: high resolution, landscape.
std::unique_ptr<QPrinter> MakeLandscapePrinter();
