#include "shell/dialogs/Settings.h"

#include "document/MorvaneDoc.h"
#include "framework/ui/DialogSize.h"
#include "graph/MorvaneUtilities.h"
#include "shell/ShellStrings.h"
#include "shell/dialogs/DesiredResponse.h"
#include "shell/dialogs/FilterSettings.h"
#include "shell/dialogs/FilterViewBorder.h"
#include "shell/dialogs/FrequencyLimits.h"
#include "shell/dialogs/OptimizationParameters.h"
#include "shell/dialogs/PhaseFilterViewBorder.h"
#include "shell/dialogs/PhaseViewBorder.h"
#include "shell/dialogs/SettingsRules.h"
#include "shell/dialogs/SpeakerViewBorder.h"

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include <array>

namespace
{
// The border pages in the order of the document's four views: speaker response, speaker
// phase, filter, filter phase.
std::array<CViewBorderPage*, 4> BorderPages(const CSettings& sheet)
{
    return {sheet.m_pSpeakerViewBorder, sheet.m_pPhaseViewBorder, sheet.m_pFilterViewBorder,
            sheet.m_pPhaseFilterViewBorder};
}
} // namespace

CSettings::CSettings(unsigned nIDCaption, CMorvaneDoc* pDoc, QWidget* pParent, int iSelectPage)
    : CSettings(ShellString(nIDCaption), pDoc, pParent, iSelectPage)
{
}

CSettings::CSettings(const std::string& caption, CMorvaneDoc* pDoc, QWidget* pParent,
                     int iSelectPage)
    : QDialog(pParent), m_pDoc(pDoc), m_pFrequencyLimits(new CFrequencyLimits),
      m_pDesiredResponse(new CDesiredResponse), m_pFilterSettings(new CFilterSettings),
      m_pSpeakerViewBorder(new CSpeakerViewBorder), m_pFilterViewBorder(new CFilterViewBorder),
      m_pOptimizationParameters(new COptimizationParameters),
      m_pPhaseViewBorder(new CPhaseViewBorder),
      m_pPhaseFilterViewBorder(new CPhaseFilterViewBorder), m_pTabs(new QTabWidget(this)),
      m_pButtons(new QDialogButtonBox(
          QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Apply, this))
{
    setWindowTitle(QString::fromStdString(caption));
    for (int i = 0; i < kPageCount; ++i)
    {
        CSettingsPage* page = GetPage(i);
        m_pTabs->addTab(page, page->Caption());
        page->onModified = [this] { UpdateApplyButton(); };
    }
    if (pDoc)
    {
        m_pFrequencyLimits->SetDocument(pDoc);
        for (CViewBorderPage* page : BorderPages(*this))
            page->SetDocument(pDoc);
    }
    m_iActive = iSelectPage >= 0 && iSelectPage < kPageCount ? iSelectPage : 0;
    m_pTabs->setCurrentIndex(m_iActive);
    connect(m_pTabs, &QTabWidget::currentChanged, this, [this](int i) { OnCurrentChanged(i); });
    connect(m_pButtons, &QDialogButtonBox::accepted, this, [this] { OnOK(); });
    connect(m_pButtons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(ApplyButton(), &QPushButton::clicked, this, [this] { OnApply(); });
    ApplyButton()->setEnabled(false);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pTabs);
    layout->addWidget(m_pButtons);
    ShowEveryTab(*this, *m_pTabs);
}

CSettingsPage* CSettings::GetPage(int iPage) const
{
    const std::array<CSettingsPage*, kPageCount> pages = {
        m_pFrequencyLimits,   m_pDesiredResponse,      m_pFilterSettings,
        m_pSpeakerViewBorder, m_pFilterViewBorder,     m_pOptimizationParameters,
        m_pPhaseViewBorder,   m_pPhaseFilterViewBorder};
    return iPage >= 0 && iPage < kPageCount ? pages[std::size_t(iPage)] : nullptr;
}

int CSettings::GetActiveIndex() const
{
    return m_iActive;
}

QPushButton* CSettings::ApplyButton() const
{
    return m_pButtons->button(QDialogButtonBox::Apply);
}

bool CSettings::SetActivePage(int iPage)
{
    m_pTabs->setCurrentIndex(iPage);
    return m_iActive == iPage;
}

void CSettings::OnCurrentChanged(int iPage)
{
    if (m_bRevertingPage)
        return;
    // Leaving a page reads it; a page that fails its checks stays the active one.
    if (!GetPage(m_iActive)->UpdateData(true))
    {
        m_bRevertingPage = true;
        m_pTabs->setCurrentIndex(m_iActive);
        m_bRevertingPage = false;
        return;
    }
    m_iActive = iPage;
}

void CSettings::UpdateApplyButton()
{
    bool bModified = false;
    for (int i = 0; i < kPageCount; ++i)
        bModified = bModified || GetPage(i)->IsModified();
    ApplyButton()->setEnabled(bModified);
}

