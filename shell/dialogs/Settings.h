// The modal "Settings" sheet: eight pages with the design limits (frequency limits and
// sampling frequency, tolerances, filter-count limit, optimization parameters) and the
// axis ranges of the four speaker views. The document fills it and takes the values back
// after OK; Apply hands the values to the document and its views at once, leaving the
// sheet open. A page whose fields do not pass their checks cannot be left: changing the
// page, OK and Apply stay where they are. Values that contradict each other (a lower
// frequency limit above the higher one, a filter limit below one filter, a border minimum
// not below its maximum) are refused by OK and Apply with a message, on the page that
// holds them.
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

    // OK: the active page is read and the values checked together; on success the sheet
    // ends with OK.
    bool OnOK();
    // Apply: the active page is read and the values checked together; on success every
    // page is unmodified and the values are in the document, its views and the
    // application's settings.
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
    // False, after the message and with the page of the field made active, when values
    // contradict each other.
    bool ValuesAgree();
    void UpdateApplyButton();

    QTabWidget* m_pTabs;
    QDialogButtonBox* m_pButtons;
    int m_iActive = 0;
    bool m_bRevertingPage = false;
};
