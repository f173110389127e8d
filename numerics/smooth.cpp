#include "numerics/smooth.h"

#include "numerics/DesignerValues.h"
#include "numerics/engine/NumericsError.h"
#include "numerics/engine/Resample.h"

namespace
{
mwLibraryInit s_libraryInit;
}

void CSmoothForm::Statements(numerics::CFrame<CSmoothForm>& f)
{
    using namespace numerics;
    const std::vector<Complex> x = ComplexValues(f.In(1));
    if (x.empty())
        throw CNumericsError(kIndexExceeds);
    const CShape shape = ShapeOf(f.In(1));
    // The end values are joined on: below a column, beside anything else.
    if (shape.rows > shape.cols && shape.cols != 1)
        throw CNumericsError("All rows in the bracketed expression must have the same number of "
                             "columns.");
    if (shape.rows <= shape.cols && shape.rows > 1)
        throw CNumericsError("All columns in the bracketed expression must have the same number "
                             "of rows.");
    f.Out(1) = ValuesLike(f.In(1), shape, Smooth(x));
}
