// The x axis of a graph: vertical grid lines across the plot area at regular steps of the
// data x, a value label under each labelled step and centred title lines below. On a
// logarithmic axis the data x is log10 of the value: grid lines on whole decades are drawn
// twice as wide, thinner lines mark the multiples of each decade from the multiplier
// table, and labels show 10 raised to the data value.
#pragma once

#include "graph/AxisScale.h"

class CHorizontalScale : public CAxisScale
{
public:
    // FALSE, with a failed check and the previous set-up kept, for a null title array.
    // Without a multiplier table the table is 2, 3, ... 9 whatever the count given.
    virtual bool Init(CGraphRegion labelArea, CGraphRegion lineArea, int nTitles,
                      const std::string* pTitles, CDoubleRect window, double lineStep,
                      double labelStep, int nLabelOffset, int nTitleSpacing, bool bLogarithmic,
                      int nPenWidth, int nPenStyle, COLORREF textColor, int nMultipliers,
                      const double* pMultipliers);
    // Draws labels, grid lines and titles for the window; FALSE before Init.
    virtual bool Draw(CDC* pDC, CDoubleRect window);
    // The thin lines of the decade starting at data x d, with the pen selected.
    bool DrawMinorTicks(CDC* pDC, double d);

    const std::vector<double>& GetMultipliers() const { return m_Multipliers; }

protected:
    // The drawing shared by the scale and its subclasses up to the titles.
    bool DrawAxis(CDC* pDC, const CDoubleRect& window, bool bSpecialLimits);
    virtual void DrawTitles(CDC* pDC) { DrawCenteredTitles(pDC); }
    // A grid line: its value, and whether it is drawn with the thick pen (a decade).
    struct CGridLine
    {
        double v;
        bool bThick;
    };
    // The grid lines drawn, in the order they are drawn: each step's line, and on a
    // logarithmic axis the thin lines of its decade after it.
    std::vector<CGridLine> GridLines() const;
    // The data x of the thin lines of the decade starting at d that lie in the window.
    std::vector<double> MinorTicks(double d) const;
    // The value labels under the plot, placed by the grid lines drawn.
    void DrawLabels(CDC* pDC, bool bSpecialLimits, const std::vector<CGridLine>& lines) const;
    void DrawGridLine(CDC* pDC, double v) const;
    // The kinds of label text: a step's, a window limit's (within a tenth of the window),
    // and the special lower limit's (DoubleToShortString).
    enum class ELabelText
    {
        Step,
        Limit,
        SpecialLimit
    };
    // The text of a label at data value v; empty where the value shown has no text that
    // is true to it (10 to the 1e12 on a logarithmic axis, or to the -1e12).
    std::string LabelText(double v, ELabelText kind) const;

    std::vector<double> m_Multipliers;
};

// log10 of the value when it is above zero, else 0.0.
double SafeLog10(double value);
