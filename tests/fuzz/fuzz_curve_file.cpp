// Feeds arbitrary bytes to the curve file reader. A file that is accepted is laid out,
// drawn, searched and written back, and what is written must read back the same.
#include "framework/core/RecordingDC.h"
#include "graph/Assert.h"
#include "graph/Curve.h"
#include "graph/CurveFile.h"
#include "graph/CurveLine.h"

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <vector>

namespace
{
void Quiet(const char*, const char*, int) {}

const CRect kArea{220, 2780, 4000, 220};
const CDoubleRect kWindow{20.0, 1.0, -40.0, 4.5};
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
