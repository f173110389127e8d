// Where a view's texts land when it draws: a device context on an image that notes the pixel
// rectangle of every text it draws, and the check that no two of them overlap and that each
// lies inside the surface.
#pragma once

#include "framework/ui/PainterDC.h"

#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QRectF>

#include <cmath>

#include <algorithm>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

struct CPlacedText
{
    std::string text;
    QRectF rect; // device pixels
};

// A painter device context that notes each text as it draws it.
class CTextPlacingDC : public CPainterDC
{
public:
    using CPainterDC::CPainterDC;
    bool TextOut(int x, int y, const std::string& text) override
    {
        texts.push_back({text, TextRect(x, y, text)});
        return CPainterDC::TextOut(x, y, text);
    }
    std::vector<CPlacedText> texts;
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
