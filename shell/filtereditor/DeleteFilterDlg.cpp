#include "shell/filtereditor/DeleteFilterDlg.h"

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QVBoxLayout>

CDeleteFilterDlg::CDeleteFilterDlg(const std::string& name, QWidget* parent)
    : QDialog(parent), m_pText(new QLineEdit(this))
{
    setWindowTitle("Confirm Filter Deletion");
    m_pText->setReadOnly(true);
    m_pText->setText(QString::fromStdString("Delete Filter " + name + "?"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pText);
    layout->addWidget(buttons);
}

std::string CDeleteFilterDlg::GetText() const
{
    return m_pText->text().toStdString();
}
