#include "numerics/engine/BandError.h"

#include "numerics/engine/Loginteg82.h"
#include "numerics/engine/NumericsError.h"

#include <cmath>
#include <numbers>

namespace numerics
{
namespace
{
std::ptrdiff_t WholeNumber(double v)
{
    if (!(std::fabs(v) < 1e15) || v != std::floor(v))
        throw CNumericsError(
            "Subscript indices must either be real positive integers or logicals.");
    return std::ptrdiff_t(v);
}

// 10/ln(10): 10·log10(x) as a multiple of the natural logarithm, which is the cheaper one.
constexpr double kTenOverLn10 = 10.0 / std::numbers::ln10;

thread_local unsigned long long t_evaluations = 0;
} // namespace

unsigned long long TrialEvaluationCount()
{
    return t_evaluations;
}

CBand CBand::FromCounts(double iLow, double jHigh, double n)
{
    const std::ptrdiff_t first1 = WholeNumber(iLow) + 1;
    const std::ptrdiff_t last1 = WholeNumber(n) - WholeNumber(jHigh) + 1;
    CBand band{first1 - 1, last1 - 1};
    if (band.Size() > 0 && (first1 < 1 || last1 > WholeNumber(n)))
        throw CNumericsError(kIndexExceeds);
    return band;
}

CBandErrorModel::CBandErrorModel(const CFrequencyGrid& grid, std::span<const Complex> resp,
                                 std::span<const double> desired, std::span<const double> freq,
                                 CBand band)
{
    Rebuild(grid, resp, desired, freq, band);
}

void CBandErrorModel::Rebuild(const CFrequencyGrid& grid, std::span<const Complex> resp,
                              std::span<const double> desired, std::span<const double> freq,
                              CBand band)
{
    const std::size_t size = band.Size();
    const std::size_t end = std::size_t(band.first) + size;
    if (size > 0 &&
        (end > resp.size() || end > desired.size() || end > freq.size() || end > grid.Size()))
        throw CNumericsError(kIndexExceeds);
    const auto re = band.Of(grid.Re());
    const auto im = band.Of(grid.Im());
    m_zRe.assign(re.begin(), re.end());
    m_zIm.assign(im.begin(), im.end());
    m_level.resize(size);
    m_deviation.resize(size);
    m_work.resize(size);
    const auto r = band.Of(resp);
    const auto d = band.Of(desired);
    for (std::size_t i = 0; i < size; ++i)
    {
        m_level[i] = 20.0 * std::log10(std::abs(r[i]));
        m_deviation[i] = m_level[i] - d[i];
    }
    m_dlf.clear();
    if (size > 0)
    {
        LogFrequencies(band.Of(freq), m_lf);
        m_dlf.resize(size);
        for (std::size_t i = 0; i + 1 < size; ++i)
            m_dlf[i] = m_lf[i + 1] - m_lf[i];
    }
}

double CBandErrorModel::ResponseError() const
{
    if (m_deviation.empty())
        throw CNumericsError(kIndexExceeds);
    for (std::size_t i = 0; i < m_deviation.size(); ++i)
        m_work[i] = std::fabs(m_deviation[i]);
    return TrapezoidSum(m_work.data(), m_dlf.data(), m_work.size());
}

double CBandErrorModel::SectionError(const double (&b)[3], const double (&a)[3]) const
{
    const std::size_t size = m_deviation.size();
    if (size == 0)
        throw CNumericsError(kIndexExceeds);
    ++t_evaluations;
    const double* zr = m_zRe.data();
    const double* zi = m_zIm.data();
    double* work = m_work.data();
    for (std::size_t i = 0; i < size; ++i)
    {
        const CBiquadPoint p = BiquadAt(b, a, zr[i], zi[i]);
        work[i] = (p.nr * p.nr + p.ni * p.ni) / (p.dr * p.dr + p.di * p.di);
    }
    const double* deviation = m_deviation.data();
    for (std::size_t i = 0; i < size; ++i)
        work[i] = std::fabs(deviation[i] + kTenOverLn10 * std::log(work[i]));
    return TrapezoidSum(work, m_dlf.data(), size);
}
} // namespace numerics
