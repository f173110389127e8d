// The annotation of a compression plot: a title, three arrays of texts, legend lines and
// the font they are drawn with. The views place the texts and lines when they build their
// text panel and set the value texts again before each draw.
#pragma once

#include "graph/GraphLabel.h"
#include "graph/OwningArray.h"
#include "graph/SimpleLine.h"
#include "graph/ViewFont.h"

#include <optional>
#include <vector>

using CGraphLabelArray = COwningArray<CGraphLabel>;
using CSimpleLineArray = COwningArray<CSimpleLine>;

class CGraphAnnotationSet
{
public:
    virtual ~CGraphAnnotationSet() = default;
    // With bottom-aligned text in the view font: the title, the lines, then the first,
    // second and third labels. Font and alignment are put back; true.
    bool Draw(CDC* pDC);
    // The canvas x where the rightmost of its texts ends, drawn in the view font (not made
    // smaller): the width the annotation needs from the canvas's left edge.
    int TextsEnd(CDC* pDC);
    // The texts and lines stand so many times as far from the canvas origin as they were
    // placed (1 or more): on a small window, where the font keeps a readable size and is
    // larger in canvas units, the annotation grows with it. Its rows above nBaseY (where
    // it was placed to start, canvas units before the scale) are pressed closer together
    // where they would reach above nTop on the device context, but no closer than the
    // font's height. False when even then they reach above nTop.
    bool SetScale(CDC* pDC, double dScale, int nBaseY, int nTop);

    // Where every text must end, canvas x (the right edge of the strip the annotation
    // stands in): all texts are drawn in a smaller copy of the font when one of them would
    // reach beyond it. None: no limit.
    std::optional<int> m_TextsRight;

    CGraphLabel m_Title;
    CGraphLabelArray m_FirstLabels;
    CSimpleLineArray m_Lines;
    CGraphLabelArray m_SecondLabels;
    CGraphLabelArray m_ThirdLabels;
    CPoint m_Point;
    CViewFont m_ViewFont;

private:
    // Selects the font in which every text ends before m_TextsRight.
    void FitToRight(CDC* pDC) const;
    // The title and every label.
    std::vector<const CGraphLabel*> Labels() const;
    // A point as it is drawn, grown by the scale.
    CPoint Scaled(const CPoint& point) const;

    double m_dScale = 1.0;
    double m_dRowScale = 1.0; // the scale of heights above the base
    int m_nBaseY = 0;
};
