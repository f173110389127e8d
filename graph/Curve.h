// One curve of a graph view: data points (x usually log10 of a frequency, y a level or a
// phase), the data window the plot shows, the plot area in canvas units, the points
// inside the window and their canvas positions, the pen, and the master points from which
// desired and tolerance curves are built by straight lines.
//
// Life of a curve: Create (or Read) sizes it; the owner writes m_pDblPt (or calls
// FromMasterPoints) and turns m_PointsAreValidMode on; Layout maps it for a plot area and
// data window; Draw and the lookups then use that layout until the next change.
#pragma once

#include "framework/core/GdiTypes.h"
#include "graph/DoublePoint.h"
#include "graph/DoubleRect.h"
#include "graph/Mode.h"

#include <memory>
#include <string>
#include <vector>

class CBinaryReader;
class CBinaryWriter;
class CDC;

class CCurve
{
public:
    CCurve();
    virtual ~CCurve() = default;
    CCurve(const CCurve&) = delete;
    CCurve& operator=(const CCurve&) = delete;

    // Reallocates the point arrays with nPoints zero slots and stores the attributes; the
    // points become invalid; master points stay. A negative count is a failed check and
    // gives an empty curve.
    bool Create(long nPoints, int nLineWidth, int nPenStyle, COLORREF color, int nKind, int nTag,
                int nCreateValue1, int nCreateValue2, bool bVisible, bool bUseOwnPen,
                const std::string& strName);

    long GetTotalPoints() const { return m_lTotalPoints; }
    long GetClippedCount() const { return m_lClippedPoints; }
    int GetKind() const { return m_nKind; }
    int GetTag() const { return m_nTag; }
    COLORREF GetColor() const { return m_Color; }
    int GetLineWidth() const { return m_nLineWidth; }
    int GetPenStyle() const { return m_nPenStyle; }
    int GetCreateValue1() const { return m_nCreateValue1; }
    int GetCreateValue2() const { return m_nCreateValue2; }
    bool IsUsingOwnPen() const { return m_bUseOwnPen; }
    std::string GetName() const { return m_strName; }
    void SetName(const std::string& strName) { m_strName = strName; }
    bool IsVisible() const { return m_bVisible; }
    const CDoubleRect& GetDataWindow() const { return m_DataWindow; }
    // The first GetClippedCount() entries are the canvas points of the last layout.
    const CPoint* GetLogicalPoints() const { return m_pPt.get(); }
    // The canvas point slots, for callers that fill them directly (a section drawn with
    // the mouse); GetSlotCount() of them.
    CPoint* GetLogicalPointSlots() { return m_pPt.get(); }
    long GetSlotCount() const { return m_pPt ? m_lSlots : 0; }
    const CDoublePoint* GetClippedPoints() const { return m_pClippedPts.get(); }
    bool Show();
    bool Hide();
    // 1 <= n < total: the count drops to n, the arrays keep their slots.
    bool ShortenTo(long n);
    // Widths of 3 or more become 2 (TRUE); others stay (FALSE).
    bool CapLineWidth();
    // Adds dy to every data point and master point; layouts are not redone.
    bool OffsetY(double dy);

    // Layout. The steps refuse (FALSE) while the points are not valid.
    bool SetArea(int left, int bottom, int right, int top, const CDoubleRect* pWindow);
    bool SetAreaFromRect(const CRect& area, const CDoubleRect* pWindow);
    bool SetDataWindow(const CDoubleRect* pWindow);
    bool Layout(int left, int bottom, int right, int top, const CDoubleRect* pWindow);
    bool LayoutInRect(const CRect& area, const CDoubleRect* pWindow);
    bool ComputeExtent();
    bool ComputeScales();
    bool ClipPoints();
    bool ComputeLogicalPoints();
    // The extent just computed, as (ymax, xmin, ymin, xmax).
    CDoubleRect GetExtent();

    // Mapping with the area and scales of the last layout (no clamping to the area;
    // positions are held to the canvas reach, CanvasReach.h).
    CPoint DataToLogical(const CDoublePoint& p) const;
    int DataXToLogicalX(double x) const;
    CDoublePoint LogicalToData(int x, int y) const;

