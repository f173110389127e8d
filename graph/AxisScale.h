// What the horizontal and vertical axis scales share: the label strip and the plot area
// they draw in, the title lines, the steps of grid lines and labels, and the layout of the
// steps over the data window of the last draw. A scale is set up once (Init), given new
// rectangles on every layout (SetRects) and drawn on every repaint.
#pragma once

#include "framework/core/GdiTypes.h"
#include "graph/CanvasReach.h"
#include "graph/DoubleRect.h"
#include "graph/GraphRegion.h"

#include <cmath>
#include <optional>
#include <string>
#include <vector>

class CDC;

// Grid lines and labels over one axis of the data window, in data units.
struct CAxisLayout
{
    double lower = 0.0;      // the window's lower limit (widened windows included)
    double upper = 1.0;      // the window's upper limit
    double lineStep = 1.0;   // at least 1; a multiple of the set-up's on a very wide window
    double labelStep = 1.0;  // the same
    double lineStart = 0.0;  // first grid line
    double labelStart = 0.0; // first stepped label
    int lineCount = 0;
    int labelCount = 0;
    double scale = 0.0; // canvas units per data unit; infinite below canvasSpan / DBL_MAX
    int canvasSpan = 0; // canvas units from lower to upper

    // Canvas positions are held to +-kCanvasReach, as every position drawn (CanvasReach.h).
    static constexpr int kCanvasReach = ::kCanvasReach;
    // trunc((v - lower) * scale + origin) held to the reach, true also where v - lower
    // would overflow. A window too narrow for a finite scale (1e-310 to 2e-310) places v at
    // its share of the window; a value that is no number is placed at the origin.
    int ToCanvas(double v, int origin) const;
    // upper - lower, held to the largest double.
    double Span() const;
    // Grid line i and stepped label i: start + i * step, in halves where i * step would
    // pass the largest double.
    double Line(int i) const;
    double Label(int i) const;
};

// A label of an axis where it would be drawn: its value and text, whether it labels a
// limit (of the window, or a special limit), the point it is drawn at and the stretch it
// covers along the axis, in canvas units.
struct CAxisLabel
{
    double value = 0.0;
    std::string text;
    bool bLimit = false;
    CPoint anchor;
    int nLow = 0;
    int nHigh = 0;
};

class CAxisScale
{
public:
    CAxisScale();
    virtual ~CAxisScale() = default;

    bool SetRects(const CGraphRegion& labelArea, const CGraphRegion& lineArea);
    // The view's font is dScale times its size on this draw (see CViewFont::ScaleOn;
    // less than 1 on a wide, low window): the spaces between the labels, the titles and
    // the lines grow and shrink with it. A font fitted to the strip's width is made no smaller than
    // nLeastHeight canvas units (0: no least).
    void SetTextScale(double dScale, int nLeastHeight);

    bool IsInitialized() const { return m_bInitialized; }
    int GetLineCount() const { return m_nLineCount; }
    int GetLabelCount() const { return m_nLabelCount; }
    double GetScale() const { return m_dScale; }
    const CDoubleRect& GetDataWindow() const { return m_DataWindow; }
    const std::vector<std::string>& GetTitles() const { return m_Titles; }

