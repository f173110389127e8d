// "Enter Log Sample Number of Points": the number of logarithmically spaced points the
// raw response is resampled onto. OK accepts only an integer from 150 to 100000000; any
// other text is refused with the data-exchange message and the dialog stays open.
#pragma once

#include <QDialog>

class QLineEdit;

class CLogSampleDlg : public QDialog
{
public:
    explicit CLogSampleDlg(QWidget* pParent = nullptr);

    // Writes m_nPoints into the edit box (call before showing).
    void OnInitDialog();
    // Reads and checks the edit box; on success the dialog ends with OK.
    bool OnOK();
    QLineEdit* PointsEdit() const { return m_pPoints; }

    long m_nPoints = 300;

private:
    QLineEdit* m_pPoints;
};
