#include "numerics/smooth.h"

#include "numerics/DesignerValues.h"
#include "numerics/engine/NumericsError.h"

namespace
{
mwLibraryInit s_libraryInit;

const double kKernel[] = {0.25, 0.5, 0.25};
} // namespace

void CSmoothForm::Statements(numerics::CFrame<CSmoothForm>& f)
{
    using namespace numerics;
    const std::vector<Complex> x = ComplexValues(f.In(1));
    if (x.empty())
        throw CNumericsError(kIndexExceeds);
    const CShape shape = ShapeOf(f.In(1));
    // The end values are joined on: below a column, beside anything else.
    const bool column = shape.rows > shape.cols;
    if (column && shape.cols != 1)
        throw CNumericsError("All rows in the bracketed expression must have the same number of "
                             "columns.");
    if (!column && shape.rows > 1)
        throw CNumericsError("All columns in the bracketed expression must have the same number "
                             "of rows.");
    std::vector<Complex> extended;
    extended.reserve(x.size() + 2);
    extended.push_back(x.front());
    extended.insert(extended.end(), x.begin(), x.end());
    extended.push_back(x.back());
    const int n = int(extended.size());
    const mwMatrix y =
        conv(RealRow(kKernel), ValuesLike(f.In(1), column ? CShape{n, 1} : CShape{1, n}, extended));
    // Elements 3 to n + 2 of the convolution.
    const std::vector<Complex> all = ComplexValues(y);
    f.Out(1) = ValuesLike(y, shape, std::span<const Complex>(all).subspan(2, x.size()));
}
