// The confirmation before a grid row is deleted: the question in a read-only edit box,
// OK confirms (1), Cancel declines (0).
#pragma once

#include <QDialog>

#include <string>

class QLineEdit;

class CConfirmDeletionDlg : public QDialog
{
public:
    CConfirmDeletionDlg(const std::string& caption, const std::string& question,
                        QWidget* parent = nullptr);
    std::string GetText() const;

private:
    QLineEdit* m_pText;
};
