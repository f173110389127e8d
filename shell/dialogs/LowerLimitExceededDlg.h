// "Lower Limit of Optimization Parameter Exceeded": the warning the optimization page
// shows for a parameter below zero before it puts 0.01 in its place. OK only.
#pragma once

#include <QDialog>

class CLowerLimitExceededDlg : public QDialog
{
public:
    explicit CLowerLimitExceededDlg(QWidget* pParent = nullptr);
};
