#include "drc/ui/SpinButtonCtrl.h"

#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace
{
// Steps further apart than this belong to separate presses of an arrow.
constexpr qint64 kNewHoldMs = 300;
} // namespace

CSpinButtonCtrl::CSpinButtonCtrl(QWidget* pParent)
    : QWidget(pParent), m_pUp(new QToolButton(this)), m_pDown(new QToolButton(this))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    const struct
    {
        QToolButton* pButton;
        Qt::ArrowType arrow;
        bool bUp;
        const char* pName;
    } arrows[] = {{m_pUp, Qt::UpArrow, true, "Up"}, {m_pDown, Qt::DownArrow, false, "Down"}};
    for (const auto& a : arrows)
    {
        a.pButton->setArrowType(a.arrow);
        a.pButton->setObjectName(a.pName);
        a.pButton->setAutoRepeat(true);
        a.pButton->setAutoRepeatDelay(400);
        a.pButton->setAutoRepeatInterval(60);
        a.pButton->setFocusPolicy(Qt::NoFocus);
        a.pButton->setFixedSize(18, 14);
        layout->addWidget(a.pButton);
        const bool bUp = a.bUp;
        connect(a.pButton, &QToolButton::clicked, this, [this, bUp] { Step(bUp); });
    }
}

void CSpinButtonCtrl::SetRange(int nLower, int nUpper)
{
    m_nLower = nLower;
    m_nUpper = nUpper;
}

int CSpinButtonCtrl::Increment()
{
    if (!m_LastStep.isValid() || m_LastStep.elapsed() > kNewHoldMs)
        m_Held.start();
    m_LastStep.start();
    const qint64 seconds = m_Held.elapsed() / 1000;
    int nIncrement = 1;
    for (const CAccel& accel : m_Accels)
        if (seconds >= accel.nSeconds)
            nIncrement = accel.nIncrement;
    return nIncrement;
}

bool CSpinButtonCtrl::Step(bool bUp)
{
    const int nToward = m_nUpper >= m_nLower ? 1 : -1;
    const int nNewPos = m_nPos + (bUp ? nToward : -nToward) * Increment();
    const bool bInside =
        nNewPos >= std::min(m_nLower, m_nUpper) && nNewPos <= std::max(m_nLower, m_nUpper);
    if (!(m_StepRequested ? m_StepRequested(nNewPos) : bInside))
        return false;
    m_nPos = nNewPos;
    if (m_PositionChanged)
        m_PositionChanged(m_nPos);
    return true;
}
