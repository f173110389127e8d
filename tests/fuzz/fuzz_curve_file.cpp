// Feeds arbitrary bytes to the curve file reader. A file that is accepted holds curves
// whose frequencies never go backwards; it is laid out, drawn, searched and written back,
// and what is written must read back the same. Looked up between two of its frequencies, a
// curve gives a level between those of the points it draws there, never beyond them.
#include "framework/core/RecordingDC.h"
#include "graph/Assert.h"
#include "graph/Curve.h"
#include "graph/CurveFile.h"
#include "graph/CurveLine.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <vector>

namespace
{
void Quiet(const char*, const char*, int) {}

const CRect kArea{220, 2780, 4000, 220};
const CDoubleRect kWindow{20.0, 1.0, -40.0, 4.5};

// The frequencies rise or stay; between two neighbouring frequencies, and at a few places
// besides, DataYAtX lies within the levels of the line drawn there: from the last point at
// or before x to the first point after it.
void CheckOrderAndLookups(const CCurve& curve)
{
    const long n = curve.GetTotalPoints();
    const CDoublePoint* p = curve.m_pDblPt.get();
    for (long i = 1; i < n; ++i)
        if (p[i].x < p[i - 1].x)
            std::abort();
    const auto within = [](double y, double a, double b)
    { return y >= std::min(a, b) && y <= std::max(a, b); };
    // The lookups cost the curve's length each: the first segments are enough.
    for (long i = 0; i + 1 < std::min(n, 200L); ++i)
    {
        if (p[i + 1].x == p[i].x)
            continue;
        for (const double share : {0.0, 1e-9, 0.25, 0.5, 0.999, 1.0 - 1e-12})
        {
            const double x = p[i].x + share * (p[i + 1].x - p[i].x);
            // Where x lies within 1e-6 of a point, the lookup gives that point's level.
            long first = i, last = i + 1;
            while (first > 0 && p[first - 1].x >= x - 1e-6)
                --first;
            while (last + 1 < n && p[last + 1].x <= x + 1e-6)
                ++last;
            double low = p[first].y, high = p[first].y;
            for (long k = first; k <= last; ++k)
                low = std::min(low, p[k].y), high = std::max(high, p[k].y);
            if (!within(curve.DataYAtX(x), low, high))
                std::abort();
        }
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    mclSetAssertionHandler(&Quiet);
    std::vector<std::unique_ptr<CCurve>> curves;
    std::string error;
    if (!CCurveFile::ReadCurvesFromBytes(std::vector<std::uint8_t>(data, data + size), "fuzz", 0,
                                         kArea, kWindow, curves, &error))
        return 0;

    CRecordingDC dc;
    std::vector<const CCurve*> all;
    for (const auto& curve : curves)
    {
        curve->Draw(&dc);
        curve->DrawMasterPoints(&dc);
        curve->DrawFirstPoints(&dc, curve->GetTotalPoints());
        curve->DistanceTo(1000, 1000);
        curve->YAtX(2.0);
        curve->DataYAtX(3.0);
        CheckOrderAndLookups(*curve);
        CPoint pointer{1500, 900};
        CDoublePoint under;
        curve->PointUnder(&under, &pointer);
        all.push_back(curve.get());
    }

    // What is written reads back and writes again to the same bytes.
    CBinaryWriter out;
    out.WriteInt32(std::int32_t(all.size()));
    for (const CCurve* curve : all)
        if (!curve->Write(&out))
            std::abort();
    std::vector<std::unique_ptr<CCurve>> again;
    if (!CCurveFile::ReadCurvesFromBytes(out.Bytes(), "again", int(all.size()), kArea, kWindow,
                                         again, &error))
        std::abort();
    CBinaryWriter out2;
    out2.WriteInt32(std::int32_t(again.size()));
    for (const auto& curve : again)
        curve->Write(&out2);
    if (out2.Bytes() != out.Bytes())
        std::abort();

    for (const auto& curve : curves)
        if (curve->FromMasterPoints())
            curve->LayoutInRect(kArea, &kWindow);
    return 0;
}
