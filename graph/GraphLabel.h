// A text at a position in canvas units, drawn with the font, alignment and colour the
// device context holds.
#pragma once

#include "framework/core/GdiTypes.h"

#include <string>

class CDC;

class CGraphLabel : public std::string
{
public:
    CGraphLabel() = default;
    explicit CGraphLabel(const std::string& text) : std::string(text) {}
    virtual ~CGraphLabel() = default;

    void SetPosition(int x, int y) { m_Position = {x, y}; }
    const CPoint& GetPosition() const { return m_Position; }
    CGraphLabel& SetText(const std::string& text)
    {
        assign(text);
        return *this;
    }
    bool Draw(CDC* pDC) const;

private:
    CPoint m_Position;
};
