#include "graph/ViewFont.h"

#include "framework/core/GdiTypes.h"
#include "graph/Assert.h"

namespace
{
constexpr int kDefaultCharSet = 1;
constexpr int kOutTrueTypeOnly = 7;
constexpr std::size_t kMaxFaceName = 31;
} // namespace

bool CViewFont::SetSize(int nSize)
{
    m_nSize = nSize;
    return true;
}

bool CViewFont::CreateFont(CDC*, CFont* pFont)
{
    if (!MORVANE_CHECK(pFont))
        return false;
    m_LogFont = CLogFont{};
    m_LogFont.height = -m_nSize;
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
