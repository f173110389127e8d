#include "shell/dialogs/QuestionDlg.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QVBoxLayout>

CQuestionDlg::CQuestionDlg(const std::string& caption, const std::string& question,
                           QWidget* pParent)
    : QDialog(pParent ? pParent : QApplication::activeWindow()), m_pText(new QLineEdit(this))
{
    setWindowTitle(QString::fromStdString(caption));
    m_pText->setReadOnly(true);
    m_pText->setMinimumWidth(220);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pText);
    layout->addWidget(buttons);
    SetText(question);
}

std::string CQuestionDlg::GetText() const
{
    return m_pText->text().toStdString();
}

void CQuestionDlg::SetText(const std::string& question)
{
    m_pText->setText(QString::fromStdString(question));
    m_pText->setMinimumWidth(
        std::max(220, m_pText->fontMetrics().horizontalAdvance(m_pText->text()) + 24));
}
