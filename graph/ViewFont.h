// The font of a graph view's texts: a serif face whose character height is the view's
// font size in canvas units, created on a device context the canvas has already mapped.
// On a small window a size in canvas units would come out too small to read: a view can
// give the font a least size in points, which it keeps on a display (the printed page is
// large enough).
#pragma once

#include <string>

class CDC;
class CFont;

// The fields of a font definition that the view font fills.
struct CLogFont
{
    int height = 0; // negative: character height
    int weight = 0;
    int charSet = 0;
    int outPrecision = 0;
    int clipPrecision = 0;
    int quality = 0;
    int pitchAndFamily = 0;
    std::string faceName; // at most 31 characters
};

class CViewFont
{
public:
    // The views use 90 (speaker, filter, phase and loudness views) or 80 (compression).
    bool SetSize(int nSize);
    int GetSize() const { return m_nSize; }
    // The least size on a display, points (0: none).
    void SetLeastPoints(int nPoints) { m_nLeastPoints = nPoints; }
    int GetLeastPoints() const { return m_nLeastPoints; }
    // The character height the font has on the device context as it is mapped, canvas
    // units: the size; less on a canvas lower than kCanvasHeightPerSize times it (a wide,
    // low window), so that the strips and a plot with labels beside it fit; and more
    // where the least size asks for it.
    int HeightOn(CDC* pDC) const;
    // How much larger than its size the font is on the device context (less than 1 on a
    // wide, low window): the measure the view's strips and the spaces between its texts
    // grow or shrink by.
    double ScaleOn(CDC* pDC) const;
    // Fills the definition and creates the font; false when it cannot be created (the
    // view then draws with the font it had).
    bool CreateFont(CDC* pDC, CFont* pFont);
    const CLogFont& GetLogFont() const { return m_LogFont; }

    // The character height, canvas units, of a font of nPoints on a display under the
    // device context's mapping, in whole pixels as the display draws it; 0 on any other
    // device, without a mapping or for no points.
    static int LeastHeight(CDC* pDC, int nPoints);

    static constexpr const char* kFaceName = "Times New Roman";
    // A size that a person reads on a screen without effort.
    static constexpr int kReadablePoints = 7;
    // The canvas a view's texts are laid out for is this many times their size high at
    // least: a strip of about 2.4 sizes under the plot and a plot that holds two or three
    // value labels apart.
    static constexpr double kCanvasHeightPerSize = 600.0 / 90.0;

private:
    int m_nSize = 10;
    int m_nLeastPoints = 0;
    CLogFont m_LogFont;
};
