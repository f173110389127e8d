#include "numerics/MatrixValues.h"

#include "numerics/engine/NumericsError.h"
#include "runtime/handlers.h"

namespace numerics
{
namespace
{
mwLibraryInit s_libraryInit;

const mxArray* NumericArray(const mwMatrix& m)
{
    const mxArray* a = m.GetData();
    if (!a)
        throw CNumericsError("Null matrix data.");
    mclErrorIfUnassigned(a);
    if (mxGetClassID(a) != mxDOUBLE_CLASS)
        throw CNumericsError("The numerical functions take numeric arrays only.");
    return a;
}
} // namespace

CShape ShapeOf(const mwMatrix& m)
{
    return {m.Size(1), m.Size(2)};
}

std::span<const double> RealValues(const mwMatrix& m)
{
    const mxArray* a = NumericArray(m);
    const double* re = mclGetPr(a);
    const std::size_t count = std::size_t(mxGetNumberOfElements(a));
    return re ? std::span<const double>(re, count) : std::span<const double>();
}

std::vector<Complex> ComplexValues(const mwMatrix& m)
{
    const mxArray* a = NumericArray(m);
    const std::size_t count = std::size_t(mxGetNumberOfElements(a));
    const double* re = mclGetPr(a);
    const double* im = mclGetPi(a);
    std::vector<Complex> values(count);
    for (std::size_t i = 0; i < count; ++i)
        values[i] = Complex(re ? re[i] : 0.0, im ? im[i] : 0.0);
    return values;
}

double Scalar(const mwMatrix& m)
{
    NumericArray(m);
    return double(m);
}

mwMatrix RealMatrix(CShape shape, std::span<const double> values)
{
    return mwMatrix(shape.rows, shape.cols, const_cast<double*>(values.data()), nullptr, 1);
}

mwMatrix ComplexMatrix(CShape shape, std::span<const Complex> values)
{
    std::vector<double> re(values.size());
    std::vector<double> im(values.size());
    for (std::size_t i = 0; i < values.size(); ++i)
    {
        re[i] = values[i].real();
        im[i] = values[i].imag();
    }
    return mwMatrix(shape.rows, shape.cols, re.data(), im.data(), 1);
}

mwMatrix RealRow(std::span<const double> values)
{
    return RealMatrix({1, int(values.size())}, values);
}
} // namespace numerics
