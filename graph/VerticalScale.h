// The y axis of a graph (dB or degrees), always linear: dashed horizontal grid lines
// across the plot area at regular steps of the data y, right-aligned value labels left of
// the plot and title lines centred in the strip under the axis.
#pragma once

#include "graph/AxisScale.h"

class CVerticalScale : public CAxisScale
{
public:
    CVerticalScale() { m_nLeastLabels = int(kLeastLabels); }

    // The logarithmic flag and pen style are kept but not used. FALSE, with a failed check
    // and the previous set-up kept, for a null title array.
    virtual bool Init(CGraphRegion labelArea, CGraphRegion lineArea, int nTitles,
                      const std::string* pTitles, CDoubleRect window, double lineStep,
                      double labelStep, int nLabelOffset, int nTitleSpacing, bool bLogarithmic,
                      int nPenWidth, int nPenStyle, COLORREF textColor);
    // FALSE before Init or without a window.
    virtual bool Draw(CDC* pDC, const CDoubleRect* pWindow);

    // The canvas x where the widest value label of the last draw begins (its labels end
    // at the plot's left edge): what lies left of it in the label strip is free.
    int GetLabelsLeft() const { return m_nLabelsLeft; }
    // The width of the widest value label the window would be drawn with, in the font
    // selected now, canvas units; 0 before Init.
    int WidestLabel(CDC* pDC, const CDoubleRect& window);
    // The width of the label strip that holds those labels whole, clear of its frame line.
    int StripWidthFor(CDC* pDC, const CDoubleRect& window);

    // The labels a value axis keeps at their lines wherever the plot has room for them: a
    // window holding fewer steps is stepped finer, and a font too high for them made
    // lower, down to the least.
    static constexpr std::size_t kLeastLabels = 2;
    static constexpr int kDashLength = 40;
    static constexpr int kGapLength = 15;

protected:
    // The labels of the layout of the last draw (or measure), before they are placed.
    std::vector<CAxisLabel> Labels(bool bSpecialLimits) const;
    // The values of the grid lines drawn, from the lowest up.
    std::vector<double> GridLines() const;
    // The labels that can stand at their lines, with their places, in the font selected.
    // The labels placed and chosen apart, in the font selected.
    std::vector<CAxisLabel> ChosenLabels(CDC* pDC, const std::vector<CAxisLabel>& labels,
                                         const std::vector<double>& lines, int labelX) const;
    // Those, in the font selected or a lower one where that keeps more of them, up to
    // kLeastLabels; the font they are drawn in is left selected.
    std::vector<CAxisLabel> FitLabelsToHeight(CDC* pDC, const std::vector<CAxisLabel>& labels,
                                              const std::vector<double>& lines, int labelX) const;
    std::vector<CAxisLabel> PlaceLabels(CDC* pDC, const std::vector<CAxisLabel>& labels,
                                        const std::vector<double>& lines, int labelX) const;
    bool DrawAxis(CDC* pDC, const CDoubleRect& window, bool bSpecialLimits);

private:
    int m_nLabelsLeft = 0;
};
