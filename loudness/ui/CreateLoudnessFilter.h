// The modal sheet "Create Loudness Filter" of one chip family: five pages, one per loudness
// kind (EQ Base Type, Treble Base Type, Bass Base Type, Base Type Coefficients, Loudness
// Coefficients), and OK, Cancel and Apply. Apply and OK apply every page in tab order: each
// page the user changed adds one filter to the family's manager (the QZX2410/QZX6060 pages
// also its scaling values). A page that refuses a value stops them: it becomes the current
// page, its message is shown and OK leaves the sheet open.
#pragma once

#include "loudness/LoudnessDoc.h"

#include <QDialog>

class CLoudnessGainOffset;
class CLoudnessInfo;
class CLoudnessManager;
class CLoudnessPageWidget;
class QPushButton;
class QTabWidget;

class CCreateLoudnessFilter : public QDialog
{
public:
    // bQZX6060: the QZX6060 is selected now (the QZX2410/QZX6060 pages' starting values).
    CCreateLoudnessFilter(ELoudnessFamily family, CLoudnessManager& manager, bool bQZX6060,
                          QWidget* parent = nullptr);

    QTabWidget* Tabs() const { return m_pTabs; }
    CLoudnessPageWidget* PageWidget(int nKind) const;
    QPushButton* ApplyButton() const { return m_pApply; }

    // Fills the kind's page from a filter and makes it the current page.
    bool SetLoudnessInfo(int nKind, const CLoudnessInfo* pInfo,
                         const CLoudnessGainOffset* pGainOffset);
    // Every page in tab order; false at the first refusal.
    bool ApplyPages();
    // OK: the pages applied, then the sheet closes (it stays after a refusal).
    void accept() override;

private:
    void UpdateApplyButton();

    QTabWidget* m_pTabs;
    QPushButton* m_pApply = nullptr;
};
