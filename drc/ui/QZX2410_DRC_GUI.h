// The modeless dialog in which the user sets the QZX241X/QZX606X compression curve: two
// thresholds, each on a slider with an up-down control and an edit (0.1 dB steps from 0
// down to the model's threshold floor), compression or expansion and a ratio for each of
// the three regions, the two offsets, and whether Offset1 is entered or derived. It opens
// on the model's current setting. Apply (or Enter) reads every edit and hands the whole
// setting to the model, which computes the curve and redraws the view; a text that cannot
// be read stops it with a message. Esc does nothing.
//
// A threshold typed into an edit moves that threshold's slider when the edit is left; a
// text that is no threshold is refused with a message and the text before it comes back.
//
// The view that creates it destroys it; its owner is the view's window (CControlDialog).
#pragma once

#include "drc/DrcThresholdScale.h"
#include "drc/QZX2410_DRC_Manager.h"
#include "drc/ui/ControlDialog.h"

#include <QString>

#include <optional>

class CScaleSlider;
class CSpinButtonCtrl;
class QLineEdit;
class QPushButton;
class QRadioButton;

class CQZX2410_DRC_GUI : public CControlDialog
{
public:
    CQZX2410_DRC_GUI(CQZX2410_DRC_Manager* pManager, QWidget* pParent);

    // Apply: the controls' setting to the model; false when a text could not be read or
    // the model refused the setting (a message said why).
    bool OnApply();
    double GetThreshold(int i) const { return m_Threshold[i]; }

protected:
    void OnEnter() override { OnApply(); }

private:
    // The controls of one threshold (i = 0: Threshold1, 1: Threshold2).
    struct CThresholdControls
    {
        QLineEdit* pEdit = nullptr;
        CSpinButtonCtrl* pSpin = nullptr;
        CScaleSlider* pSlider = nullptr;
        QString strAccepted; // the edit's text last taken
    };
    struct CRegionControls
    {
        QRadioButton* pCompression = nullptr;
        QRadioButton* pExpansion = nullptr;
        QLineEdit* pRatio = nullptr;
    };

    void BuildControls();
    QWidget* BuildThreshold(int i, const char* pTitle);
    QWidget* BuildRegion(int i);
    QWidget* BuildOffsets();
    void OnInitDialog();
    // The slider or the up-down control moved the threshold to a position.
    void MoveThreshold(int i, int nPosition, bool bMoveSlider);
    // Takes the threshold typed into edit i; a refused text is reported and replaced by
    // the text before it. False when refused.
    bool TakeThresholdText(int i);
    // The number in the edit; a text that is no number is reported (naming the field) and
    // the edit gets the focus.
    std::optional<double> ReadNumber(QLineEdit* pEdit, const char* pField);
    void OnOffsetOption(bool bSpecify);

    CQZX2410_DRC_Manager* m_pManager;
    CQZX2410ThresholdScale m_Scale;
    double m_Threshold[2] = {0.0, 0.0};
    CThresholdControls m_Thresholds[2];
    CRegionControls m_Regions[3];
    QLineEdit* m_edOffset1 = nullptr;
    QLineEdit* m_edOffset2 = nullptr;
    QRadioButton* m_pDeriveOffset1 = nullptr;
    QRadioButton* m_pSpecifyOffset1 = nullptr;
    QPushButton* m_pApply = nullptr;
    bool m_bTakingThreshold = false;
};
