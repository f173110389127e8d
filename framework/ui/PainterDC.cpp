#include "framework/ui/PainterDC.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPen>
#include <QPolygon>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace
{
QColor ToQColor(COLORREF c)
{
    return QColor(GetRValue(c), GetGValue(c), GetBValue(c));
}

COLORREF FromQColor(QRgb c)
{
    return RGB(std::uint8_t(qRed(c)), std::uint8_t(qGreen(c)), std::uint8_t(qBlue(c)));
}

Qt::PenStyle ToQtStyle(int style)
{
    switch (style)
    {
    case PS_DASH:
        return Qt::DashLine;
    case PS_DOT:
        return Qt::DotLine;
    case PS_DASHDOT:
        return Qt::DashDotLine;
    case PS_DASHDOTDOT:
        return Qt::DashDotDotLine;
    case PS_NULL:
        return Qt::NoPen;
    default:
        return Qt::SolidLine;
    }
}

QPolygon ToPolygon(const CPoint* points, int count)
{
    QPolygon polygon(count);
    for (int i = 0; i < count; ++i)
        polygon.setPoint(i, points[i].x, points[i].y);
    return polygon;
}

// A pen's width in whole device pixels, at least one, as the display rasterises it. A width
// of 1.2 pixels drawn as such would come out one or two pixels wide depending on where the
// line falls, so that thin grid lines could look as wide as the decade lines next to them.
int DevicePenWidth(int width, double unitsPerPixel)
{
    return std::max(1, int(std::lround(width / unitsPerPixel)));
}

// Pixel height of the stock font, which has no height of its own.
constexpr double kStockFontPixels = 13.0;

// The pixels of a display, to which a printer's page is fitted.
constexpr double kDisplayPixelsPerInch = 96.0;
} // namespace

CPainterDC::CPainterDC(QPainter* pPainter, int nTechnology)
    : m_pPainter(pPainter), m_pDevice(pPainter ? pPainter->device() : nullptr),
      m_nTechnology(nTechnology)
{
    m_bPaged = dynamic_cast<QPagedPaintDevice*>(m_pDevice) != nullptr;
    if (m_nTechnology == 0)
        m_nTechnology = m_bPaged ? DT_RASPRINTER : DT_RASDISPLAY;
    if (m_bPaged && m_pDevice->logicalDpiX() > kDisplayPixelsPerInch)
        m_dDotsPerPixel = m_pDevice->logicalDpiX() / kDisplayPixelsPerInch;
}

QTransform CPainterDC::Transform() const
{
    double sx, sy;
    Scales(sx, sy);
    if (GetMapMode() != MM_ISOTROPIC && GetMapMode() != MM_ANISOTROPIC)
        return QTransform();
    const CPoint wo = GetWindowOrg(), vo = GetViewportOrg();
    return QTransform(sx, 0, 0, sy, vo.x - wo.x * sx, vo.y - wo.y * sy);
}

QTransform CPainterDC::PageTransform() const
{
    return QTransform::fromScale(m_dDotsPerPixel, m_dDotsPerPixel);
}

double CPainterDC::UnitsPerPixel() const
{
    double sx, sy;
    Scales(sx, sy);
    if (GetMapMode() != MM_ISOTROPIC && GetMapMode() != MM_ANISOTROPIC)
        return 1.0;
    return 1.0 / std::fabs(sx);
}

QPointF CPainterDC::ToDevice(int x, int y) const
{
    return Transform().map(QPointF(x, y));
}

