#include "shell/dialogs/ConfirmMarkDlg.h"

#include "shell/dialogs/DialogSize.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QVBoxLayout>

CConfirmMarkDlg::CConfirmMarkDlg(EConfirmMark kind, std::string text, QWidget* pParent)
    : QDialog(pParent ? pParent : QApplication::activeWindow()), m_strText(std::move(text)),
      m_Kind(kind), m_pText(new QLineEdit(this))
{
    setWindowTitle(ConfirmMarkText(kind).caption);
    KeepTitleVisible(*this);
    m_pText->setObjectName("1058");
    m_pText->setReadOnly(true);
    m_pText->setMinimumWidth(220);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pText);
    layout->addWidget(buttons);
    OnInitDialog();
}

void CConfirmMarkDlg::OnInitDialog()
{
    m_strText = ConfirmMarkQuestion(m_Kind, m_strText);
    m_pText->setText(QString::fromStdString(m_strText));
}

int CConfirmMarkDlg::DoModal()
{
    return exec() == QDialog::Accepted ? 1 : 2;
}
