// The modal "Settings" sheet: eight pages with the design limits (frequency limits and
// sampling frequency, tolerances, filter-count limit, optimization parameters) and the
// axis ranges of the four speaker views. The document fills it and takes the values back
// after OK; Apply hands the values to the document and its views at once, leaving the
// sheet open. A page whose fields do not pass their checks cannot be left: changing the
// page, OK and Apply stay where they are.
#pragma once

#include "document/DocumentServices.h"

#include <QDialog>

#include <string>

class CDesiredResponse;
class CFilterSettings;
class CFilterViewBorder;
class CFrequencyLimits;
class CMorvaneDoc;
class COptimizationParameters;
class CPhaseFilterViewBorder;
class CPhaseViewBorder;
class CSettingsPage;
class CSpeakerViewBorder;
class QDialogButtonBox;
class QPushButton;
class QTabWidget;

class CSettings : public QDialog
{
public:
    enum
    {
        kPageCount = 8
    };
    // The caption from the string table (132: "Settings") or as text; pDoc may be null
    // (Apply then only checks the page).
    CSettings(unsigned nIDCaption, CMorvaneDoc* pDoc, QWidget* pParent = nullptr,
              int iSelectPage = 0);
    CSettings(const std::string& caption, CMorvaneDoc* pDoc, QWidget* pParent = nullptr,
              int iSelectPage = 0);

    // Into the pages' members and fields, and back from the members.
    void SetValues(const CSettingsSheetValues& values);
    void GetValues(CSettingsSheetValues& values) const;

    // OK: the active page is read; on success the sheet ends with OK.
    bool OnOK();
    // Apply: the active page is read; on success every page is unmodified and the values
    // are in the document, its views and the application's settings.
    bool OnApply();

    CSettingsPage* GetPage(int iPage) const;
    int GetActiveIndex() const;
    // False when the active page cannot be left.
    bool SetActivePage(int iPage);
    QPushButton* ApplyButton() const;

    CMorvaneDoc* m_pDoc;
    // In the order of the tabs.
    CFrequencyLimits* m_pFrequencyLimits;
    CDesiredResponse* m_pDesiredResponse;
    CFilterSettings* m_pFilterSettings;
    CSpeakerViewBorder* m_pSpeakerViewBorder;
    CFilterViewBorder* m_pFilterViewBorder;
    COptimizationParameters* m_pOptimizationParameters;
    CPhaseViewBorder* m_pPhaseViewBorder;
    CPhaseFilterViewBorder* m_pPhaseFilterViewBorder;

private:
    void OnCurrentChanged(int iPage);
    void UpdateApplyButton();

    QTabWidget* m_pTabs;
    QDialogButtonBox* m_pButtons;
    int m_iActive = 0;
    bool m_bRevertingPage = false;
};
