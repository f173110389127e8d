#include "graph/ViewFont.h"

#include "framework/core/DeviceContext.h"
#include "framework/core/GdiTypes.h"
#include "graph/Assert.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace
{
constexpr int kDefaultCharSet = 1;
constexpr int kOutTrueTypeOnly = 7;
constexpr std::size_t kMaxFaceName = 31;
constexpr double kPointsPerInch = 72.0;

// Canvas units per device pixel under the device context's mapping; 0 without one. The
// isotropic mapping uses the smaller of its two scales on both axes.
double UnitsPerPixel(const CDC& dc)
{
    const int mode = dc.GetMapMode();
    if (mode != MM_ISOTROPIC && mode != MM_ANISOTROPIC)
        return 1.0;
    const CSize window = dc.GetWindowExt(), viewport = dc.GetViewportExt();
    if (window.cx == 0 || window.cy == 0 || viewport.cx == 0 || viewport.cy == 0)
        return 0.0;
    const double sx = std::abs(double(viewport.cx) / window.cx);
    const double sy = std::abs(double(viewport.cy) / window.cy);
    return 1.0 / std::min(sx, sy);
}
} // namespace

bool CViewFont::SetSize(int nSize)
{
    m_nSize = nSize;
    return true;
}

int CViewFont::LeastHeight(CDC* pDC, int nPoints)
{
    if (!pDC || nPoints <= 0 || pDC->GetDeviceCaps(TECHNOLOGY) != DT_RASDISPLAY)
        return 0;
    // The display draws a font in whole pixels: the least is the next whole pixel, and a
    // height of that many pixels in canvas units rounds back to it.
    const double pixels =
        std::ceil(nPoints * pDC->GetDeviceCaps(LOGPIXELSY) / kPointsPerInch - 1e-9);
    return int(std::ceil(pixels * UnitsPerPixel(*pDC)));
}

int CViewFont::HeightOn(CDC* pDC) const
{
    // The canvas is as wide whatever the window, so that its units grow with the width
    // alone: on a wide, low window (2560 by 120 pixels is a canvas 187 units high) a font
    // of its size would leave no room for the plot and the labels beside it.
    int height = m_nSize;
    const int canvasHeight = pDC ? std::abs(pDC->GetWindowExt().cy) : 0;
    if (canvasHeight > 0 && pDC->GetMapMode() == MM_ISOTROPIC)
        height = std::min(height, std::max(1, int(canvasHeight / kCanvasHeightPerSize)));
    return std::max(height, LeastHeight(pDC, m_nLeastPoints));
}

double CViewFont::ScaleOn(CDC* pDC) const
{
    return m_nSize > 0 ? double(HeightOn(pDC)) / m_nSize : 1.0;
}

bool CViewFont::CreateFont(CDC* pDC, CFont* pFont)
{
    if (!MORVANE_CHECK(pFont))
        return false;
    m_LogFont = CLogFont{};
    m_LogFont.height = -HeightOn(pDC);
    m_LogFont.weight = 400;
    m_LogFont.charSet = kDefaultCharSet;
    m_LogFont.outPrecision = kOutTrueTypeOnly;
    m_LogFont.clipPrecision = 1;
    m_LogFont.quality = 1;
    m_LogFont.pitchAndFamily = FF_ROMAN;
    // A face that exists: the roman family alone would leave the choice to the platform.
    m_LogFont.faceName = std::string(kFaceName).substr(0, kMaxFaceName);
    return pFont->CreateFont(m_LogFont.height, m_LogFont.weight, false, m_LogFont.faceName,
                             m_LogFont.pitchAndFamily);
}
