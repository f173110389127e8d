// Settings page "Optimization Parameters": the step parameters of the single-filter and
// joint optimizations. A parameter typed below zero is replaced by 0.01 when its edit
// loses the focus, after the "Lower Limit of Optimization Parameter Exceeded" warning.
#pragma once

#include "shell/dialogs/SettingsPage.h"

#include <functional>

class COptimizationParameters : public CSettingsPage
{
public:
    enum
    {
        IDD = 144
    };
    COptimizationParameters();
    ~COptimizationParameters() override;

    // Either parameter edit lost the focus.
    void OnKillFocusParameter();
    // Shows the warning (modal); replaceable for tests.
    std::function<void()> showLowerLimitExceeded;

    double m_dJointFilterParameter = 0.0;
    double m_dSingleFilterParameter = 0.0;

protected:
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override;

private:
    bool m_bInKillFocus = false;
};
