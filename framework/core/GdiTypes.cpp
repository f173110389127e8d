#include "framework/core/GdiTypes.h"

bool CPen::CreatePen(int style, int width, COLORREF color)
{
    m_bCreated = true;
    m_nStyle = style;
    m_nWidth = width;
    m_Color = color;
    return true;
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

bool CFont::CreateFont(int height, int weight, bool italic, const std::string& face,
                       int pitchAndFamily)
{
    m_nPitchAndFamily = pitchAndFamily;
    m_bCreated = true;
    m_nHeight = height;
    m_nWeight = weight;
    m_bItalic = italic;
    m_strFace = face;
    return true;
}
