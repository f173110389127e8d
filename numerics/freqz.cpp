#include "numerics/freqz.h"

#include "numerics/MatrixValues.h"
#include "numerics/engine/Freqz.h"

namespace
{
mwLibraryInit s_libraryInit;
}

void CFreqzForm::Statements(numerics::CFrame<CFreqzForm>& f)
{
    using namespace numerics;
    const std::span<const double> n = RealValues(f.In(3));
    const CFreqzResult r = Freqz(RealValues(f.In(1)), RealValues(f.In(2)), n, Scalar(f.In(4)));
    // A point count gives columns; a list keeps its own shape.
    const CShape shape = n.size() == 1 ? CShape{int(r.h.size()), 1} : ShapeOf(f.In(3));
    f.Out(1) = ComplexMatrix(shape, r.h);
    if (f.nargout != 1)
        f.Out(2) = RealMatrix(shape, r.f);
}

mwMatrix freqzNargout(int nargout, mwMatrix* w, mwMatrix b, mwMatrix a, mwMatrix n, mwMatrix Fs)
{
    return numerics::RunNormal<CFreqzForm>({w}, {b, a, n, Fs}, nargout);
}

void freqzVoid(mwMatrix b, mwMatrix a, mwMatrix n, mwMatrix Fs)
{
    mwMatrix first(mwUnassigned);
    mwMatrix second(mwUnassigned);
    first.Assign(numerics::RunBody<CFreqzForm>({&second}, 0, {b, a, n, Fs}));
}
