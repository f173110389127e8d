// A confirmation: the question in a read-only edit box above OK, which confirms, and
// Cancel, which declines.
#pragma once

#include <QDialog>

#include <string>

class QLineEdit;

class CQuestionDlg : public QDialog
{
public:
    // pParent null: the application's active window.
    CQuestionDlg(const std::string& caption, const std::string& question,
                 QWidget* pParent = nullptr);

    QLineEdit* TextEdit() const { return m_pText; }
    std::string GetText() const;
    void SetText(const std::string& question);

private:
    QLineEdit* m_pText;
};
