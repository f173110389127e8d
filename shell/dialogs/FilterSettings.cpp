#include "shell/dialogs/FilterSettings.h"

#include <QCheckBox>
#include <QLineEdit>

CFilterSettings::CFilterSettings() : CSettingsPage("Filters", IDD)
{
    AddInt(1024, "Maximum Number of Filters", m_nMaximumNumberOfFilters);
    AddCheck(1023, "Limit Number of Filters", m_bLimitNumberOfFilters);
    connect(Check(1023), &QCheckBox::clicked, this,
            [this](bool bChecked) { Edit(1024)->setEnabled(bChecked); });
}

void CFilterSettings::OnInitDialog()
{
    CSettingsPage::OnInitDialog();
    Edit(1024)->setEnabled(m_bLimitNumberOfFilters);
}
