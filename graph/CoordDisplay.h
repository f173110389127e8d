// The coordinate readout of a graph view: a framed box of three text lines (a title, the x
// value with its unit, the y value with its unit) and a crosshair on the curve being
// followed. The crosshair inverts the pixels under it, so drawing it again at the same
// place erases it; the view moves it with the pointer by repainting only the readout, and
// reports repaints and window moves so that no stray crosshair is left.
#pragma once

#include "framework/core/GdiTypes.h"
#include "graph/DoublePoint.h"

#include <string>

class CDC;

class CCoordDisplay
{
public:
    enum State : int
    {
        kOff = 0,
        kStarting = 1,
        kTracking = 2,
        kFrozen = 3,
    };
    // What the screen holds.
    enum Drawn : int
    {
        kNothingToErase = 0, // the window moved: an earlier crosshair is gone
        kCrosshairShown = 1, // a crosshair is on the screen at the remembered point
        kRepainted = 2,      // a full repaint left no crosshair
    };

    bool SetOff(CDC* pUnused = nullptr);
    bool SetStarting();
    void SetTracking();
    void SetFrozen() { m_nState = kFrozen; }
    bool IsActive() const { return m_nState == kTracking || m_nState == kFrozen; }
    void ForgetDrawn() { m_nDrawn = kNothingToErase; }
    void SetRepainted() { m_nDrawn = kRepainted; }
    // Writes the texts and moves the crosshair; FALSE when off.
    bool Draw(CDC* pDC);

    int GetState() const { return m_nState; }
    int GetDrawn() const { return m_nDrawn; }
    const CPoint& GetRememberedPoint() const { return m_Remembered; }
    // The value lines as shown: "%.1f" of the value (10 to the value when logarithmic)
    // followed by the unit.
    std::string XText() const;
    std::string YText() const;
    // The box as drawn in the device context's font: m_TextRect, grown left and down
    // where the three lines need more room, so that the text keeps off its frame.
    CRect TextBox(CDC* pDC) const;

    static constexpr int kCrosshairHalf = 60; // canvas units

    CDoublePoint m_DataPoint;
    CPoint m_CrosshairPoint;
    std::string m_strTitle;
    std::string m_strXUnit;
    std::string m_strYUnit;
    CRect m_TextRect;
    int m_bXLogarithmic = 1;
    int m_bYLogarithmic = 0;

private:
    void DrawText(CDC* pDC);
    static void DrawCrosshair(CDC* pDC, const CPoint& p);

    int m_nState = kOff;
    int m_nDrawn = kCrosshairShown;
    CPoint m_Remembered;
    // The box last drawn (y up), which a readout-only paint leaves on the screen.
    CRect m_DrawnBox;
    bool m_bBoxShown = false;
};