void CSettings::SetValues(const CSettingsSheetValues& values)
{
    m_pFrequencyLimits->m_dLowerFrequencyLimit = values.dLowerFrequencyLimit;
    m_pFrequencyLimits->m_dSamplingFrequency = values.dSamplingFrequency;
    m_pFrequencyLimits->m_dHigherFrequencyLimit = values.dHigherFrequencyLimit;
    m_pDesiredResponse->m_dLowerTolerance = values.dLowerTolerance;
    m_pDesiredResponse->m_dUpperTolerance = values.dUpperTolerance;
    m_pFilterSettings->m_nMaximumNumberOfFilters = values.nMaximumNumberOfFilters;
    m_pFilterSettings->m_bLimitNumberOfFilters = values.bLimitNumberOfFilters;
    m_pOptimizationParameters->m_dJointFilterParameter = values.dJointOptParam;
    m_pOptimizationParameters->m_dSingleFilterParameter = values.dSingleOptParam;
    const std::array<CViewBorderPage*, 4> borders = BorderPages(*this);
    for (std::size_t i = 0; i < borders.size(); ++i)
    {
        const CSettingsSheetValues::CViewRange& range = values.views[i];
        borders[i]->m_dMaximumValue = range.dUpperValue;
        borders[i]->m_dMaximumFrequency = range.dUpperFrequency;
        borders[i]->m_dMinimumValue = range.dLowerValue;
        borders[i]->m_dMinimumFrequency = range.dLowerFrequency;
        borders[i]->m_bAutomaticScaling = range.bAutomaticScaling;
    }
    for (int i = 0; i < kPageCount; ++i)
        GetPage(i)->OnInitDialog();
}

void CSettings::GetValues(CSettingsSheetValues& values) const
{
    values.dLowerFrequencyLimit = m_pFrequencyLimits->m_dLowerFrequencyLimit;
    values.dSamplingFrequency = m_pFrequencyLimits->m_dSamplingFrequency;
    values.dHigherFrequencyLimit = m_pFrequencyLimits->m_dHigherFrequencyLimit;
    values.dLowerTolerance = m_pDesiredResponse->m_dLowerTolerance;
    values.dUpperTolerance = m_pDesiredResponse->m_dUpperTolerance;
    values.nMaximumNumberOfFilters = m_pFilterSettings->m_nMaximumNumberOfFilters;
    values.bLimitNumberOfFilters = m_pFilterSettings->m_bLimitNumberOfFilters;
    values.dJointOptParam = m_pOptimizationParameters->m_dJointFilterParameter;
    values.dSingleOptParam = m_pOptimizationParameters->m_dSingleFilterParameter;
    const std::array<CViewBorderPage*, 4> borders = BorderPages(*this);
    for (std::size_t i = 0; i < borders.size(); ++i)
    {
        CSettingsSheetValues::CViewRange& range = values.views[i];
        range.dUpperValue = borders[i]->m_dMaximumValue;
        range.dUpperFrequency = borders[i]->m_dMaximumFrequency;
        range.dLowerValue = borders[i]->m_dMinimumValue;
        range.dLowerFrequency = borders[i]->m_dMinimumFrequency;
        range.bAutomaticScaling = borders[i]->m_bAutomaticScaling;
    }
}

bool CSettings::ValuesAgree()
{
    CSettingsSheetValues values;
    GetValues(values);
    const std::optional<CSettingsContradiction> found = FindSettingsContradiction(values);
    if (!found)
        return true;
    ShowMessage(found->message);
    SetActivePage(found->iPage);
    if (QLineEdit* edit = GetPage(found->iPage)->Edit(found->nControlId))
    {
        edit->setFocus();
        edit->selectAll();
    }
    return false;
}

bool CSettings::OnOK()
{
    if (!GetPage(m_iActive)->UpdateData(true) || !ValuesAgree())
        return false;
    accept();
    return true;
}

bool CSettings::OnApply()
{
    if (!GetPage(m_iActive)->UpdateData(true) || !ValuesAgree())
        return false;
    for (int i = 0; i < kPageCount; ++i)
        GetPage(i)->SetModified(false);
    ApplyButton()->setEnabled(false);
    if (!m_pDoc)
        return true;
    CSettingsSheetValues values;
    GetValues(values);
    m_pDoc->TakeSettingsSheet(values);
    // A higher limit above half the sampling frequency was capped: the page shows it so.
    if (m_pDoc->m_nHigherFrequencyLimit != TruncToInt(values.dHigherFrequencyLimit))
    {
        m_pFrequencyLimits->m_dHigherFrequencyLimit = m_pDoc->m_nHigherFrequencyLimit;
        m_pFrequencyLimits->UpdateData(false);
    }
    m_pDoc->ApplySettings();
    m_pDoc->UpdateAllViews(nullptr, kHintSettingsApplied);
    return true;
}
