#include "shell/dialogs/LowerLimitExceededDlg.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

CLowerLimitExceededDlg::CLowerLimitExceededDlg(QWidget* pParent) : QDialog(pParent)
{
    setWindowTitle("Lower Limit of Optimization Parameter Exceeded");
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel("Optimization Parameters can not be less than zero.", this));
    layout->addWidget(buttons);
}
