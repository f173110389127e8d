// Confirm Filter Deletion: "Delete Filter <name>?" with OK and Cancel.
#pragma once

#include <QDialog>

#include <string>

class QLineEdit;

class CDeleteFilterDlg : public QDialog
{
public:
    CDeleteFilterDlg(const std::string& name, QWidget* parent = nullptr);
    std::string GetText() const;

private:
    QLineEdit* m_pText;
};
