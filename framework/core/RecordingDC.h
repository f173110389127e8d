// A device context that draws nothing and records every primitive with the drawing state
// in effect, for tests of drawing code. Device capabilities default to a 96-dpi raster
// display of 800 by 600 pixels; texts measure a fixed width per character.
#pragma once

#include "framework/core/DeviceContext.h"

#include <map>
#include <string>
#include <vector>

class CRecordingDC : public CDC
{
public:
    enum class Op
    {
        Polyline,
        Polygon,
        Rectangle,
        FillSolidRect,
        MoveTo,
        LineTo,
        TextOut,
        RemoveClipRegion,
    };

    struct Call
    {
        Op op;
        std::vector<CPoint> points; // rectangles as (left, top), (right, bottom)
        std::string text;
        COLORREF fillColor = 0;
        CPen pen;
        CBrush brush;
        CFont font;
        unsigned textAlign = 0;
        COLORREF textColor = 0;
        int rop2 = 0;
    };

    CRecordingDC();

    bool Polyline(const CPoint* points, int count) override;
    bool Polygon(const CPoint* points, int count) override;
    bool Rectangle(int left, int top, int right, int bottom) override;
    void FillSolidRect(const CRect& rect, COLORREF color) override;
    bool MoveTo(int x, int y) override;
    bool LineTo(int x, int y) override;
    bool TextOut(int x, int y, const std::string& text) override;
    CSize GetTextExtent(const std::string& text) const override;
    int GetDeviceCaps(int index) const override;
    COLORREF GetPixel(int x, int y) const override;
    void RemoveClipRegion() override;

    void SetDeviceCaps(int index, int value) { m_Caps[index] = value; }
    void SetCharWidth(int width) { m_nCharWidth = width; }
    // Texts measure ratio times the selected font's height per character, as a real font
    // does; 0 (the default) measures the fixed width.
    void SetCharWidthPerHeight(double ratio) { m_dCharWidthPerHeight = ratio; }
    double GetCharWidthPerHeight() const { return m_dCharWidthPerHeight; }
    void SetPixelColor(COLORREF color) { m_PixelColor = color; }

    const std::vector<Call>& Calls() const { return m_Calls; }
    std::vector<Call> CallsOf(Op op) const;
    void ClearCalls() { m_Calls.clear(); }

private:
    Call& Record(Op op);

    std::vector<Call> m_Calls;
    std::map<int, int> m_Caps;
    int m_nCharWidth = 10;
    double m_dCharWidthPerHeight = 0.0;
    COLORREF m_PixelColor = 0xFFFFFF;
};
