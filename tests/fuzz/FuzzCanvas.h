// What the drawing fuzz targets share: their input read from the front, the recording
// device context of a client area or printed page, and the check that every point drawn
// stays within the canvas reach plus what a text, gap, arrow or marker box adds to a held
// position (or a corner of the canvas's own regions).
#pragma once

#include "framework/core/RecordingDC.h"
#include "graph/BasicGraph.h"
#include "graph/CanvasReach.h"
#include "graph/GraphStrips.h"
#include "graph/ViewFont.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

// The input, read from the front: fixed fields little-endian (0 once it runs out), then
// texts cut at zero bytes (empty once it runs out).
class CFuzzInput
{
public:
    CFuzzInput(const std::uint8_t* data, std::size_t size) : m_pData(data), m_nLeft(size) {}
    template <class T> T Take()
    {
        unsigned char bytes[sizeof(T)] = {};
        const std::size_t n = std::min(sizeof(T), m_nLeft);
        std::memcpy(bytes, m_pData, n);
        m_pData += n;
        m_nLeft -= n;
        T v;
        std::memcpy(&v, bytes, sizeof v);
        return v;
    }
    // Any double, not-a-number, infinities and the smallest ones included.
    double Double() { return Take<double>(); }
    int InRange(int nLow, int nHigh)
    {
        return nLow + int(Take<std::uint16_t>() % (nHigh - nLow + 1));
    }
    std::string Text()
    {
        const auto* end = static_cast<const std::uint8_t*>(std::memchr(m_pData, 0, m_nLeft));
        const std::size_t n = end ? std::size_t(end - m_pData) : m_nLeft;
        std::string text(reinterpret_cast<const char*>(m_pData), n);
        m_pData += std::min(n + 1, m_nLeft);
        m_nLeft -= std::min(n + 1, m_nLeft);
        return text;
    }
    std::size_t Left() const { return m_nLeft; }

private:
    const std::uint8_t* m_pData;
    std::size_t m_nLeft;
};

// The device context of a client area (a raster display) or, bPrinter, a page of the size.
inline void SetUpFuzzDevice(CRecordingDC& dc, int nDpi, bool bPrinter, int nWidth, int nHeight)
{
    dc.SetDeviceCaps(LOGPIXELSX, nDpi);
    dc.SetDeviceCaps(LOGPIXELSY, nDpi);
    if (bPrinter)
    {
        dc.SetDeviceCaps(TECHNOLOGY, DT_RASPRINTER);
        dc.SetDeviceCaps(HORZRES, nWidth);
        dc.SetDeviceCaps(VERTRES, nHeight);
    }
}

inline void CheckCanvasPoints(const CRecordingDC& dc)
{
    constexpr long long kBound = 2LL * kCanvasReach;
    for (const CRecordingDC::Call& call : dc.Calls())
        for (const CPoint& p : call.points)
            if (std::llabs(p.x) > kBound || std::llabs(p.y) > kBound)
                std::abort();
}

// One part's draw, from a clean record, checked.
template <class TDraw> void CheckedDraw(CRecordingDC& dc, TDraw draw)
{
    dc.ClearCalls();
    draw();
    CheckCanvasPoints(dc);
}

// The compression views' font on a canvas of any size: as the views do, its least size is
// made a point smaller at a time until the strip under the plot leaves the plot room.
inline void FitCompressionFont(CDC& dc, CViewFont& font, const CBasicGraph& graph)
{
    for (int nPoints = CViewFont::kReadablePoints; nPoints > 0; --nPoints)
    {
        font.SetLeastPoints(nPoints);
        if (2 * CGraphStrips::kBorder * font.ScaleOn(&dc) <= graph.GetHeight())
            return;
        font.SetLeastPoints(0);
    }
}