    // Steps below 1 become 1, a window whose upper limit is not above its lower one (or
    // is not finite) is widened to one unit above the lower limit (to the next double
    // where the unit is lost in rounding), and the counts are held to a drawable number:
    // a window of more than 1000 steps is stepped by 10, 100, ... times the step, over its
    // whole range. Everything is computed in double, so that any finite window, -1e308 to
    // 1e308 as well, is laid out as it is.
    // Special limits label the lower limit itself and step only above it: the stepped
    // labels and lines start one step up and the stepped labels do not count the lower
    // limit.
    // A window holding fewer than nLeastLabels multiples of the label step below its upper
    // limit is stepped finer, by the coarsest of 1, 2 and 5 times a power of ten that
    // gives it that many (fractions of a unit too: 0.1 dB for 0.25 to 0.75 dB); its grid
    // lines are then stepped by the label step unless their own step divides it.
    static CAxisLayout ComputeLayout(double lower, double upper, double lineStep, double labelStep,
                                     int canvasSpan, bool bSpecialLimits, int nLeastLabels = 0);
    // The narrowest window whose canvas positions a scale can tell apart, for limits
    // within +-dLargest data units (dB, degrees, or decades of a logarithmic axis), rounded
    // up to a power of ten so that it can be named: over an axis as long as the canvas is
    // wide, each canvas unit stands for a value of its own only where the doubles near the
    // limits are closer than a unit. Narrower windows are still drawn (their positions
    // stay finite), but neighbouring positions show the same value and grid lines run
    // together; below canvas span / DBL_MAX the scale itself is no longer finite.
    static double LeastSpan(double dLargest);

    // Labels fit their margin at any size of the window: when the widest of the texts is
    // wider than nWidth canvas units, a smaller copy of the selected font is selected, but
    // none smaller than nLeastHeight canvas units (a strip that must stay readable is
    // made wide enough for its labels at that height instead). Returns the font to select
    // back after the labels.
    static CFont FitFontToWidth(CDC* pDC, const std::vector<std::string>& texts, int nWidth,
                                int nLeastHeight = 0);
    // The same with a width of its own for each text.
    struct CFittedText
    {
        std::string text;
        int nWidth = 0;
    };
    static CFont FitFontToWidths(CDC* pDC, const std::vector<CFittedText>& texts,
                                 int nLeastHeight = 0);

    // Selects a copy of the selected font dFactor times as high (at most 0.97 times, so
    // that a display's rounding to whole pixels cannot keep it as it was), but none lower
    // than nLeastHeight canvas units nor higher than it was; false where no lower font is
    // left (the least reached, or the stock font, which has no height to scale).
    static bool SelectSmallerFont(CDC* pDC, double dFactor, int nLeastHeight);

    // The labels both scales draw, in the order given, so that none comes within nGap of
    // another: every limit label (each clear of the limit labels before it), then the
    // stepped labels on the finest multiple of the label step (1, 2, 5, 10, 20, 50, ...
    // times) whose labels keep apart and leave one or more that no limit label comes
    // near, less those that would. Where stepped labels clear of the limit labels exist
    // but no multiple leaves one, the one nearest the middle of the axis is kept. Any
    // other stepped label that comes near none of those is kept as well (one next to an
    // end whose label was left out), those on coarser multiples first.
    static std::vector<CAxisLabel> ChooseLabels(const std::vector<CAxisLabel>& labels,
                                                double labelStep, int nGap);

