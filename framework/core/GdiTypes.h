// Value types of the drawing interface: points, sizes, rectangles, colours, pens, brushes
// and fonts, with the numeric constants the graph code passes to a device context.
// Coordinates are 32-bit ints in the units of the device context's current mapping.
#pragma once

#include <cstdint>
#include <string>

using COLORREF = std::uint32_t; // 0x00BBGGRR

constexpr COLORREF RGB(std::uint8_t r, std::uint8_t g, std::uint8_t b)
{
    return COLORREF(r) | (COLORREF(g) << 8) | (COLORREF(b) << 16);
}
constexpr std::uint8_t GetRValue(COLORREF c)
{
    return std::uint8_t(c & 0xFF);
}
constexpr std::uint8_t GetGValue(COLORREF c)
{
    return std::uint8_t((c >> 8) & 0xFF);
}
constexpr std::uint8_t GetBValue(COLORREF c)
{
    return std::uint8_t((c >> 16) & 0xFF);
}

struct CPoint
{
    int x = 0;
    int y = 0;
    friend bool operator==(const CPoint&, const CPoint&) = default;
};

struct CSize
{
    int cx = 0;
    int cy = 0;
    friend bool operator==(const CSize&, const CSize&) = default;
};

// (left, top, right, bottom); on the graph canvas top is the larger y.
struct CRect
{
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    friend bool operator==(const CRect&, const CRect&) = default;
};

// Pen styles.
enum : int
{
    PS_SOLID = 0,
    PS_DASH = 1,
    PS_DOT = 2,
    PS_DASHDOT = 3,
    PS_DASHDOTDOT = 4,
    PS_NULL = 5,
};

// Text alignment flags.
enum : unsigned
{
    TA_LEFT = 0,
    TA_TOP = 0,
    TA_RIGHT = 2,
    TA_CENTER = 6,
    TA_BOTTOM = 8,
    TA_BASELINE = 24,
};

// Mapping modes.
enum : int
{
    MM_TEXT = 1,
    MM_ISOTROPIC = 7,
    MM_ANISOTROPIC = 8,
};

// Raster operations of lines.
enum : int
{
    R2_NOT = 6,
    R2_COPYPEN = 13,
};

// Background modes.
enum : int
{
    TRANSPARENT = 1,
    OPAQUE = 2,
};

// Device capability indices and technology values.
enum : int
{
    TECHNOLOGY = 2,
    HORZRES = 8,
    VERTRES = 10,
    LOGPIXELSX = 88,
    LOGPIXELSY = 90,
};
enum : int
{
    DT_RASPRINTER = 2,
    DT_RASDISPLAY = 1,
};

// A drawing object is "created" once it holds a definition; deleting it empties it again.
// Selecting an empty object into a device context is a caller error.
template <typename T> class CGdiObject
{
public:
    bool IsCreated() const { return m_bCreated; }
    // True when there was a definition to delete.
    bool DeleteObject()
    {
        const bool was = m_bCreated;
        static_cast<T&>(*this) = T();
        return was;
    }
    friend bool operator==(const CGdiObject&, const CGdiObject&) = default;

protected:
    bool m_bCreated = false;
};

class CPen : public CGdiObject<CPen>
{
public:
    CPen() = default;
    CPen(int style, int width, COLORREF color) { CreatePen(style, width, color); }
    bool CreatePen(int style, int width, COLORREF color);
    int GetStyle() const { return m_nStyle; }
    int GetWidth() const { return m_nWidth; }
    COLORREF GetColor() const { return m_Color; }
    friend bool operator==(const CPen&, const CPen&) = default;

private:
    int m_nStyle = PS_SOLID;
    int m_nWidth = 0;
    COLORREF m_Color = 0;
};

class CBrush : public CGdiObject<CBrush>
{
public:
    CBrush() = default;
    explicit CBrush(COLORREF color) { CreateSolidBrush(color); }
    bool CreateSolidBrush(COLORREF color);
    bool CreateNullBrush();
    bool IsNull() const { return m_bNull; }
    COLORREF GetColor() const { return m_Color; }
    friend bool operator==(const CBrush&, const CBrush&) = default;

private:
    bool m_bNull = false;
    COLORREF m_Color = 0;
};

// Font families, the pitch-and-family value of a font: which kind of face to take when
// the named one is missing.
enum : int
{
    FF_DONTCARE = 0x00,
    FF_ROMAN = 0x10, // serif
    FF_SWISS = 0x20, // sans serif
    FF_MODERN = 0x30,
};

// Height in logical units: negative is the character (em) height, positive the cell
// height; weight 400 normal, 700 bold.
class CFont : public CGdiObject<CFont>
{
public:
    CFont() = default;
    bool CreateFont(int height, int weight, bool italic, const std::string& face,
                    int pitchAndFamily = FF_DONTCARE);
    int GetPitchAndFamily() const { return m_nPitchAndFamily; }
    int GetHeight() const { return m_nHeight; }
    int GetWeight() const { return m_nWeight; }
    bool IsItalic() const { return m_bItalic; }
    const std::string& GetFaceName() const { return m_strFace; }
    friend bool operator==(const CFont&, const CFont&) = default;

private:
    int m_nHeight = 0;
    int m_nWeight = 400;
    bool m_bItalic = false;
    int m_nPitchAndFamily = FF_DONTCARE;
    std::string m_strFace;
};
