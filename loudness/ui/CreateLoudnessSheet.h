// What the two modal sheets "Create Loudness Filter" share (CCreateLoudnessFilter for the
// QZX2202, CCreateQZX2410LoudnessFilter for the QZX2410/QZX6060): five pages, one per
// loudness kind in kind order (EQ Base Type, Treble Base Type, Bass Base Type, Base Type
// Coefficients, Loudness Coefficients), which the sheet of a family adds, and OK, Cancel,
// Apply and Help (the help of the sheet's topic, as F1 in it). Apply and OK apply every page in tab
// order: each page the user changed adds one filter to the family's manager (the QZX2410/QZX6060
// pages also its scaling values). A page that refuses a value stops them: it becomes the current
// page, its message is shown and OK leaves the sheet open.
#pragma once

#include "loudness/ui/LoudnessPageWidget.h"

#include <QDialog>

class CLoudnessGainOffset;
class CLoudnessInfo;
class QPushButton;
class QTabWidget;

class CCreateLoudnessSheet : public QDialog
{
public:
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

protected:
    // A sheet without pages; the family's sheet adds its five.
    explicit CCreateLoudnessSheet(QWidget* parent);
    // Each page built from the same arguments (the family's manager, ...) and added in order.
    template <class... TPages, class... TArgs> void AddPages(TArgs&... args)
    {
        (AddPage(new TPages(args...)), ...);
    }
    // The first showing makes the sheet wide enough for its five tabs side by side.
    void showEvent(QShowEvent* event) override;

private:
    void AddPage(CLoudnessPageWidget* page);
    void UpdateApplyButton();

    QTabWidget* m_pTabs;
    QPushButton* m_pApply = nullptr;
};
