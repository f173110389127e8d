// A graph view's font selected into a device context for one paint: made and selected when
// constructed (without it the texts are drawn in the font the device context has), selected
// out and deleted when it goes.
#pragma once

#include "framework/core/GdiTypes.h"
#include "graph/Restore.h"
#include "graph/ViewFont.h"

#include <optional>

class CViewFontSelection
{
public:
    CViewFontSelection(CDC* pDC, CViewFont& viewFont)
    {
        if (viewFont.CreateFont(pDC, &m_Font))
            m_Restorer.emplace(pDC, &m_Font);
    }
    ~CViewFontSelection()
    {
        if (m_Restorer)
            m_Restorer->Restore();
        m_Font.DeleteObject();
    }
    CViewFontSelection(const CViewFontSelection&) = delete;
    CViewFontSelection& operator=(const CViewFontSelection&) = delete;

private:
    CFont m_Font;
    std::optional<CFontRestorer> m_Restorer;
};
