#include "numerics/logsamp.h"

#include "numerics/DesignerValues.h"
#include "numerics/engine/Resample.h"

#include <cmath>

namespace
{
mwLibraryInit s_libraryInit;
}

void CLogsampForm::Statements(numerics::CFrame<CLogsampForm>& f)
{
    using namespace numerics;
    const std::span<const double> freq = RealValues(f.In(2));
    const double start = LogGridStart(freq);
    std::vector<double> grid;
    {
        const mwMatrix spaced =
            logspace(mwMatrix(std::log10(start)), mwMatrix(std::log10(freq.back())), f.In(3));
        const std::span<const double> values = RealValues(spaced);
        grid.assign(values.begin(), values.end());
    }
    // The power of the logarithm can miss the measured range's ends by a rounding error;
    // the ends are the measured frequencies themselves, so they take the measured values.
    if (!grid.empty())
    {
        grid.front() = start;
        grid.back() = freq.back();
    }
    const int count = int(grid.size());
    const mwMatrix g = RealMatrix({count, 1}, grid);
    grid = {};
    const mwMatrix v = interp1q(f.In(2), f.In(1), g);
    std::vector<Complex> values = ComplexValues(v);
    RepairNotFinite(values);
    f.Out(1) = ValuesLike(v, {count, 1}, values);
    f.Out(2) = g;
}
