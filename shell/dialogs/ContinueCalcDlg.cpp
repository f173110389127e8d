#include "shell/dialogs/ContinueCalcDlg.h"

#include "shell/dialogs/DialogDataExchange.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

ContinueCalcDlg::ContinueCalcDlg(long nFilterNumber, QWidget* pParent)
    : QDialog(pParent ? pParent : QApplication::activeWindow()), m_nFilterNumber(nFilterNumber),
      m_pFilterNumber(new QLineEdit(this))
{
    setWindowTitle("Continue Calculation");
    m_pFilterNumber->setObjectName("1000");
    m_pFilterNumber->setReadOnly(true);
    m_pFilterNumber->setText(QString::fromStdString(DialogData::FormatLong(m_nFilterNumber)));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QGridLayout(this);
    layout->addWidget(new QLabel("Filter", this), 0, 0);
    layout->addWidget(m_pFilterNumber, 0, 1);
    layout->addWidget(new QLabel("Generated", this), 0, 2);
    layout->addWidget(new QLabel("Continue Calculations?", this), 1, 0, 1, 3);
    layout->addWidget(buttons, 2, 0, 1, 3);
}
