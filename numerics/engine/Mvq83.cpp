#include "numerics/engine/Mvq83.h"

#include "numerics/CheckUserAbort.h"
#include "numerics/engine/Apcoef80.h"
#include "numerics/engine/BandError.h"
#include "numerics/engine/Fndmx83.h"
#include "numerics/engine/Freqz.h"
#include "numerics/engine/NumericsError.h"
#include "numerics/engine/OneParameter.h"
#include "numerics/engine/OptimizerMemory.h"

#include <cmath>
#include <memory>

namespace numerics
{
namespace
{
constexpr int kMaxTuningIterations = 250;
constexpr int kMaxJointIterations = 45;
constexpr double kFirstChangeOffset = 5000.0;

void ApplyRowOnGrid(const CParameterRow& row, double fs, const CFrequencyGrid& grid,
                    std::span<Complex> resp)
{
    const CPeakingSection s = Apcoef80(std::pow(10.0, row[1] / 20.0), row[2], row[3], fs);
    MultiplyBiquadResponse(s.b, s.a, grid, resp);
}

struct CPlacement
{
    CSectionParameters section;
    double err;
};

// Everything of one call that stays the same from placement to placement.
class CMvq83Run
{
public:
    CMvq83Run(const CMvq83Inputs& in, COptimizerBuffers& buffers)
        : m_in(in), m_band(CBand::FromCounts(in.iLow, in.jHigh, in.n)),
          m_grid(CFrequencyGrid::For(in.freq, in.fs)), m_buffers(buffers)
    {
        if (!(in.n >= 0.0))
            throw CNumericsError(kIndexExceeds);
        const std::size_t n = std::size_t(in.n);
        if (in.base.size() != n || in.freq.size() != n)
            throw CNumericsError(kDimensionsDisagree);
        if (m_band.Size() > 0)
        {
            m_fLow = in.freq[std::size_t(m_band.first)];
            m_fHigh = in.freq[std::size_t(m_band.last)];
        }
        const std::size_t end = std::size_t(m_band.first) + m_band.Size();
        if (m_band.Size() > 0 &&
            (in.desired.size() < end || in.upper.size() < end || in.lower.size() < end))
            throw CNumericsError(kIndexExceeds);
    }

    CPlacement PlaceAndTune(std::span<const Complex> resp) const;
    void Apply(const CParameterRow& row, std::span<Complex> resp) const
    {
        ApplyRowOnGrid(row, m_in.fs, *m_grid, resp);
    }

private:
    const CMvq83Inputs& m_in;
    CBand m_band;
    std::shared_ptr<const CFrequencyGrid> m_grid;
    COptimizerBuffers& m_buffers;
    double m_fLow = 0.0;
    double m_fHigh = 0.0;
};

CPlacement CMvq83Run::PlaceAndTune(std::span<const Complex> resp) const
{
    CBandErrorModel& model = m_buffers.model;
    model.Rebuild(*m_grid, resp, m_in.desired, m_in.freq, m_band);
    CheckUserAbort(); // fndmx83
    const CPeakStart start =
        Fndmx83(model.Level(), m_band.Of(m_in.upper), m_band.Of(m_in.lower), m_band.Of(m_in.freq),
                m_band.Of(m_in.desired), m_buffers.peakSearch);
    const double position = start.idx + m_in.iLow;
    if (!(position >= 1.0 && position <= double(m_in.freq.size())))
        throw CNumericsError(kIndexExceeds);
    const std::size_t centre = std::size_t(position);

    CSectionParameters p{start.bw, start.gain, m_in.freq[centre - 1]};
    CheckUserAbort(); // loginteg82
    double err = model.ResponseError();
    double errPrev = err + kFirstChangeOffset;
    int iters = 0;
    CPlacement best{p, err};
    while (std::fabs(err - errPrev) / errPrev > m_in.singleTol && iters < kMaxTuningIterations)
    {
        errPrev = err;
        ++iters;
        for (EVaried varied : {EVaried::Bandwidth, EVaried::Amplitude, EVaried::CentreFrequency})
        {
            if (CancelsOnEntry(varied))
                CheckUserAbort();
            const COneParameterStep step =
                OneParameterStep(varied, model, p, m_in.fs, err, m_fLow, m_fHigh);
            VariedParameter(p, varied) = step.value;
            err = step.err;
            if (err < best.err)
                best = {p, err};
        }
    }
    if (best.err < err)
        return best;
    return {p, err};
}

void SetRow(CParameterMatrix& P, std::size_t row, const CSectionParameters& s)
{
    if (P.size() < row)
        P.resize(row, CParameterRow{});
    P[row - 1] = {1.0, 20.0 * std::log10(1.0 / s.amp), s.bw, s.fc, 0.0, 0.0, 0.0, 0.0};
}

std::size_t RowCount(double k)
{
    if (!(k >= 0.0) || k != std::floor(k) || k > 1e6)
        throw CNumericsError(
            "Subscript indices must either be real positive integers or logicals.");
    return std::size_t(k);
}
} // namespace

void ApplyParameterRow(const CParameterRow& row, double fs, std::span<const double> freq,
                       std::span<Complex> resp)
{
    ApplyRowOnGrid(row, fs, *CFrequencyGrid::For(freq, fs), resp);
}

CMvq83Result Mvq83Body(const CMvq83Inputs& in)
{
    COptimizerBuffersLease lease;
    const CMvq83Run run(in, lease.Buffers());
    CMvq83Result out;
    std::size_t k = RowCount(in.k);
    if (k == 0)
    {
        out.resp.assign(in.base.begin(), in.base.end());
        out.P.assign(1, CParameterRow{});
    }
    else
    {
        if (in.resp.size() != in.base.size())
            throw CNumericsError(kDimensionsDisagree);
        if (!in.P || in.P->size() < k)
            throw CNumericsError(kIndexExceeds);
        out.resp.assign(in.resp.begin(), in.resp.end());
        out.P = *in.P;
    }
    ++k;

    CPlacement placed = run.PlaceAndTune(out.resp);
    SetRow(out.P, k, placed.section);
    run.Apply(out.P[k - 1], out.resp);
    double err = placed.err;
    double errBest = err;
    CParameterMatrix Pbest = out.P;

    if (k > 1)
    {
        std::size_t m = 0;
        int itersJoint = 0;
        double errPrevJoint = 0.0;
        while (std::size_t(itersJoint) < k ||
               (std::fabs(errPrevJoint - err) / errPrevJoint > in.jointTol &&
                itersJoint < kMaxJointIterations))
        {
            errPrevJoint = err;
            ++itersJoint;
            m = m + 1 > k ? 1 : m + 1;
            out.resp.assign(in.base.begin(), in.base.end());
            for (std::size_t i = k; i >= 1; --i)
                if (i != m)
                    run.Apply(out.P[i - 1], out.resp);
            placed = run.PlaceAndTune(out.resp);
            err = placed.err;
            SetRow(out.P, m, placed.section);
            run.Apply(out.P[m - 1], out.resp);
            if (err < errBest)
            {
                errBest = err;
                Pbest = out.P;
            }
        }
    }
    if (err > errBest)
        out.P = Pbest;
    out.k = double(k);
    return out;
}

CMvq83Result Mvq83(const CMvq83Inputs& in)
{
    CheckUserAbort();
    return Mvq83Body(in);
}
} // namespace numerics
