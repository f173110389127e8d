#include "graph/MatrixUtilities.h"

#include "graph/Assert.h"
#include "graph/Curve.h"
#include "graph/MorvaneUtilities.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace
{
bool IsRealDouble(const mwMatrix& m)
{
    const mxArray* a = m.GetData();
    return a && mxIsDouble(a) && !mxIsComplex(a);
}

bool IsRealColumn(const mwMatrix& m)
{
    return IsRealDouble(m) && m.Size(2) == 1;
}

// A real matrix of the given shape holding the values (column-major).
mwMatrix MakeMatrix(int rows, int cols, std::vector<double>& values)
{
    if (rows == 0 || cols == 0)
        return empty();
    return mwMatrix(rows, cols, values.data(), nullptr, 1);
}

mwMatrix Column(std::vector<double>& values)
{
    return MakeMatrix(int(values.size()), values.empty() ? 0 : 1, values);
}

// Moves the first of the values halfway toward the second.
void MeanOfFirstTwo(std::vector<double>& v)
{
    v[0] = v[1] - (v[1] - v[0]) / 2.0;
}

bool PowConvert(mwMatrix& frequencies, mwMatrix& magnitudes, mwMatrix* phases)
{
    const bool shapes =
        IsRealColumn(frequencies) && IsRealColumn(magnitudes) && frequencies.Size(1) >= 2 &&
        magnitudes.Size(1) == frequencies.Size(1) &&
        (!phases || (IsRealColumn(*phases) && phases->Size(1) == frequencies.Size(1)));
    if (!MORVANE_CHECK(shapes))
        return false;
    std::vector<double> f = Values(frequencies);
    if (f[0] > 0.0)
        return true;
    if (f[1] <= 0.0)
    {
        MORVANE_CHECK_FAILED();
        return false;
    }
    f[0] = RepairedFirstFrequency(f[0], f[1]);
    std::vector<double> m = Values(magnitudes);
    MeanOfFirstTwo(m);
    if (phases)
    {
        std::vector<double> p = Values(*phases);
        MeanOfFirstTwo(p);
        phases->Share(Column(p));
    }
    frequencies.Share(Column(f));
    magnitudes.Share(Column(m));
    return true;
}

template <typename Keep> bool RemovePoints(mwMatrix& x, mwMatrix& y, Keep keep)
{
    if (!IsRealColumn(x) || !IsRealColumn(y) || x.Size(1) != y.Size(1))
        return false;
    const std::vector<double> xs = Values(x);
    const std::vector<double> ys = Values(y);
    std::vector<double> keptX, keptY;
    for (std::size_t i = 0; i < xs.size(); ++i)
        if (keep(xs[i]))
        {
            keptX.push_back(xs[i]);
            keptY.push_back(ys[i]);
        }
    x.Share(Column(keptX));
    y.Share(Column(keptY));
    return true;
}
} // namespace

std::vector<double> Values(const mwMatrix& m, std::vector<double>* imag)
{
    const std::size_t n = std::size_t(std::max(m.NumberOfElements(), 0));
    std::vector<double> real(n, 0.0);
    if (imag)
        imag->assign(n, 0.0);
    if (n > 0)
    {
        if (imag)
            m.CopyComplexTo(real.data(), imag->data());
        else
            m.CopyRealTo(real.data());
    }
    return real;
}

bool ReplaceNonPositiveValues(mwMatrix& vector)
{
    if (!IsRealColumn(vector))
    {
        MORVANE_CHECK_FAILED();
        return false;
    }
    std::vector<double> v = Values(vector);
    if (!ReplaceNonPositiveValues(std::span<double>(v)))
        return false;
    vector.Share(Column(v));
    return true;
}

double RepairedFirstFrequency(double first, double second)
{
    if (first > 0.0 || second <= 0.0)
        return first;
    return std::pow(10.0, std::log10(second) / 2.0);
}

bool PowConvertColumn(mwMatrix& frequencies, mwMatrix& magnitudes)
{
    return PowConvert(frequencies, magnitudes, nullptr);
}

bool PowConvertColumns(mwMatrix& frequencies, mwMatrix& magnitudes, mwMatrix& phases)
{
    return PowConvert(frequencies, magnitudes, &phases);
}

bool RemovePointsBelow(double threshold, mwMatrix& x, mwMatrix& y)
{
    return RemovePoints(x, y, [threshold](double v) { return v >= threshold; });
}

bool RemovePointsAtOrBelow(double threshold, mwMatrix& x, mwMatrix& y)
{
    return RemovePoints(x, y, [threshold](double v) { return v > threshold; });
}

mwMatrix ComplexMagnitudes(mwMatrix mwComplex)
{
    const mxArray* a = mwComplex.GetData();
    if (!MORVANE_CHECK(a && mxIsDouble(a)))
        return empty();
    if (!mxIsComplex(a))
        ReportAssertion("iscomplex(mwComplex)", __FILE__, __LINE__);
    const std::size_t n = std::size_t(mwComplex.NumberOfElements());
    std::vector<double> re(n), im(n, 0.0);
    if (n > 0)
        mwComplex.CopyComplexTo(re.data(), im.data());
    std::vector<double> magnitudes(n);
    for (std::size_t i = 0; i < n; ++i)
        magnitudes[i] = ComplexMagnitude(re[i], im[i]);
    return MakeMatrix(n ? 1 : 0, int(n), magnitudes);
}

mwMatrix LinearToDb(const mwMatrix& values)
{
    const mxArray* a = values.GetData();
    if (!MORVANE_CHECK(a && mxIsDouble(a)))
        return empty();
    std::vector<double> v = Values(values);
    for (double& x : v)
        x = 20.0 * std::log10(x);
    return MakeMatrix(values.Size(1), values.Size(2), v);
}

bool CurveValuesToMatrix(const CCurve* pCurve, mwMatrix* pResult)
{
    if (!MORVANE_CHECK(pCurve && pResult))
        return false;
    std::vector<double> y(std::size_t(pCurve->GetTotalPoints()));
    for (std::size_t i = 0; i < y.size(); ++i)
        y[i] = pCurve->m_pDblPt[long(i)].y;
    pResult->Share(Column(y));
    return true;
}
