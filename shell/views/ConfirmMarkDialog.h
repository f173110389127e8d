// The four small modal dialogs that confirm marking a filter picked on the filter view's
// plot: "Confirm Mark As Active" (174), "Confirm Mark As Inactive" (175), "Confirm Mark As
// Fixed" (168) and "Confirm Mark As Modifiable" (167). Each shows its lead text, the
// filter's name and a question mark in one edit box; OK confirms, Cancel declines.
#pragma once

#include <QDialog>

#include <string>

class QLineEdit;

class CConfirmMarkDialog : public QDialog
{
public:
    enum EDialog : int
    {
        kMarkModifiable = 167,
        kMarkFixed = 168,
        kMarkActive = 174,
        kMarkInactive = 175,
    };

    CConfirmMarkDialog(EDialog dialog, const std::string& text, QWidget* pParent = nullptr);

    // The edit box's text: lead text + text + "?", e.g. "Mark As Fixed EQ-3?".
    static std::string QuestionText(EDialog dialog, const std::string& text);
    std::string GetText() const;

    // Shows the dialog modally; true for OK.
    static bool Confirm(EDialog dialog, const std::string& text);

private:
    QLineEdit* m_pEdit = nullptr;
};
