#include "shell/dialogs/OptimizationParameters.h"

#include "shell/dialogs/LowerLimitExceededDlg.h"

#include <QFocusEvent>
#include <QLineEdit>

namespace
{
constexpr DialogData::CDoubleRange kParameterRange{1e-11, 1e10};
constexpr double kReplacement = 0.01;
constexpr int kJointId = 1080;
constexpr int kSingleId = 1028;
} // namespace

COptimizationParameters::COptimizationParameters() : CSettingsPage("Optimization Parameters", IDD)
{
    AddDouble(kJointId, "Joint Filter Parameter", m_dJointFilterParameter, kParameterRange);
    AddDouble(kSingleId, "Single Filter Parameter", m_dSingleFilterParameter, kParameterRange);
    AddNote("Note: Parameters must be greater than zero.");
    showLowerLimitExceeded = [this]
    {
        CLowerLimitExceededDlg dialog(this);
        dialog.exec();
    };
    Edit(kJointId)->installEventFilter(this);
    Edit(kSingleId)->installEventFilter(this);
}

COptimizationParameters::~COptimizationParameters()
{
    // The edits outlive this part of the page; their last focus changes are not ours.
    Edit(kJointId)->removeEventFilter(this);
    Edit(kSingleId)->removeEventFilter(this);
}

bool COptimizationParameters::eventFilter(QObject* pWatched, QEvent* pEvent)
{
    // Focus taken by a window (the page's own message boxes among them) is no leaving.
    if (pEvent->type() == QEvent::FocusOut &&
        static_cast<QFocusEvent*>(pEvent)->reason() != Qt::ActiveWindowFocusReason &&
        static_cast<QFocusEvent*>(pEvent)->reason() != Qt::PopupFocusReason &&
        (pWatched == Edit(kJointId) || pWatched == Edit(kSingleId)))
        OnKillFocusParameter();
    return CSettingsPage::eventFilter(pWatched, pEvent);
}

void COptimizationParameters::OnKillFocusParameter()
{
    if (m_bInKillFocus)
        return;
    m_bInKillFocus = true;
    // The range message (if any) comes first; a negative value has been read all the same.
    UpdateData(true);
    const std::pair<double*, int> parameters[] = {{&m_dJointFilterParameter, kJointId},
                                                  {&m_dSingleFilterParameter, kSingleId}};
    for (const auto& [pValue, nId] : parameters)
    {
        if (*pValue >= 0.0)
            continue;
        if (showLowerLimitExceeded)
            showLowerLimitExceeded();
        *pValue = kReplacement;
        UpdateData(false);
        Edit(nId)->setFocus();
        break;
    }
    m_bInKillFocus = false;
}
