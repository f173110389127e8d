#include "numerics/fndmx83.h"

#include "numerics/MatrixValues.h"
#include "numerics/engine/Fndmx83.h"

namespace
{
mwLibraryInit s_libraryInit;
}

void CFndmx83Form::Statements(numerics::CFrame<CFndmx83Form>& f)
{
    using namespace numerics;
    const CPeakStart s = Fndmx83(RealValues(f.In(1)), RealValues(f.In(2)), RealValues(f.In(3)),
                                 RealValues(f.In(4)), RealValues(f.In(5)));
    f.Out(1) = mwMatrix(s.bw);
    f.Out(2) = mwMatrix(s.gain);
    f.Out(3) = mwMatrix(s.idx);
}
