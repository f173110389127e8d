#include "graph/ui/ToolTipTimer.h"

#include "framework/core/Window.h"

CToolTipTimer::CToolTipTimer(std::function<void()> onTimeout)
{
    m_Timer.setInterval(kIntervalMs);
    QObject::connect(&m_Timer, &QTimer::timeout, std::move(onTimeout));
}

void CToolTipTimer::Start(CPoint tipPoint)
{
    m_TipPoint = tipPoint;
    m_Timer.start();
}

bool CToolTipTimer::OnTimer(unsigned nId, CPoint pointer, IToolTip* pTip)
{
    if (nId != kId || pointer == m_TipPoint)
        return false;
    m_Timer.stop();
    if (pTip)
    {
        pTip->Activate(false);
        pTip->Activate(true);
    }
    return true;
}
