#include "numerics/filio81.h"

#include "numerics/PointFileForms.h"

namespace
{
mwLibraryInit s_libraryInit;
}

void CFilio81Form::Statements(numerics::CFrame<CFilio81Form>& f)
{
    using namespace numerics;
    const std::vector<double> d = ReadPoints(f, 2);
    std::vector<double> magnitude(d.size() / 2);
    for (std::size_t i = 0; i < magnitude.size(); ++i)
        magnitude[i] = Magnitude(d[2 * i + 1]);
    f.Out(2) = RealMatrix(ShapeOf(f.Out(1)), magnitude);
}
