#include "numerics/logsamp.h"

#include "numerics/DesignerValues.h"
#include "numerics/engine/Resample.h"

namespace
{
mwLibraryInit s_libraryInit;
}

void CLogsampForm::Statements(numerics::CFrame<CLogsampForm>& f)
{
    using namespace numerics;
    const CLogSample r = Logsamp(ComplexValues(f.In(1)), RealValues(f.In(2)), Scalar(f.In(3)));
    const int count = int(r.freq.size());
    f.Out(1) = ValuesLike(f.In(1), {count, 1}, r.values);
    f.Out(2) = RealMatrix({count, 1}, r.freq);
}
