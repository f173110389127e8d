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
    const mwMatrix g =
        logspace(mwMatrix(std::log10(start)), mwMatrix(std::log10(freq.back())), f.In(3));
    const mwMatrix v = interp1q(f.In(2), f.In(1), g);
    std::vector<Complex> values = ComplexValues(v);
    RepairNotFinite(values);
    const int count = int(values.size());
    f.Out(1) = ValuesLike(v, {count, 1}, values);
    f.Out(2) = RealMatrix({count, 1}, RealValues(g));
}
