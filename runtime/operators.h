// The arithmetic, relational and logical operators of the matrix language.
//
// Operands are double (real or complex, logical or not) and char arrays; a char operand
// counts by its character codes. Null and uninitialized operands count as the empty 0-by-0
// matrix. Cell operands are refused. Every function returns a new array that the caller
// owns; a failure does not return (it reports through the error handler, see handlers.h).
//
// Element-wise operations take operands of equal shape, or one 1-by-1 operand that pairs
// with every element of the other (also of an empty one); other shapes raise
// "Matrix dimensions must agree.". Results with a complex operand are computed in complex
// arithmetic and come back real when every imaginary part is zero.
#pragma once

#include "runtime/mxarray.h"

// Element-wise arithmetic (double results; a logical or char operand gives a double).
mxArray* mlfPlus(const mxArray* a, const mxArray* b);
mxArray* mlfMinus(const mxArray* a, const mxArray* b);
mxArray* mlfTimes(const mxArray* a, const mxArray* b);
mxArray* mlfRdivide(const mxArray* a, const mxArray* b); // IEEE: 1/0 is Inf, 0/0 NaN
// a.^b; a negative base with a non-integer exponent gives a complex result.
mxArray* mlfPower(const mxArray* a, const mxArray* b);
// mod(a, b) = a - floor(a./b).*b with the sign of b; mod(a, 0) is a. Real operands only.
mxArray* mlfMod(const mxArray* a, const mxArray* b);
// Least common multiple of positive integers. Real operands only.
mxArray* mlfLcm(const mxArray* a, const mxArray* b);
// The element-wise larger (smaller) of two operands, the two-argument max (min): NaN
// loses against a number; complex elements compare by magnitude, then by angle.
mxArray* mclElementwiseMax(const mxArray* a, const mxArray* b);
mxArray* mclElementwiseMin(const mxArray* a, const mxArray* b);

// Relations give logical arrays. The order relations compare real parts only; equality
// compares both parts.
mxArray* mlfLt(const mxArray* a, const mxArray* b);
mxArray* mlfGt(const mxArray* a, const mxArray* b);
mxArray* mlfLe(const mxArray* a, const mxArray* b);
mxArray* mlfGe(const mxArray* a, const mxArray* b);
mxArray* mlfEq(const mxArray* a, const mxArray* b);
mxArray* mlfNeq(const mxArray* a, const mxArray* b);

// Element-wise logic: an element is true when it is not zero (either part for complex
// elements); a NaN operand raises "NaN's cannot be converted to logicals.".
mxArray* mlfAnd(const mxArray* a, const mxArray* b);
mxArray* mlfOr(const mxArray* a, const mxArray* b);
mxArray* mlfNot(const mxArray* a);

mxArray* mlfUnaryminus(const mxArray* a);

// The truth value of a condition: 1 when the array is not empty and none of its elements
// is zero, else 0. A NaN element raises the NaN error above.
int mlfTobool(const mxArray* a);

// Matrix product. A 1-by-1 operand scales the other; otherwise both must be 2-D and the
// columns of a must equal the rows of b ("Inner matrix dimensions must agree.").
mxArray* mlfMtimes(const mxArray* a, const mxArray* b);
// Right division b/a: the solution x of x*a = b. A 1-by-1 divisor divides element-wise;
// a square divisor is solved by LU with partial pivoting (a singular one warns "Matrix is
// singular to working precision."), any other by least squares through a QR
// factorization. The columns of both must agree ("Matrix dimensions must agree.").
mxArray* mlfMrdivide(const mxArray* b, const mxArray* a);
// Matrix power: scalar^scalar is the ordinary power; a square matrix to an integer power
// (negative powers through the inverse). Other combinations raise an error.
mxArray* mlfMpower(const mxArray* a, const mxArray* p);

// The number of operator calls made so far (every function above counts once per call,
// including calls they make to each other); lets tests prove that a caller answered
// without the run-time.
long mclOperatorCallCount();
