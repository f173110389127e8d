// A frequency marker of a response or phase plot: a vertical line across the plot area,
// a small filled box at each end and a text of a label and the value ("LF 500"). The
// views set it up and draw it on every repaint with the current frequencies.
#pragma once

#include "framework/core/GdiTypes.h"
#include "graph/GraphRegion.h"

#include <string>

class CDC;

class CVerticalBar
{
public:
    // Box placement: left of the line, right of it, anything else centred on it.
    enum : int
    {
        kBoxesLeft = 1,
        kBoxesRight = 3,
    };

    // dashed is 0 (solid) or 1 (a wide dashed line of the dash and gap lengths); any other
    // value is a failed check and FALSE, and the bar stays as it was initialised before.
    bool Init(const CGraphRegion* pRegion, int x, const std::string& label, double value,
              const CPoint* pTextPosition, int dashed, int nLineWidth, COLORREF color,
              const CRect* pBoxSize, int nBoxPlacement, int nDashLength, int nGapLength);
    // FALSE, with a failed check, before Init. The line and the boxes only where x lies
    // within the region's width, the boxes cut at its edges; the text always. Leaves the
    // text alignment at left and top.
    bool Draw(CDC* pDC) const;
    bool SetTextPosition(const CPoint* pPosition);

    std::string GetText() const { return Text(m_strLabel, m_dValue); }
    // The text of a bar of that label and value.
    static std::string Text(const std::string& label, double value);
    const CRect& GetTopBox() const { return m_TopBox; }
    const CRect& GetBottomBox() const { return m_BottomBox; }
    bool IsInitialized() const { return m_bInitialized; }

private:
    void DrawLine(CDC* pDC) const;

    bool m_bInitialized = false;
    CGraphRegion m_Region;
    int m_nX = 0;
    std::string m_strLabel;
    double m_dValue = 0.0;
    CPoint m_TextPosition;
    int m_nDashed = 0;
    int m_nLineWidth = 2;
    COLORREF m_Color = 0;
    CRect m_BoxSize{0, 1, 1, 0};
    int m_nBoxPlacement = 2;
    int m_nDashLength = 4;
    int m_nGapLength = 1;
    CPoint m_LinePoints[2];
    CRect m_TopBox;
    CRect m_BottomBox;
};
