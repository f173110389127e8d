#include "shell/dialogs/ConfirmMarkDlg.h"

#include <QLineEdit>

CConfirmMarkDlg::CConfirmMarkDlg(EConfirmMark kind, std::string text, QWidget* pParent)
    : CQuestionDlg(ConfirmMarkText(kind).caption, {}, pParent), m_strText(std::move(text)),
      m_Kind(kind)
{
    TextEdit()->setObjectName("1058");
    OnInitDialog();
}

void CConfirmMarkDlg::OnInitDialog()
{
    m_strText = ConfirmMarkQuestion(m_Kind, m_strText);
    SetText(m_strText);
}

int CConfirmMarkDlg::DoModal()
{
    return exec() == QDialog::Accepted ? 1 : 2;
}
