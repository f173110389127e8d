#include "framework/core/RecordingDC.h"

#include <cstdlib>

CRecordingDC::CRecordingDC()
{
    m_Caps[TECHNOLOGY] = DT_RASDISPLAY;
    m_Caps[HORZRES] = 800;
    m_Caps[VERTRES] = 600;
    m_Caps[LOGPIXELSX] = 96;
    m_Caps[LOGPIXELSY] = 96;
}

CRecordingDC::Call& CRecordingDC::Record(Op op)
{
    Call call;
    call.op = op;
    call.pen = GetCurrentPen();
    call.brush = GetCurrentBrush();
    call.font = GetCurrentFont();
    call.textAlign = GetTextAlign();
    call.textColor = GetTextColor();
    call.rop2 = GetROP2();
    m_Calls.push_back(std::move(call));
    return m_Calls.back();
}

bool CRecordingDC::Polyline(const CPoint* points, int count)
{
    if (!points || count < 2)
        return false;
    Record(Op::Polyline).points.assign(points, points + count);
    return true;
}

bool CRecordingDC::Polygon(const CPoint* points, int count)
{
    if (!points || count < 2)
        return false;
    Record(Op::Polygon).points.assign(points, points + count);
    return true;
}

bool CRecordingDC::Rectangle(int left, int top, int right, int bottom)
{
    Record(Op::Rectangle).points = {{left, top}, {right, bottom}};
    return true;
}

void CRecordingDC::FillSolidRect(const CRect& rect, COLORREF color)
{
    Call& call = Record(Op::FillSolidRect);
    call.points = {{rect.left, rect.top}, {rect.right, rect.bottom}};
    call.fillColor = color;
}

bool CRecordingDC::MoveTo(int x, int y)
{
    Record(Op::MoveTo).points = {{x, y}};
    return true;
}

bool CRecordingDC::LineTo(int x, int y)
{
    Record(Op::LineTo).points = {{x, y}};
    return true;
}

bool CRecordingDC::TextOut(int x, int y, const std::string& text)
{
    Call& call = Record(Op::TextOut);
    call.points = {{x, y}};
    call.text = text;
    return true;
}

CSize CRecordingDC::GetTextExtent(const std::string& text) const
{
    const int height = std::abs(GetCurrentFont().GetHeight());
    const int width = m_dCharWidthPerHeight > 0.0 && height > 0
                          ? int(m_dCharWidthPerHeight * height + 0.5)
                          : m_nCharWidth;
    return {int(text.size()) * width, height};
}

int CRecordingDC::GetDeviceCaps(int index) const
{
    const auto it = m_Caps.find(index);
    return it == m_Caps.end() ? 0 : it->second;
}

COLORREF CRecordingDC::GetPixel(int, int) const
{
    return m_PixelColor;
}

void CRecordingDC::RemoveClipRegion()
{
    Record(Op::RemoveClipRegion);
}

std::vector<CRecordingDC::Call> CRecordingDC::CallsOf(Op op) const
{
    std::vector<Call> out;
    for (const Call& call : m_Calls)
        if (call.op == op)
            out.push_back(call);
    return out;
}
