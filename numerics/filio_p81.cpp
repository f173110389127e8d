#include "numerics/filio_p81.h"

#include "numerics/PointFileForms.h"
#include "runtime/handlers.h"

#include <numbers>

namespace
{
mwLibraryInit s_libraryInit;
}

void CFilio_p81Form::Statements(numerics::CFrame<CFilio_p81Form>& f)
{
    using namespace numerics;
    std::vector<double> d;
    try
    {
        d = ReadPoints(f, 3);
    }
    catch (const CPointFileNotOpened&)
    {
        mclPrint("Was the first filename an input file?\n");
        throw;
    }
    std::vector<Complex> response(d.size() / 3);
    for (std::size_t i = 0; i < response.size(); ++i)
    {
        const double rho = Magnitude(d[3 * i + 1]);
        const double theta = (d[3 * i + 2] * std::numbers::pi) / 180.0;
        // pol2cart, then x + y·(0 + 1i) with the run-time's real-times-complex product.
        const double x = rho * std::cos(theta);
        const double y = rho * std::sin(theta);
        response[i] = Complex(x + y * 0.0, y * 1.0);
    }
    f.Out(2) = ComplexMatrix(ShapeOf(f.Out(1)), response);
}
