#include "shell/views/ConfirmMarkDialog.h"

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QVBoxLayout>

namespace
{
struct CDialogTexts
{
    CConfirmMarkDialog::EDialog dialog;
    const char* pCaption;
    const char* pLead; // ends with one blank
};

constexpr CDialogTexts kTexts[] = {
    {CConfirmMarkDialog::kMarkModifiable, "Confirm Mark As Modifiable", "Mark as Modifiable "},
    {CConfirmMarkDialog::kMarkFixed, "Confirm Mark As Fixed", "Mark As Fixed "},
    {CConfirmMarkDialog::kMarkActive, "Confirm Mark As Active", "Mark as Active "},
    {CConfirmMarkDialog::kMarkInactive, "Confirm Mark As Inactive", "Mark As Inactive "},
};

const CDialogTexts& TextsOf(CConfirmMarkDialog::EDialog dialog)
{
    for (const CDialogTexts& texts : kTexts)
        if (texts.dialog == dialog)
            return texts;
    return kTexts[0];
}
} // namespace

CConfirmMarkDialog::CConfirmMarkDialog(EDialog dialog, const std::string& text, QWidget* pParent)
    : QDialog(pParent)
{
    setWindowTitle(QString::fromStdString(TextsOf(dialog).pCaption));
    m_pEdit = new QLineEdit(QString::fromStdString(QuestionText(dialog, text)), this);
    auto* pButtons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(pButtons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(pButtons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* pLayout = new QVBoxLayout(this);
    pLayout->addWidget(m_pEdit);
    pLayout->addWidget(pButtons);
}

std::string CConfirmMarkDialog::QuestionText(EDialog dialog, const std::string& text)
{
    return TextsOf(dialog).pLead + text + "?";
}

std::string CConfirmMarkDialog::GetText() const
{
    return m_pEdit->text().toStdString();
}

bool CConfirmMarkDialog::Confirm(EDialog dialog, const std::string& text)
{
    CConfirmMarkDialog box(dialog, text);
    return box.exec() == QDialog::Accepted;
}