void CPainterDC::ApplyPen(bool bFill, bool bDevicePixels)
{
    const CPen& pen = GetCurrentPen();
    const int pixels = DevicePenWidth(pen.GetWidth(), UnitsPerPixel());
    QPen qpen(ToQColor(pen.GetColor()));
    // On a display a pen is as wide as its pixels; on a printer's page it is a width on the
    // page, which scales with the page wherever the page is shown (a print preview
    // replays the page at its zoom, and would show a printer's dots as screen pixels).
    const bool bCosmetic = !m_bPaged;
    qpen.setCosmetic(bCosmetic);
    const double pixelWidth = bDevicePixels ? 1.0 : UnitsPerPixel();
    if (pen.GetStyle() == PS_NULL)
        qpen = QPen(Qt::NoPen);
    else if (pixels <= 1)
    {
        qpen.setWidthF(bCosmetic ? 0.0 : pixelWidth);
        qpen.setStyle(ToQtStyle(pen.GetStyle()));
        qpen.setCapStyle(Qt::FlatCap);
    }
    else
    {
        qpen.setWidthF(bCosmetic ? pixels : pixels * pixelWidth);
        qpen.setStyle(Qt::SolidLine);
        qpen.setCapStyle(Qt::RoundCap);
        qpen.setJoinStyle(Qt::RoundJoin);
    }
    m_pPainter->setTransform(bDevicePixels ? PageTransform() : Transform() * PageTransform());
    m_pPainter->setRenderHint(QPainter::Antialiasing, false);
    const bool invert = GetROP2() == R2_NOT;
    m_pPainter->setCompositionMode(invert ? QPainter::RasterOp_NotDestination
                                          : QPainter::CompositionMode_SourceOver);
    m_pPainter->setPen(qpen);
    const CBrush& brush = GetCurrentBrush();
    if (bFill && !brush.IsNull())
        m_pPainter->setBrush(ToQColor(brush.GetColor()));
    else
        m_pPainter->setBrush(Qt::NoBrush);
}

QPolygon CPainterDC::VisiblePolyline(const CPoint* points, int count) const
{
    const QTransform t = Transform();
    const double sx = t.m11(), sy = t.m22(), dx = t.dx(), dy = t.dy();
    // Any consistent bucketing will do; truncation is the cheapest. A point far off the
    // canvas (a curve's value held to the int range) lies beyond the int range in pixels
    // too on a device of more pixels than canvas units (a printer): held to it, it is still
    // told apart from the points on the page.
    auto bucket = [](double v) { return int(std::clamp(v, double(INT_MIN), double(INT_MAX))); };
    auto pixel = [&](const CPoint& p)
    { return QPoint(bucket(p.x * sx + dx), bucket(p.y * sy + dy)); };
    QPolygon polygon;
    polygon.reserve(count);
    QPoint kept = pixel(points[0]);
    polygon.append(QPoint(points[0].x, points[0].y));
    for (int i = 1; i < count; ++i)
    {
        const QPoint at = pixel(points[i]);
        if (at == kept && i + 1 < count)
            continue;
        polygon.append(QPoint(points[i].x, points[i].y));
        kept = at;
    }
    return polygon;
}

bool CPainterDC::Polyline(const CPoint* points, int count)
{
    if (!m_pPainter || !points || count < 2)
        return false;
    ApplyPen(false);
    m_pPainter->drawPolyline(VisiblePolyline(points, count));
    return true;
}

bool CPainterDC::Polygon(const CPoint* points, int count)
{
    if (!m_pPainter || !points || count < 2)
        return false;
    ApplyPen(true);
    m_pPainter->drawPolygon(ToPolygon(points, count));
    return true;
}

bool CPainterDC::Rectangle(int left, int top, int right, int bottom)
{
    if (!m_pPainter)
        return false;
    ApplyPen(true, true);
    // As on the display, the frame lies inside the rectangle: its right and bottom device
    // edges are excluded, so a rectangle that reaches the edge of the window keeps its frame
    // there instead of losing it outside.
    const QPointF a = ToDevice(left, top), b = ToDevice(right, bottom);
    const int l = int(std::lround(std::min(a.x(), b.x())));
    const int r = int(std::lround(std::max(a.x(), b.x())));
    const int t = int(std::lround(std::min(a.y(), b.y())));
    const int d = int(std::lround(std::max(a.y(), b.y())));
    m_pPainter->drawRect(QRect(l, t, std::max(r - l - 1, 0), std::max(d - t - 1, 0)));
    return true;
}

void CPainterDC::FillSolidRect(const CRect& rect, COLORREF color)
{
    if (!m_pPainter)
        return;
    m_pPainter->setTransform(Transform() * PageTransform());
    m_pPainter->setCompositionMode(QPainter::CompositionMode_SourceOver);
    m_pPainter->fillRect(
        QRectF(QPointF(rect.left, rect.top), QPointF(rect.right, rect.bottom)).normalized(),
        ToQColor(color));
}

bool CPainterDC::MoveTo(int x, int y)
{
    m_Current = {x, y};
    return true;
}

bool CPainterDC::LineTo(int x, int y)
{
    const CPoint line[2] = {m_Current, {x, y}};
    m_Current = {x, y};
    return Polyline(line, 2);
}

