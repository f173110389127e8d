// Confirm Filter Deletion: "Delete Filter <name>?" with OK and Cancel.
#pragma once

#include "shell/dialogs/QuestionDlg.h"

class CDeleteFilterDlg : public CQuestionDlg
{
public:
    explicit CDeleteFilterDlg(const std::string& name, QWidget* parent = nullptr)
        : CQuestionDlg("Confirm Filter Deletion", "Delete Filter " + name + "?", parent)
    {
    }
};
