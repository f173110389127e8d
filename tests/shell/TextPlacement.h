// Where a view's texts land when it draws: a device context on an image that notes the pixel
// rectangle of every text and every line it draws, and the checks that no two texts overlap,
// that each lies inside the surface and that no line runs through one.
#pragma once

#include "framework/ui/TextBoundsDC.h"

#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QRectF>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// The part [t0, t1] of the piece of line from a to b that lies inside the rectangle, in
// fractions of its length (Liang-Barsky clipping); none when it misses the rectangle.
inline std::optional<std::pair<double, double>> InsidePart(const QPointF& a, const QPointF& b,
                                                    const QRectF& r)
{
    const double dx = b.x() - a.x(), dy = b.y() - a.y();
    double t0 = 0.0, t1 = 1.0;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {a.x() - r.left(), r.right() - a.x(), a.y() - r.top(), r.bottom() - a.y()};
    for (int i = 0; i < 4; ++i)
    {
        if (p[i] == 0.0)
        {
            if (q[i] < 0.0)
                return std::nullopt;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0.0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1)
            return std::nullopt;
    }
    return std::make_pair(t0, t1);
}

// A painter device context that notes each text as it draws it and, besides, every straight
// piece of line it draws (polylines, polygons, rectangles and lines to), in device pixels, as far
// as it stays in sight: a filled rectangle covers what was drawn under it before. Lines
// drawn inverting the pixels (the pointer's crosshair, drawn twice to go away again) are
// marks of the moment, not lines of the graph, and are not noted.
class CTextPlacingDC : public CTextBoundsDC
{
public:
    using CTextBoundsDC::CTextBoundsDC;
    bool Polyline(const CPoint* points, int count) override
    {
        NoteLines(points, count, false);
        return CPainterDC::Polyline(points, count);
    }
    bool Polygon(const CPoint* points, int count) override
    {
        NoteLines(points, count, true);
        return CPainterDC::Polygon(points, count);
    }
    bool Rectangle(int left, int top, int right, int bottom) override
    {
        if (!GetCurrentBrush().IsNull())
            Cover(QRectF(ToDevice(left, top), ToDevice(right, bottom)).normalized());
        const CPoint corners[4] = {{left, top}, {right, top}, {right, bottom}, {left, bottom}};
        NoteLines(corners, 4, true);
        return CPainterDC::Rectangle(left, top, right, bottom);
    }
    bool MoveTo(int x, int y) override
    {
        m_At = {x, y};
        return CPainterDC::MoveTo(x, y);
    }
    bool LineTo(int x, int y) override
    {
        const CPoint points[2] = {m_At, {x, y}};
        NoteLines(points, 2, false);
        m_At = {x, y};
        return CPainterDC::LineTo(x, y);
    }

    struct CLine
    {
        QPointF from, to;
    };
    std::vector<CLine> lines;

private:
    void NoteLines(const CPoint* points, int count, bool bClosed)
    {
        if (GetROP2() == R2_NOT)
            return;
        for (int i = 1; i < count; ++i)
            lines.push_back(
                {ToDevice(points[i - 1].x, points[i - 1].y), ToDevice(points[i].x, points[i].y)});
        if (bClosed && count > 2)
            lines.push_back({ToDevice(points[count - 1].x, points[count - 1].y),
                             ToDevice(points[0].x, points[0].y)});
    }
    // Keeps of the lines noted so far only what lies outside the rectangle's inside.
    void Cover(const QRectF& area)
    {
        const QRectF inside = area.adjusted(1.0, 1.0, -1.0, -1.0);
        std::vector<CLine> seen;
        for (const CLine& line : lines)
        {
            const auto part = InsidePart(line.from, line.to, inside);
            if (!part)
            {
                seen.push_back(line);
                continue;
            }
            const QPointF d = line.to - line.from;
            if (part->first > 0.0)
                seen.push_back({line.from, line.from + part->first * d});
            if (part->second < 1.0)
                seen.push_back({line.from + part->second * d, line.to});
        }
        lines = std::move(seen);
    }
    CPoint m_At;
};

