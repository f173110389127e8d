#include "numerics/loginteg82.h"

#include "numerics/MatrixValues.h"
#include "numerics/engine/Loginteg82.h"
#include "numerics/engine/NumericsError.h"

#include <cmath>

namespace
{
mwLibraryInit s_libraryInit;
}

void CLoginteg82Form::Statements(numerics::CFrame<CLoginteg82Form>& f)
{
    using namespace numerics;
    const std::span<const double> freq = RealValues(f.In(2));
    const CShape eShape = ShapeOf(f.In(1));
    const CShape fShape = ShapeOf(f.In(2));
    // The sums of neighbours of e multiply element by element with the steps of f.
    if (freq.size() > 2 && (eShape.rows != fShape.rows || eShape.cols != fShape.cols))
        throw CNumericsError(kDimensionsDisagree);
    std::vector<double> magnitude;
    for (const Complex& v : ComplexValues(f.In(1)))
        magnitude.push_back(std::abs(v));
    f.Out(1) = mwMatrix(Loginteg82(magnitude, freq));
}
