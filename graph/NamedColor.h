// A colour with a display name; the colour value always equals red + green * 256 +
// blue * 65536.
#pragma once

#include "framework/core/GdiTypes.h"

#include <cstdint>
#include <string>

class CNamedColor
{
public:
    CNamedColor() { Set("Red", 0, 0, 0); }
    CNamedColor(const std::string& name, std::uint8_t red, std::uint8_t green, std::uint8_t blue)
    {
        Set(name, red, green, blue);
    }
    virtual ~CNamedColor() = default;

    bool Set(const std::string& name, std::uint8_t red, std::uint8_t green, std::uint8_t blue)
    {
        m_strName = name;
        m_nRed = red;
        m_nGreen = green;
        m_nBlue = blue;
        m_Color = RGB(red, green, blue);
        return true;
    }
    std::uint8_t GetRed() const { return m_nRed; }
    std::uint8_t GetGreen() const { return m_nGreen; }
    std::uint8_t GetBlue() const { return m_nBlue; }
    const std::string& GetName() const { return m_strName; }
    COLORREF GetColor() const { return m_Color; }

private:
    std::uint8_t m_nRed = 0;
    std::uint8_t m_nGreen = 0;
    std::uint8_t m_nBlue = 0;
    std::string m_strName;
    COLORREF m_Color = 0;
};
