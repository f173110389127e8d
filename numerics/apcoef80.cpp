#include "numerics/apcoef80.h"

#include "numerics/MatrixValues.h"
#include "numerics/engine/Apcoef80.h"

namespace
{
mwLibraryInit s_libraryInit;
}

void CApcoef80Form::Statements(numerics::CFrame<CApcoef80Form>& f)
{
    using namespace numerics;
    // Output 2 bears the name of input 1 (V0) and holds it until the denominator replaces it.
    f.Out(2).AssignOutput(f.In(1));
    const CPeakingSection s =
        Apcoef80(Scalar(f.Out(2)), Scalar(f.In(2)), Scalar(f.In(3)), Scalar(f.In(4)));
    f.Out(1) = RealRow(s.b);
    f.Out(2) = RealRow(s.a);
    f.Out(3) = mwMatrix(s.d);
    f.Out(4) = mwMatrix(s.minusK);
    f.Out(5) = mwMatrix(s.H0);
}
