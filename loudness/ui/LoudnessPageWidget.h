// One page of a create-loudness-filter sheet on the screen: a labelled box per value of
// the page (CCreateLoudnessPage), the coefficient pages' "Decimal or Hex" choice and the
// QZX2410/QZX6060 pages' group "Calculate Plot Gain" with its button. Boxes and page bind
// both ways: what the user types goes into the page (a change of the page), what the page
// writes (a conversion, a calculated plot gain, a filter filled in) is shown in the boxes.
// A refusal is shown in a message and its box takes the focus.
//
// Boxes are named "box<control id>" (box1081), the choice "decimal" and "hex", the button
// "calculatePlotGain".
#pragma once

#include "loudness/CreateLoudnessPage.h"

#include <QWidget>

#include <functional>
#include <map>
#include <memory>

class CLoudnessManager;
class QLineEdit;
class QPushButton;
class QRadioButton;

class CLoudnessPageWidget : public QWidget
{
public:
    // The page adds its filters to manager (the manager of the page's own family).
    CLoudnessPageWidget(std::unique_ptr<CCreateLoudnessPage> page, CLoudnessManager& manager,
                        QWidget* parent = nullptr);

    CCreateLoudnessPage& Page() const { return *m_pPage; }
    QLineEdit* Box(int nId) const;
    QRadioButton* DecimalButton() const { return m_pDecimal; }
    QRadioButton* HexButton() const { return m_pHex; }
    QPushButton* CalculateButton() const { return m_pCalculate; }

    // Adds the page's filter when the user changed the page; false after a refusal.
    bool Apply();
    // Fills the page from a filter (not a change of the page).
    bool FillFrom(const CLoudnessInfo* pInfo, const CLoudnessGainOffset* pGainOffset);

    // The user changed the page.
    std::function<void()> m_OnModified;
    // A value was refused: called before the message is shown (the sheet shows the page).
    std::function<void()> m_OnRefusal;

private:
    QWidget* MakeBoxes(const std::vector<CCreateLoudnessPage::CField>& fields, QWidget* parent,
                       bool bWithCalculate);
    void Refresh();
    void Refuse(const CCreateLoudnessPage::CRefusal& refusal);
    void Convert(bool bToHex);
    void OnCalculatePlotGain();

    std::unique_ptr<CCreateLoudnessPage> m_pPage;
    CLoudnessManager& m_Manager;
    std::map<int, QLineEdit*> m_Boxes;
    QRadioButton* m_pDecimal = nullptr;
    QRadioButton* m_pHex = nullptr;
    QPushButton* m_pCalculate = nullptr;
};
