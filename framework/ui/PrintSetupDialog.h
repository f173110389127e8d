// The "Print Setup" dialog: the printer chosen from the printers the system reports, and
// beside it the page (paper, orientation, margins), which "Page Setup..." edits in Qt's page
// setup dialog. With no printer installed the list says that prints go to a PDF file;
// that is no error, and the page can still be set up. Nothing changes until OK: the
// caller takes the chosen printer and page from the dialog.
#pragma once

#include <QDialog>
#include <QPageLayout>
#include <QStringList>

class QComboBox;
class QLabel;
class QPushButton;

class CPrintSetupDialog : public QDialog
{
public:
    // Starts from the page and from the first of the preferred printers that is among the
    // printers offered (printerNames), else the first one offered.
    CPrintSetupDialog(const QPageLayout& page, const QStringList& printerNames,
                      const QStringList& preferred, QWidget* pParent = nullptr);

    // The printer chosen; empty when no printer is installed.
    QString ChosenPrinter() const;
    QPageLayout ChosenPage() const { return m_Page; }

    QComboBox* PrinterList() const { return m_pPrinters; }
    QPushButton* PageSetupButton() const { return m_pPageSetup; }
    // The page as the dialog describes it ("A4, Landscape").
    QString PageText() const;

private:
    // Qt's page setup dialog on a printer of the chosen name with the page so far.
    void EditPage();

    QComboBox* m_pPrinters;
    QLabel* m_pPage;
    QPushButton* m_pPageSetup;
    QPageLayout m_Page;
    bool m_bHasPrinters;
};
