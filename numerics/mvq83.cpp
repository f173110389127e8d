#include "numerics/mvq83.h"

#include "numerics/MatrixValues.h"
#include "numerics/engine/Mvq83.h"
#include "numerics/engine/NumericsError.h"

namespace
{
mwLibraryInit s_libraryInit;

using numerics::CParameterMatrix;
using numerics::CParameterRow;

constexpr int kColumns = int(std::tuple_size_v<CParameterRow>);

CParameterMatrix Rows(const mwMatrix& P)
{
    const numerics::CShape shape = numerics::ShapeOf(P);
    const std::span<const double> values = numerics::RealValues(P);
    CParameterMatrix rows;
    if (values.empty())
        return rows;
    if (shape.cols != kColumns)
        throw numerics::CNumericsError("Subscripted assignment dimension mismatch.");
    rows.resize(std::size_t(shape.rows));
    for (std::size_t r = 0; r < rows.size(); ++r)
        for (std::size_t c = 0; c < std::size_t(kColumns); ++c)
            rows[r][c] = values[c * rows.size() + r];
    return rows;
}

mwMatrix Matrix(const CParameterMatrix& rows)
{
    std::vector<double> values(rows.size() * std::size_t(kColumns));
    for (std::size_t r = 0; r < rows.size(); ++r)
        for (std::size_t c = 0; c < std::size_t(kColumns); ++c)
            values[c * rows.size() + r] = rows[r][c];
    return numerics::RealMatrix({int(rows.size()), kColumns}, values);
}
} // namespace

void CMvq83Form::Statements(numerics::CFrame<CMvq83Form>& f)
{
    using namespace numerics;
    // The outputs bear the names of inputs 6, 7 and 12.
    f.Out(1).AssignOutput(f.In(6));
    f.Out(2).AssignOutput(f.In(7));
    f.Out(3).AssignOutput(f.In(12));

    CMvq83Inputs in;
    in.fs = Scalar(f.In(1));
    in.iLow = Scalar(f.In(2));
    in.jHigh = Scalar(f.In(3));
    in.freq = RealValues(f.In(4));
    const std::vector<Complex> base = ComplexValues(f.In(5));
    in.base = base;
    in.k = Scalar(f.In(7));
    in.n = Scalar(f.In(8));
    in.desired = RealValues(f.In(9));
    in.upper = RealValues(f.In(10));
    in.lower = RealValues(f.In(11));
    in.singleTol = Scalar(f.In(13));
    in.jointTol = Scalar(f.In(14));
    // Without filters the passed P and resp are not used (and need not be defined).
    CParameterMatrix P;
    std::vector<Complex> resp;
    if (in.k != 0.0)
    {
        P = Rows(f.In(6));
        resp = ComplexValues(f.In(12));
    }
    in.P = &P;
    in.resp = resp;

    const CMvq83Result out = Mvq83Body(in);
    f.Out(1) = Matrix(out.P);
    f.Out(2) = mwMatrix(out.k);
    f.Out(3) = ComplexMatrix({int(out.resp.size()), 1}, out.resp);
}
