// An up-down control without a buddy: two arrow buttons that step a position. The up
// arrow moves toward the range's upper end, which may be the smaller number (a reversed
// range, as beside a slider whose top is position 0). Holding an arrow repeats the step,
// and the step grows with the time the arrow is held (the accelerations). Every step is
// offered to the owner first, which accepts or refuses it; only an accepted step moves
// the position and is reported.
#pragma once

#include <QElapsedTimer>
#include <QWidget>

#include <functional>
#include <vector>

class QToolButton;

class CSpinButtonCtrl : public QWidget
{
public:
    // From nSeconds of holding an arrow on, each step is nIncrement positions.
    struct CAccel
    {
        int nSeconds;
        int nIncrement;
    };

    explicit CSpinButtonCtrl(QWidget* pParent = nullptr);

    void SetRange(int nLower, int nUpper);
    // Moves the position without offering or reporting it.
    void SetPos(int nPos) { m_nPos = nPos; }
    int GetPos() const { return m_nPos; }
    void SetAccel(std::vector<CAccel> accels) { m_Accels = std::move(accels); }
    // One step of an arrow (bUp: the up arrow), as a click or a repeat of a held arrow.
    // True when the step was accepted.
    bool Step(bool bUp);
    QToolButton* GetUpButton() const { return m_pUp; }
    QToolButton* GetDownButton() const { return m_pDown; }

    // Accepts (true) or refuses the position a step would reach. Unset: a step inside the
    // range is accepted.
    std::function<bool(int nNewPos)> m_StepRequested;
    // An accepted step's new position.
    std::function<void(int nPos)> m_PositionChanged;

private:
    // The increment for the time the arrow has been held.
    int Increment();

    QToolButton* m_pUp;
    QToolButton* m_pDown;
    int m_nLower = 0;
    int m_nUpper = 100;
    int m_nPos = 0;
    std::vector<CAccel> m_Accels{{0, 1}};
    QElapsedTimer m_Held;     // since the arrow was pressed
    QElapsedTimer m_LastStep; // since the last step; a pause starts a new hold
};
