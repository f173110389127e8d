#include "graph/GraphStrips.h"

#include "framework/core/DeviceContext.h"
#include "graph/HorizontalScale.h"
#include "graph/Restore.h"
#include "graph/VerticalScale.h"
#include "graph/ViewFont.h"

#include <algorithm>
#include <cmath>

namespace
{
// Canvas units the left strip is made wider than its labels measure: a display rounds the
// fonts to whole pixels, so that a text can come out a little wider than measured.
constexpr int kRoundingAllowance = 10;
} // namespace

int CGraphStrips::Scaled(int n) const
{
    return int(std::lround(n * dTextScale));
}

CGraphStrips MeasureGraphStrips(CDC* pDC, const CViewFont& font, CVerticalScale& vertical,
                                CHorizontalScale& horizontal, const CDoubleRect& window)
{
    CGraphStrips strips;
    if (!pDC)
        return strips;
    strips.dTextScale = font.ScaleOn(pDC);
    strips.nLeastFontHeight = CViewFont::LeastHeight(pDC, font.GetLeastPoints());
    strips.nBorder = strips.Scaled(CGraphStrips::kBorder);
    strips.nLeftWidth = strips.nBottomHeight = strips.nBorder;
    vertical.SetTextScale(strips.dTextScale, strips.nLeastFontHeight);
    horizontal.SetTextScale(strips.dTextScale, strips.nLeastFontHeight);
    // Labels too wide for the strip are drawn in a smaller font, but none below the least:
    // the strip must hold them at that height.
    if (strips.nLeastFontHeight > 0)
    {
        CFont least;
        least.CreateFont(-strips.nLeastFontHeight, 400, false, CViewFont::kFaceName, FF_ROMAN);
        CFontRestorer restore(pDC, &least);
        const int needed = vertical.StripWidthFor(pDC, window) + kRoundingAllowance;
        restore.Restore();
        least.DeleteObject();
        strips.nLeftWidth = std::max(strips.nLeftWidth, needed);
    }
    return strips;
}
