// The confirmation before a filter picked on the filter view is marked active, inactive,
// fixed or modifiable: the question in a read-only edit box, OK (1) confirms, Cancel (2)
// declines.
#pragma once

#include "shell/dialogs/ConfirmMarkText.h"
#include "shell/dialogs/QuestionDlg.h"

#include <string>

class CConfirmMarkDlg : public CQuestionDlg
{
public:
    // text: the filter's name (EQ-3); pParent null: the application's active window.
    CConfirmMarkDlg(EConfirmMark kind, std::string text, QWidget* pParent = nullptr);

    // The modal result: 1 for OK, 2 for Cancel.
    int DoModal();

    // After initialisation: the whole question.
    std::string m_strText;

private:
    void OnInitDialog();

    EConfirmMark m_Kind;
};
