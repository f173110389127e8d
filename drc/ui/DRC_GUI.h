// The modeless dialog in which the user sets the QZX2202 compression: the threshold on a
// slider with an up-down control (0.375 dB steps from 0 down to -89.625 dB), a compression
// and an expansion ratio above and below the threshold, and the energy level detection,
// attack and decay times. It opens on the model's current setting. The ratio of a side
// whose box was closed last is the one in force (its caption red above, blue below, the
// other grey). Nothing reaches the model before Apply, which hands over the whole setting
// and redraws the view; Enter and Esc do nothing.
//
// The view that creates it destroys it; its owner is the view's window (CControlDialog).
#pragma once

#include "drc/DRC_Manager.h"
#include "drc/ui/ControlDialog.h"
#include "graph/Mode.h"

class CChoiceComboBox;
class CScaleSlider;
class CSpinButtonCtrl;
class QLabel;
class QLineEdit;
class QPushButton;

class CDRC_GUI : public CControlDialog
{
public:
    CDRC_GUI(CDRC_Manager* pManager, QWidget* pParent);

    // Apply: the setting of the controls to the model, which redraws the view.
    void OnApply();
    // The slider moved (by the user): the text, the threshold and the up-down control
    // follow.
    void OnSliderMoved(int nPosition);
    // A step of the up-down control: accepted inside the slider's range.
    bool OnSpinStep(int nNewPosition) const;
    void OnSpinMoved(int nPosition);

    double GetThreshold() const { return m_Threshold; }
    CDrcSetting GetSetting() const;

    CMode m_AboveCompressionChosen;
    CMode m_AboveExpansionChosen;
    CMode m_BelowCompressionChosen;
    CMode m_BelowExpansionChosen;

private:
    void BuildControls();
    QWidget* BuildThresholdColumn();
    QWidget* BuildChoiceColumn();
    void OnInitDialog();
    void FillBox(CChoiceComboBox* pBox, const CDrcChoice* pTable, int nCount, int nSelected);
    // The box's ratio becomes the one in force on its side.
    void OnCloseUp(CMode& chosen, CMode& other);
    // Captions of the ratios in force red (above) and blue (below), the others grey.
    void UpdateLabelColors();
    void MoveThreshold(int nPosition);

    CDRC_Manager* m_pManager;
    double m_Threshold = -48.0;
    QLabel* m_stBelowExpansion = nullptr;
    QLabel* m_stBelowCompression = nullptr;
    QLabel* m_stAboveExpansion = nullptr;
    QLabel* m_stAboveCompression = nullptr;
    QLineEdit* m_edThreshold = nullptr;
    CSpinButtonCtrl* m_spThreshold = nullptr;
    CScaleSlider* m_slThreshold = nullptr;
    CChoiceComboBox* m_cbEnergyTime = nullptr;
    CChoiceComboBox* m_cbDecayTime = nullptr;
    CChoiceComboBox* m_cbBelowExpansion = nullptr;
    CChoiceComboBox* m_cbBelowCompression = nullptr;
    CChoiceComboBox* m_cbAttackTime = nullptr;
    CChoiceComboBox* m_cbAboveExpansion = nullptr;
    CChoiceComboBox* m_cbAboveCompression = nullptr;
    QPushButton* m_pApply = nullptr;
};
