// The horizontal scale of the compression plot: special limits as
// CHorizontalScaleSpecialLimits, titles placed at data positions the view sets on every
// repaint (all on one line), and two dimension lines under the axis that mark ranges of
// the compression curve. Titles start at their positions and range texts stand centred in
// their ranges, but where they would overlap or leave the strip under the plot they are
// moved apart and in; a range too short for its text has the text beside it, and a
// dimension line stops short of any text on its way.
#pragma once

#include "graph/HorizontalScale.h"
#include "graph/ScaleSpan.h"

#include <utility>
#include <vector>

class CHorizontalScaleDRC : public CHorizontalScale
{
public:
    // As the base scale; the title positions start at 0.0. The base's refusal (a null
    // title array) is passed on and leaves no positions.
    bool Init(CGraphRegion labelArea, CGraphRegion lineArea, int nTitles,
              const std::string* pTitles, CDoubleRect window, double lineStep, double labelStep,
              int nLabelOffset, int nTitleSpacing, bool bLogarithmic, int nPenWidth, int nPenStyle,
              COLORREF textColor, int nMultipliers, const double* pMultipliers) override;
    bool Draw(CDC* pDC, CDoubleRect window) override;
    // The data x of title nIndex; FALSE, with nothing stored, for an index outside the
    // titles or before Init.
    bool SetEntry(double x, int nIndex);
    double GetEntry(int nIndex) const;

    // Ticks at start and end of both spans (but under a text), then their arrows and texts.
    bool DrawSpans(CDC* pDC);
    // x1 and x2 are the span's canvas ends; l and r receive the text's left and right.
    static void CenterTextInSpan(int nTextWidth, int x1, int x2, int* l, int* r);

    CScaleSpan m_Span1;
    CScaleSpan m_Span2;

protected:
    void DrawTitles(CDC* pDC) override;

private:
    // A text of the titles' or the ranges' line: its index, canvas left and width.
    struct CTextPlace
    {
        std::size_t index;
        int left;
        int width;
    };
    // Moves the texts (sorted by their left ends) apart by at least gap and into the strip
    // under the plot, clear of its right frame line, each as little as it can.
    void SpreadApart(std::vector<CTextPlace>& places, int gap) const;
    // The pieces of line [a, b] that remain outside [from, to].
    static std::vector<std::pair<int, int>> CutOut(const std::vector<std::pair<int, int>>& pieces,
                                                   int from, int to);
    void DrawSpanLabels(CDC* pDC, int y0);
    void DrawSpanTick(CDC* pDC, int x, int y0) const;
    static void DrawSpanLine(CDC* pDC, int x1, int x2, int y);
    // The arrows' sizes grow with the font (SetTextScale).
    void DrawLeftArrow(CDC* pDC, const CScaleSpan& span, int x, int y) const;
    void DrawRightArrow(CDC* pDC, const CScaleSpan& span, int x, int y) const;

    std::vector<double> m_TitlePositions;
};
