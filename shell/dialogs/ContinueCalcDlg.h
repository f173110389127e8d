// "Continue Calculation": asked after each calculated filter in pause mode. Shows the
// number of the filter just generated; OK (result 1) goes on, Cancel, Esc and the close
// box (result 0) end the calculation with the filters found so far.
#pragma once

#include <QDialog>

class QLineEdit;

class ContinueCalcDlg : public QDialog
{
public:
    // pParent null: the application's active window.
    explicit ContinueCalcDlg(long nFilterNumber, QWidget* pParent = nullptr);

    QLineEdit* FilterNumberEdit() const { return m_pFilterNumber; }

    long m_nFilterNumber;

private:
    QLineEdit* m_pFilterNumber;
};
