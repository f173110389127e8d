// What the speaker response and phase views share apart from the pointer: curves made
// from the document's matrices and the "LF", "HF" and "1/2 Fs" frequency markers.
#pragma once

#include "framework/core/GdiTypes.h"
#include "graph/DoubleRect.h"
#include "matrix/dblmtrx.h"

#include <string>

class CBasicGraph;
class CCurve;
class CDC;
class CMorvaneDoc;
class CVerticalBar;

// The attributes of a curve of a speaker view: colour, kind (1 raw or raw phase, 2
// desired, 3 lower bound, 4 upper bound, 5 prior modified, 6 modified: an edited curve
// goes back to the document by its kind), tag and name.
struct CSpeakerCurveStyle
{
    COLORREF color;
    int nKind;
    int nTag;
    const char* pName;
};

constexpr int kSpeakerCurveLineWidth = 2; // device pixels
constexpr CSpeakerCurveStyle kModifiedCurveStyle{RGB(255, 0, 0), 6, 0, "Modified Response Curve"};
constexpr CSpeakerCurveStyle kPriorModifiedCurveStyle{RGB(255, 255, 0), 5, 0,
                                                      "Prior Modified Curve"};

// The curve made from x(i), y(i) by linear index, in the data window, its points valid
// and clipped. A y shorter than x (no result yet) or a matrix never assigned gives an
// empty curve, which draws nothing; FALSE then.
bool SetSpeakerCurve(CCurve* pCurve, const mwMatrix& x, const mwMatrix& y,
                     const CSpeakerCurveStyle& style, CDoubleRect* pWindow);

// The three markers of a speaker view at the document's frequency limits and half its
// sampling frequency, placed on the grid curve's canvas; the label of the higher of the
// high limit and half the sampling frequency stays on the right.
struct CFrequencyMarkers
{
    CVerticalBar* pLow;
    CVerticalBar* pHigh;
    CVerticalBar* pHalfFs;
    const CPoint* pLabelPositions; // three anchors, canvas units
};
bool DrawFrequencyMarkers(const CMorvaneDoc& doc, CBasicGraph& graph, const CCurve& grid,
                          const CFrequencyMarkers& markers, CDC* pDC);
