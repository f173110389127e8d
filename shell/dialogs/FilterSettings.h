// Settings page "Filters": the user's limit on the number of calculated filters. The
// count can be edited only while the limit is ticked.
#pragma once

#include "shell/dialogs/SettingsPage.h"

class CFilterSettings : public CSettingsPage
{
public:
    enum
    {
        IDD = 142
    };
    CFilterSettings();

    void OnInitDialog() override;

    int m_nMaximumNumberOfFilters = 0;
    bool m_bLimitNumberOfFilters = false;
};
