#include "framework/core/GdiTypes.h"

bool CPen::CreatePen(int style, int width, COLORREF color)
{
    m_bCreated = true;
    m_nStyle = style;
    m_nWidth = width;
    m_Color = color;
    return true;
}

bool CPen::DeleteObject()
{
    const bool was = m_bCreated;
    *this = CPen();
    return was;
}

bool CBrush::CreateSolidBrush(COLORREF color)
{
    m_bCreated = true;
    m_bNull = false;
    m_Color = color;
    return true;
}

bool CBrush::CreateNullBrush()
{
    m_bCreated = true;
    m_bNull = true;
    m_Color = 0;
    return true;
}

bool CBrush::DeleteObject()
{
    const bool was = m_bCreated;
    *this = CBrush();
    return was;
}

bool CFont::CreateFont(int height, int weight, bool italic, const std::string& face)
{
    m_bCreated = true;
    m_nHeight = height;
    m_nWeight = weight;
    m_bItalic = italic;
    m_strFace = face;
    return true;
}

bool CFont::DeleteObject()
{
    const bool was = m_bCreated;
    *this = CFont();
    return was;
}
