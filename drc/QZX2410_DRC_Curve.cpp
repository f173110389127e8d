// The transfer curve of the QZX241X compression, computed with the chip's fixed-point
// base-2 logarithm and antilogarithm so that the plot shows what the chip does.
#include "drc/QZX2410_DRC_Manager.h"

#include "numerics/engine/FixedPointLog.h"

#include <cmath>

namespace
{
constexpr double kFullScaleLog2 = 47.0;
constexpr double kDbPerLog2 = 6.0206; // the plot's own factor
constexpr double kGridStep = 0.1;     // log2 units
} // namespace

bool CQZX2410_DRC_Manager::ComputeCurves(const CWords& w, std::vector<CCompressionCurve>& curves,
                                         std::string& error) const
{
    const int N = kCurvePoints;
    std::vector<CDoublePoint> transfer(N), reference(N);
    for (int n = 0; n < N; ++n)
    {
        const double G = n * kGridStep;
        // The top of the grid is the largest magnitude the logarithm takes.
        const double X = n == N - 1 ? std::exp2(kFullScaleLog2) - 1.0 : std::exp2(G);
        const double C = numerics::Base2Log(X);
        double D = 0.0;
        if (C >= w.threshold1)
            D = (C - w.threshold1) * w.slope[0] + w.offset1;
        else if (C >= w.threshold2)
            D = (C - w.threshold2) * w.slope[1] + w.offset2;
        else
            D = (C - w.threshold2) * w.slope[2] + w.offset2;
        if (!numerics::Base2AlogInRange(D))
        {
            error = "The compression curve leaves the range of the device's antilogarithm.";
            return false;
        }
        const double Y = X * numerics::Base2Alog(D);
        const double Gdb = (G - kFullScaleLog2) * kDbPerLog2;
        transfer[n] = {Gdb, (std::log2(Y) - kFullScaleLog2) * kDbPerLog2};
        reference[n] = {Gdb, (std::log2(X) - kFullScaleLog2) * kDbPerLog2};
    }
    curves.assign(4, CCompressionCurve{});
    curves[0].points = std::move(transfer);
    curves[0].color = RGB(0, 0, 255);
    curves[0].nKind = 1;
    curves[0].label = "DRC Curve";
    curves[1].points = std::move(reference);
    curves[1].nKind = 2;
    curves[1].label = "1:1 Ratio";
    curves[2].points = {{m_dThreshold1, 0.0}, {m_dThreshold1, m_dLimit}};
    curves[2].label = "Vert Threshold 1";
    curves[3].points = {{m_dThreshold2, 0.0}, {m_dThreshold2, m_dLimit}};
    curves[3].label = "Vert Threshold 2";
    for (int i = 0; i < 4; ++i)
    {
        curves[i].nIndex = i;
        curves[i].nWidth = 2;
        curves[i].nPenStyle = 0;
    }
    for (int i = 2; i < 4; ++i)
    {
        curves[i].color = RGB(0, 255, 0);
        curves[i].nTag = 1;
    }
    return true;
}