    // The text of a stepped label: "%.0f" for 0 and for whole magnitudes from 1 to 1e15
    // (a few rounding errors or dTolerance off one count as whole), else (a fraction of
    // a logarithmic axis, a finer step of a narrow window, a step of 1e20 dB) the fewest
    // significant digits
    // that show it within dTolerance ("0.01", "1e+20"; with 0, the text that reads back as
    // the same double).
    static std::string StepText(double value, double dTolerance = 0.0);
    // The text of a limit that need not be a step: rounded to three decimals (so that 10
    // to the log of 1100 shows as 1100), without the zeros that end the decimals, and to
    // as many more as it takes to lie within dTolerance of the value (the limits of a
    // window of a millionth of a dB). From 1e15 on, and where decimals cannot show it
    // (1e-300), in significant digits as a stepped label.
    static std::string LimitText(double value, double dTolerance);

protected:
    // Stores the set-up; the caller has checked the titles.
    void Setup(const CGraphRegion& labelArea, const CGraphRegion& lineArea, int nTitles,
               const std::string* pTitles, const CDoubleRect& window, double lineStep,
               double labelStep, int nLabelOffset, int nTitleSpacing, bool bLogarithmic,
               int nPenWidth, int nPenStyle, COLORREF textColor);
    // Starts a draw: keeps the window and the layout of the steps between lower and upper
    // over canvasSpan units, sets the text colour and alignment; returns the colour before.
    COLORREF BeginDraw(CDC* pDC, const CDoubleRect& window, double lower, double upper,
                       int canvasSpan, bool bSpecialLimits, unsigned textAlign);
    // Puts the text colour back and leaves the alignment at left and baseline.
    static void EndDraw(CDC* pDC, COLORREF oldColor);
    // Title line i centred across the label area at line-area bottom - (i + 1) * spacing.
    void DrawCenteredTitles(CDC* pDC) const;
    // The label offset and the title spacing of the set-up, grown with the font.
    int LabelOffset() const { return Scaled(m_nLabelOffset); }
    int TitleSpacing() const { return Scaled(m_nTitleSpacing); }
    int Scaled(int n) const { return int(std::lround(n * m_dTextScale)); }
    // True when v lies in the layout's window (a label there must be seen whole).
    bool IsInWindow(double v) const;
    // True when v is the window's lower or upper limit.
    bool IsWindowLimit(double v) const;
    // How far a step may miss a limit of the layout's window and still lie on it.
    double Tolerance() const;
    // Whether grid line v is drawn: on a window so wide that the lines would run together
    // into a dark band, only the lines on the finest multiple of the line step (1, 2, 5,
    // 10, ... times) that keeps them kMinLineSpacing canvas units apart.
    bool IsLineDrawn(double v) const;

    // Adds the label to those chosen where it comes within nGap of none of them.
    static void AddWhereClear(std::vector<CAxisLabel>& chosen, const CAxisLabel& label, int nGap);
    // Where a label stands along the axis, canvas units: wanted is the low end of its
    // stretch of nSize units at its own place by its line at dLine, and it is moved into
    // from..to (the strip inside its frame line of nFrame units) by as little as it takes.
    // Moved by more than half its size, or by more than a quarter of the way to the next
    // line it moves toward, it would be read against another line: it then has no place,
    // nor has a step whose line is not drawn (a wide window keeps its lines apart on a
    // multiple of the line step). A move of no more than the frame line's width is
    // allowed besides (at the plot's edge a label then still touches the stroke of its
    // line), but no move ever takes a label halfway to the next line: on a low plot, where
    // the lines stand closer than a frame line is wide, it would be read against that one.
    // lines: the canvas places of the lines across the plot, its edges included, in
    // ascending order.
    static std::optional<double> PlaceAtLine(double wanted, int nSize, double dLine, double from,
                                             double to, int nFrame,
                                             const std::vector<double>& lines);
    // The canvas places of the values along the axis from origin and of the plot's edges
    // a and b, in ascending order.
    std::vector<double> LinePlaces(const std::vector<double>& values, int origin, int a,
                                   int b) const;

    static constexpr double kMinLineSpacing = 40.0;

    bool m_bInitialized = false;
    CGraphRegion m_LabelArea;
    CGraphRegion m_LineArea;
    std::vector<std::string> m_Titles;
    double m_dLineStep = 10.0;
    double m_dLabelStep = 10.0;
    int m_nLabelOffset = 10;
    int m_nTitleSpacing = 10;
    double m_dTextScale = 1.0;
    int m_nLeastFontHeight = 0;
    bool m_bLogarithmic = false;
    // The stepped labels a window must hold at least, or it is stepped finer (0: the
    // set-up's steps whatever the window).
    int m_nLeastLabels = 0;
    int m_nPenWidth = 1;
    int m_nPenStyle = PS_SOLID;
    COLORREF m_TextColor = 0;
    int m_nLineCount = 0;
    int m_nLabelCount = 0;
    CDoubleRect m_DataWindow;
    double m_dScale = 0.0;
    CAxisLayout m_Layout;
};
