// The timer that takes a graph view's curve-name tip away once the pointer has moved.
// Giving a tip text starts it, with the pointer where the text was given; every 100 ms
// (timer id 1) it compares the pointer with that point, and once they differ it stops and
// switches the view's tooltip off and on again: the tip goes, and the next rest of the
// pointer asks for a new text. While the pointer stays, it keeps running.
#pragma once

#include "framework/core/GdiTypes.h"

#include <QTimer>

#include <functional>

class IToolTip;

class CToolTipTimer
{
public:
    static constexpr unsigned kId = 1;
    static constexpr int kIntervalMs = 100;

    // onTimeout runs at every tick; the view answers it with OnTimer(kId, ...), since
    // only the view knows where the pointer is now.
    explicit CToolTipTimer(std::function<void()> onTimeout);
    CToolTipTimer(const CToolTipTimer&) = delete;
    CToolTipTimer& operator=(const CToolTipTimer&) = delete;

    // A tip text was given for the pointer at tipPoint (client pixels).
    void Start(CPoint tipPoint);
    // The view's timer message: with this timer's id and a pointer away from the tip's
    // point, stops and renews the tooltip (null: none to renew). True when it did.
    bool OnTimer(unsigned nId, CPoint pointer, IToolTip* pTip);

    bool IsRunning() const { return m_Timer.isActive(); }
    CPoint GetTipPoint() const { return m_TipPoint; }

private:
    QTimer m_Timer;
    CPoint m_TipPoint{0, 0};
};
