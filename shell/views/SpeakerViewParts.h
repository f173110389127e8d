// What the speaker response and phase views share apart from the pointer: curves made
// from the document's matrices and the "LF", "HF" and "1/2 Fs" frequency markers.
#pragma once

#include "framework/core/GdiTypes.h"
#include "graph/DoubleRect.h"
#include "matrix/dblmtrx.h"

#include <string>

class CBasicGraph;
class CCurve;
struct CGraphStrips;
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
};
bool DrawFrequencyMarkers(const CMorvaneDoc& doc, CBasicGraph& graph, const CCurve& grid,
                          const CFrequencyMarkers& markers, CDC* pDC);

// The anchors of the three marker labels in the strip under the plot, canvas units, on a
// canvas nWidth units across: the first near the strip's left end, the other two near the
// canvas's right end, at the places they have with the usual font (543, 2879 and 3463
// across, 120 up) and as much further in as the font is larger.
void PlaceMarkerLabels(const CGraphStrips& strips, int nWidth, CPoint (&anchors)[3]);
// The strips of a speaker view with the marker labels: where they would run into the
// frequency axis's title (centred on their line, in the font selected now), the strip
// under the plot is one line higher and the title goes on a line of its own above them.
void MakeRoomForMarkers(CDC* pDC, const CMorvaneDoc& doc, const std::string& title, int nWidth,
                        CGraphStrips* pStrips);
