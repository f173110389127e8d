// The mode of building a new desired curve from clicked master points: on from Begin
// until TurnOff, with the curve being built (not owned) and a pending-draw flag that the
// response view sets when a click added a master point.
#pragma once

#include "graph/Mode.h"

class CCurve;
class CDC;

class CNewCurveMode : public CMode
{
public:
    // Attaches the curve, turns the mode on and clears the curve's master points (its
    // master-point mode on). FALSE, with a failed check, for null.
    bool Begin(CCurve* pCurve);
    // Detaches the curve and turns the mode and the pending draw off.
    bool TurnOff() override;
    CCurve* GetCurve() const { return m_pCurve; }
    // The curve rebuilt from its master points; FALSE, with a failed check, when the mode
    // is off or no curve is attached.
    bool BuildCurve();
    // The curve's master points, when there are more than one; else a failed check.
    bool DrawMasterPoints(CDC* pDC);

    CMode m_DrawPendingMode;

private:
    CCurve* m_pCurve = nullptr;
};
