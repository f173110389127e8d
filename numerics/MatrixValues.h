// Matrix values to the engine's vectors and back.
//
// Reading never copies real data: a real part is a view on the matrix's own block, valid
// while the matrix lives and is not changed. Complex values are gathered into one vector.
// A value that is not a numeric array (an undefined one included) raises the matrix
// layer's error.
#pragma once

#include "matrix/matrix.h"
#include "numerics/engine/Complex.h"

#include <span>
#include <vector>

namespace numerics
{
struct CShape
{
    int rows;
    int cols;
};

CShape ShapeOf(const mwMatrix& m);
// The real parts of all elements in column-major order.
std::span<const double> RealValues(const mwMatrix& m);
// All elements as complex numbers (imaginary parts 0 for a real matrix).
std::vector<Complex> ComplexValues(const mwMatrix& m);
// The value of a 1-by-1 matrix.
double Scalar(const mwMatrix& m);

mwMatrix RealMatrix(CShape shape, std::span<const double> values);
mwMatrix ComplexMatrix(CShape shape, std::span<const Complex> values);
mwMatrix RealRow(std::span<const double> values);
} // namespace numerics