// The texts a view draws when it paints on the screen (OnDraw at the view's own size).
template <class View> std::vector<CPlacedText> PaintedTexts(View& view)
{
    QImage image(view.size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    CTextPlacingDC dc(&painter, DT_RASDISPLAY);
    view.OnDraw(&dc);
    return dc.texts;
}

// The texts of the view that the window's frame hides (a window over the view, such as a
// control dialog), each in quotes after a space; empty for none.
template <class View> std::string HiddenTexts(View& view, const QWidget& window)
{
    const QRect frame = window.frameGeometry();
    const QRectF inView(QPointF(view.mapFromGlobal(frame.topLeft())), QSizeF(frame.size()));
    std::string hidden;
    for (const CPlacedText& text : PaintedTexts(view))
        if (text.rect.width() > 0.0 && inView.intersects(text.rect))
            hidden += " \"" + text.text + "\"";
    return hidden;
}

// What is wrong with the placing of the texts on a surface of the given bounds: one line for
// each text not wholly inside the bounds and for each pair that shares more than a pixel
// across and more than a third of the smaller one's height (a font's descent and leading
// may touch the next line). Texts without width (empty) are passed over. Empty when all is
// well.
inline std::vector<std::string> TextPlacementFaults(const std::vector<CPlacedText>& texts,
                                                    const QRectF& bounds)
{
    std::vector<std::string> faults;
    const auto describe = [](const CPlacedText& t)
    {
        char buffer[160];
        std::snprintf(buffer, sizeof buffer, "\"%s\" at (%.1f, %.1f)-(%.1f, %.1f)", t.text.c_str(),
                      t.rect.left(), t.rect.top(), t.rect.right(), t.rect.bottom());
        return std::string(buffer);
    };
    // Half a pixel of slack for the rounding of the font's metrics.
    const QRectF inside = bounds.adjusted(-0.5, -0.5, 0.5, 0.5);
    for (std::size_t i = 0; i < texts.size(); ++i)
    {
        const CPlacedText& a = texts[i];
        if (a.rect.width() <= 0.0)
            continue;
        if (!inside.contains(a.rect))
            faults.push_back(describe(a) + " is not inside the surface");
        for (std::size_t j = 0; j < i; ++j)
        {
            const CPlacedText& b = texts[j];
            if (b.rect.width() <= 0.0)
                continue;
            const QRectF common = a.rect.intersected(b.rect);
            const double allowed = std::min(a.rect.height(), b.rect.height()) / 3.0;
            if (common.width() > 1.0 && common.height() > allowed)
                faults.push_back(describe(a) + " overlaps " + describe(b));
        }
    }
    return faults;
}

// The texts that a line runs through: one that enters the text's rectangle more than a
// pixel in from its ends and a quarter of its height in from its top and bottom (the
// leading above and the descent below, where digits and capitals leave no ink, may touch
// a line).
inline std::vector<std::string> CrossedTexts(const CTextPlacingDC& dc)
{
    std::vector<std::string> faults;
    for (const CPlacedText& text : dc.texts)
    {
        if (text.rect.width() <= 0.0)
            continue;
        const double v = text.rect.height() / 4.0;
        const QRectF ink = text.rect.adjusted(1.0, v, -1.0, -v);
        for (const CTextPlacingDC::CLine& line : dc.lines)
            if (InsidePart(line.from, line.to, ink))
            {
                char buffer[200];
                std::snprintf(buffer, sizeof buffer,
                              "\"%s\" at (%.1f, %.1f)-(%.1f, %.1f) is crossed by the line "
                              "(%.1f, %.1f)-(%.1f, %.1f)",
                              text.text.c_str(), text.rect.left(), text.rect.top(),
                              text.rect.right(), text.rect.bottom(), line.from.x(), line.from.y(),
                              line.to.x(), line.to.y());
                faults.push_back(buffer);
                break;
            }
    }
    return faults;
}

// All that is wrong with the texts of one drawing on a surface of the given bounds.
inline std::vector<std::string> DrawingFaults(const CTextPlacingDC& dc, const QRectF& bounds)
{
    std::vector<std::string> faults = TextPlacementFaults(dc.texts, bounds);
    const std::vector<std::string> crossed = CrossedTexts(dc);
    faults.insert(faults.end(), crossed.begin(), crossed.end());
    return faults;
}

// The height a text of the graph views' serif face gets from the placing device context
// (ascent and descent) at the least whole pixel size of nPoints on the device: a text of a
// smaller font is lower than that, one of a larger font as high or higher.
inline double LeastTextHeight(QPaintDevice& device, const char* pFace, int nPoints)
{
    QFont font;
    font.setFamily(pFace);
    font.setStyleHint(QFont::Serif);
    font.setPixelSize(int(std::ceil(nPoints * device.logicalDpiY() / 72.0 - 1e-9)));
    const QFontMetricsF metrics(font, &device);
    return metrics.ascent() + metrics.descent();
}

// One line for each text lower than a font of nPoints would draw it on the device.
inline std::vector<std::string> SmallTextFaults(const std::vector<CPlacedText>& texts,
                                                QPaintDevice& device, const char* pFace,
                                                int nPoints)
{
    std::vector<std::string> faults;
    const double least = LeastTextHeight(device, pFace, nPoints);
    for (const CPlacedText& t : texts)
        if (t.rect.width() > 0.0 && t.rect.height() < least - 0.01)
        {
            char buffer[200];
            std::snprintf(buffer, sizeof buffer, "\"%s\" is %.2f pixels high, less than %.2f",
                          t.text.c_str(), t.rect.height(), least);
            faults.push_back(buffer);
        }
    return faults;
}
