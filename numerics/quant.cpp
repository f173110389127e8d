#include "numerics/quant.h"

#include "numerics/MatrixValues.h"
#include "numerics/engine/Resample.h"

namespace
{
mwLibraryInit s_libraryInit;
}

void CQuantForm::Statements(numerics::CFrame<CQuantForm>& f)
{
    using namespace numerics;
    const std::vector<double> y = Quant(RealValues(f.In(1)), Scalar(f.In(2)), Scalar(f.In(3)));
    f.Out(1) = RealMatrix(ShapeOf(f.In(1)), y);
}