QFont CPainterDC::DeviceFont() const
{
    const CFont& font = GetCurrentFont();
    QFont qfont;
    if (!font.GetFaceName().empty())
        qfont.setFamily(QString::fromStdString(font.GetFaceName()));
    switch (font.GetPitchAndFamily() & 0xF0)
    {
    case FF_ROMAN:
        qfont.setStyleHint(QFont::Serif);
        break;
    case FF_SWISS:
        qfont.setStyleHint(QFont::SansSerif);
        break;
    case FF_MODERN:
        qfont.setStyleHint(QFont::TypeWriter);
        break;
    default:
        break;
    }
    qfont.setWeight(font.GetWeight() >= 600 ? QFont::Bold : QFont::Normal);
    qfont.setItalic(font.IsItalic());
    const double pixels =
        font.GetHeight() == 0 ? kStockFontPixels : std::abs(font.GetHeight()) / UnitsPerPixel();
    qfont.setPixelSize(std::max(1, int(std::lround(pixels))));
    return qfont;
}

QRectF CPainterDC::TextRect(int x, int y, const std::string& text) const
{
    const QFontMetricsF metrics(DeviceFont(), m_pDevice);
    QPointF baseline = ToDevice(x, y);
    const unsigned align = GetTextAlign();
    const double width = metrics.horizontalAdvance(QString::fromStdString(text));
    if ((align & TA_CENTER) == TA_CENTER)
        baseline.rx() -= width / 2;
    else if (align & TA_RIGHT)
        baseline.rx() -= width;
    if ((align & TA_BASELINE) != TA_BASELINE)
        baseline.ry() += (align & TA_BOTTOM) ? -metrics.descent() : metrics.ascent();
    return {baseline.x(), baseline.y() - metrics.ascent(), width,
            metrics.ascent() + metrics.descent()};
}

bool CPainterDC::TextOut(int x, int y, const std::string& text)
{
    if (!m_pPainter)
        return false;
    const QString qtext = QString::fromStdString(text);
    const QFont font = DeviceFont();
    const QRectF rect = TextRect(x, y, text);
    const QPointF anchor(rect.left(), rect.top() + QFontMetricsF(font, m_pDevice).ascent());
    m_pPainter->setTransform(PageTransform());
    m_pPainter->setCompositionMode(QPainter::CompositionMode_SourceOver);
    m_pPainter->setRenderHint(QPainter::TextAntialiasing, true);
    m_pPainter->setFont(font);
    m_pPainter->setPen(ToQColor(GetTextColor()));
    m_pPainter->drawText(anchor, qtext);
    return true;
}

CSize CPainterDC::GetTextExtent(const std::string& text) const
{
    const QFontMetricsF metrics(DeviceFont(), m_pDevice);
    const double units = UnitsPerPixel();
    return {int(std::lround(metrics.horizontalAdvance(QString::fromStdString(text)) * units)),
            int(std::lround(metrics.height() * units))};
}

int CPainterDC::GetDeviceCaps(int index) const
{
    switch (index)
    {
    case TECHNOLOGY:
        return m_nTechnology;
    case HORZRES:
        return m_pDevice ? int(std::lround(m_pDevice->width() / m_dDotsPerPixel)) : 0;
    case VERTRES:
        return m_pDevice ? int(std::lround(m_pDevice->height() / m_dDotsPerPixel)) : 0;
    case LOGPIXELSX:
        return m_pDevice ? int(std::lround(m_pDevice->logicalDpiX() / m_dDotsPerPixel)) : 96;
    case LOGPIXELSY:
        return m_pDevice ? int(std::lround(m_pDevice->logicalDpiY() / m_dDotsPerPixel)) : 96;
    default:
        return 0;
    }
}

COLORREF CPainterDC::GetPixel(int x, int y) const
{
    const auto* image = dynamic_cast<const QImage*>(m_pDevice);
    if (!image)
        return CLR_INVALID;
    const QPointF p = ToDevice(x, y);
    const int px = int(std::floor(p.x())), py = int(std::floor(p.y()));
    if (!image->valid(px, py))
        return CLR_INVALID;
    return FromQColor(image->pixel(px, py));
}

void CPainterDC::RemoveClipRegion()
{
    if (m_pPainter)
        m_pPainter->setClipping(false);
}
