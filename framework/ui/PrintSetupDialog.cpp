#include "framework/ui/PrintSetupDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

CPrintSetupDialog::CPrintSetupDialog(const QPageLayout& page, const QStringList& printerNames,
                                     const QStringList& preferred, QWidget* pParent)
    : QDialog(pParent), m_pPrinters(new QComboBox(this)), m_pPage(new QLabel(this)),
      m_pPageSetup(new QPushButton("&Page Setup...", this)), m_Page(page),
      m_bHasPrinters(!printerNames.isEmpty())
{
    setWindowTitle("Print Setup");
    m_pPrinters->setObjectName("printers");
    m_pPageSetup->setObjectName("pageSetup");
    if (m_bHasPrinters)
    {
        m_pPrinters->addItems(printerNames);
        const auto listed =
            std::find_if(preferred.begin(), preferred.end(),
                         [&](const QString& name) { return printerNames.contains(name); });
        m_pPrinters->setCurrentIndex(
            listed == preferred.end() ? 0 : int(printerNames.indexOf(*listed)));
    }
    else
    {
        m_pPrinters->addItem("No printer installed: prints go to a PDF file");
        m_pPrinters->setEnabled(false);
    }

    auto* printerBox = new QGroupBox("Printer", this);
    auto* printerForm = new QFormLayout(printerBox);
    printerForm->addRow("&Name:", m_pPrinters);
    auto* pageBox = new QGroupBox("Page", this);
    auto* pageRow = new QHBoxLayout(pageBox);
    pageRow->addWidget(m_pPage, 1);
    pageRow->addWidget(m_pPageSetup);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(printerBox);
    layout->addWidget(pageBox);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_pPageSetup, &QPushButton::clicked, this, [this] { EditPage(); });
    m_pPage->setText(PageText());
}

QString CPrintSetupDialog::ChosenPrinter() const
{
    return m_bHasPrinters ? m_pPrinters->currentText() : QString();
}

QString CPrintSetupDialog::PageText() const
{
    const bool bLandscape = m_Page.orientation() == QPageLayout::Landscape;
    return m_Page.pageSize().name() + (bLandscape ? ", Landscape" : ", Portrait");
}

void CPrintSetupDialog::EditPage()
{
    QPrinter printer(QPrinter::HighResolution);
    if (!ChosenPrinter().isEmpty())
        printer.setPrinterName(ChosenPrinter());
    printer.setPageLayout(m_Page);
    QPageSetupDialog dialog(&printer, this);
    dialog.setWindowTitle("Page Setup");
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_Page = printer.pageLayout();
    m_pPage->setText(PageText());
}