    // Lookups.
    // Smallest canvas distance from (x, y) to the current canvas points; DBL_MAX for none.
    virtual double DistanceTo(int x, int y) const;
    // The y at data x over the points inside the window (ends held beyond them), on the
    // line drawn through x and never beyond the levels of its two points; 0.0, with a
    // failed check, when there are none.
    virtual double YAtX(double x) const;
    // The point of the curve under the pointer: the pointer's y moves onto the curve and
    // pOut receives the data point there. Without canvas points the pointer stays.
    virtual bool PointUnder(CDoublePoint* pOut, CPoint* pPointer) const;
    // The canvas y at canvas x; the plot area's bottom when no point is inside the window.
    int LogicalYAtX(int x) const;
    // As YAtX over all data points.
    double DataYAtX(double x) const;
    // Among the points with x >= p.x (x <= p.x), the index of the nearest; 0 for none.
    long FindIndexAtOrAfter(const CDoublePoint& p) const;
    long FindIndexAtOrBefore(const CDoublePoint& p) const;

    // Master points.
    bool AddMasterPoint(const CDoublePoint& p);
    bool AddMasterPoint(double x, double y) { return AddMasterPoint(CDoublePoint{x, y}); }
    int GetMasterPointCount() const { return int(m_MasterPoints.size()); }
    // (0, 0), with a failed check, for an index out of range.
    CDoublePoint GetMasterPoint(int i) const;
    bool DeleteMasterPoints();
    // Rebuilds every y from straight lines between consecutive master points (x values
    // stay). FALSE, with nothing changed, without two master points that make a line that
    // is not vertical.
    bool FromMasterPoints();
    bool DrawMasterPoints(CDC* pDC);

    // Drawing.
    bool Draw(CDC* pDC);
    bool DrawFirstPoints(CDC* pDC, long n);
    // The line width in canvas units.
    int LineWidthToLogical(CDC* pDC) const;

    // One record of the curve file. Write refuses (FALSE, nothing written) while the points
    // are not valid or RecordProblem names one. Read takes the whole record or, on a bad
    // or short record or one RecordProblem would name, nothing (FALSE, with a message in
    // pError); master points read are added to those held.
    bool Write(CBinaryWriter* pFile) const;
    bool Read(CBinaryReader* pFile, std::string* pError = nullptr);
    // The first value a curve file cannot hold, such as "point 3 is not a frequency from
    // 0.001 Hz to 10 MHz with a level from -1000 dB to 1000 dB": a point or master point
    // outside PointBounds (x the log10 of the Hz), a point at a lower frequency than the
    // one before it (points may share a frequency), a data window value that is no finite
    // number, or no point at all. Empty when there is none.
    std::string RecordProblem() const;

    CMode m_MasterPointMode;
    CMode m_PointsAreValidMode;
    CMode m_ActiveMode; // off: drawn in light grey
    std::unique_ptr<CDoublePoint[]> m_pDblPt;

protected:
    long ClippedCount() const { return m_pPt ? m_lClippedPoints : 0; }

private:
    // The canvas position of a data point, not yet held to the reach.
    CDoublePoint CanvasAt(const CDoublePoint& p) const;
    bool LayoutReady() const { return m_PointsAreValidMode.IsOn() != 0; }
    CPen MakePen(CDC* pDC, COLORREF color) const;
    bool DrawPolyline(CDC* pDC, const CPoint* points, long count, COLORREF color, bool chunked);

    int m_nCreateValue1 = 0;
    int m_nCreateValue2 = 0;
    long m_lTotalPoints = 0;
    long m_lSlots = 0;
    CDoubleRect m_DataWindow;
    std::unique_ptr<CPoint[]> m_pPt;
    int m_nKind = 0;
    int m_nTag = 0;
    bool m_bClippedValid = false;
    long m_lClippedPoints = 0;
    std::unique_ptr<CDoublePoint[]> m_pClippedPts;
    int m_nLineWidth = 2;
    int m_nPenStyle = PS_SOLID;
    COLORREF m_Color = 0;
    bool m_bVisible = true;
    bool m_bUseOwnPen = true;
    int m_nLeft = 0;
    int m_nBottom = 0;
    int m_nRight = 1;
    int m_nTop = 1;
    double m_dXMin = 0.0;
    double m_dYMin = 0.0;
    double m_dXMax = 1.0;
    double m_dYMax = 1.0;
    double m_dXScale = 1.0;
    double m_dYScale = 1.0;
    std::vector<CDoublePoint> m_MasterPoints;
    std::string m_strName = "Curve";
};
