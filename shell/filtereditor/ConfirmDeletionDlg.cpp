#include "shell/filtereditor/ConfirmDeletionDlg.h"

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QVBoxLayout>

CConfirmDeletionDlg::CConfirmDeletionDlg(const std::string& caption, const std::string& question,
                                         QWidget* parent)
    : QDialog(parent), m_pText(new QLineEdit(this))
{
    setWindowTitle(QString::fromStdString(caption));
    m_pText->setReadOnly(true);
    m_pText->setText(QString::fromStdString(question));
    m_pText->setMinimumWidth(m_pText->fontMetrics().horizontalAdvance(m_pText->text()) + 24);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pText);
    layout->addWidget(buttons);
}

std::string CConfirmDeletionDlg::GetText() const
{
    return m_pText->text().toStdString();
}
