// The font of a graph view's texts: a serif face whose character height is the view's
// font size in canvas units, created on a device context the canvas has already mapped.
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
    // Fills the definition and creates the font; false when it cannot be created (the
    // view then draws with the font it had).
    bool CreateFont(CDC* pDC, CFont* pFont);
    const CLogFont& GetLogFont() const { return m_LogFont; }

    static constexpr const char* kFaceName = "Times New Roman";

private:
    int m_nSize = 10;
    CLogFont m_LogFont;
};
