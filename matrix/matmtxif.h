// Operators on matrix values. Each hands the operands' arrays to one run-time function and
// returns a new value owning the array that comes back; no element data is copied here.
// The comparisons answer by identity, without calling the run-time, when an operand is one
// of the marker arrays of mwNotSupplied and mwUninitialized: ==, >= and <= give 1 for one
// and the same array and 0 otherwise; !=, > and < the opposite.
//
// Mixed forms take an indexed part (read first), a double or an int (made a 1-by-1 matrix)
// in place of either operand, keep the operand order and apply the matrix form.
#pragma once

#include "matrix/dblmtrx.h"
#include "matrix/nsubarry.h"

#include <concepts>

mwMatrix operator*(const mwMatrix& a, const mwMatrix& b);  // matrix product (mlfMtimes)
mwMatrix operator+(const mwMatrix& a, const mwMatrix& b);  // mlfPlus
mwMatrix operator-(const mwMatrix& a, const mwMatrix& b);  // mlfMinus
mwMatrix operator/(const mwMatrix& a, const mwMatrix& b);  // right division (mlfMrdivide)
mwMatrix operator^(const mwMatrix& a, const mwMatrix& b);  // matrix power (mlfMpower)
mwMatrix operator|(const mwMatrix& a, const mwMatrix& b);  // element-wise or (mlfOr)
mwMatrix operator&(const mwMatrix& a, const mwMatrix& b);  // element-wise and (mlfAnd)
mwMatrix operator>(const mwMatrix& a, const mwMatrix& b);  // mlfGt
mwMatrix operator<(const mwMatrix& a, const mwMatrix& b);  // mlfLt
mwMatrix operator>=(const mwMatrix& a, const mwMatrix& b); // mlfGe
mwMatrix operator<=(const mwMatrix& a, const mwMatrix& b); // mlfLe
mwMatrix operator==(const mwMatrix& a, const mwMatrix& b); // mlfEq
mwMatrix operator!=(const mwMatrix& a, const mwMatrix& b); // mlfNeq
mwMatrix operator-(const mwMatrix& a);                     // negation (mlfUnaryminus)
mwMatrix operator!(const mwMatrix& a);                     // logical not (mlfNot)
mwMatrix operator-(const mwSubMatrix& a);
mwMatrix operator!(const mwSubMatrix& a);

// The operand types of the mixed forms: at least one side is a matrix value or an indexed
// part, and not both are matrix values (that is the matrix form).
template <class T>
concept mwOperand = std::same_as<T, mwMatrix> || std::same_as<T, mwSubMatrix> ||
    std::same_as<T, double> || std::same_as<T, int>;
template <class L, class R>
concept mwMixedOperands = mwOperand<L> && mwOperand<R> &&
    !(std::same_as<L, mwMatrix> &&
      std::same_as<R, mwMatrix>)&&(std::same_as<L, mwMatrix> || std::same_as<L, mwSubMatrix> ||
                                   std::same_as<R, mwMatrix> || std::same_as<R, mwSubMatrix>);

template <class L, class R>
requires mwMixedOperands<L, R> mwMatrix operator*(const L& a, const R& b)
{
    return mwAsMatrix(a) * mwAsMatrix(b);
}
template <class L, class R>
requires mwMixedOperands<L, R> mwMatrix operator+(const L& a, const R& b)
{
    return mwAsMatrix(a) + mwAsMatrix(b);
}
template <class L, class R>
requires mwMixedOperands<L, R> mwMatrix operator-(const L& a, const R& b)
{
    return mwAsMatrix(a) - mwAsMatrix(b);
}
template <class L, class R>
requires mwMixedOperands<L, R> mwMatrix operator/(const L& a, const R& b)
{
    return mwAsMatrix(a) / mwAsMatrix(b);
}
template <class L, class R>
requires mwMixedOperands<L, R> mwMatrix operator^(const L& a, const R& b)
{
    return mwAsMatrix(a) ^ mwAsMatrix(b);
}
template <class L, class R>
requires mwMixedOperands<L, R> mwMatrix operator>(const L& a, const R& b)
{
    return mwAsMatrix(a) > mwAsMatrix(b);
}
template <class L, class R>
requires mwMixedOperands<L, R> mwMatrix operator<(const L& a, const R& b)
{
    return mwAsMatrix(a) < mwAsMatrix(b);
}
template <class L, class R>
requires mwMixedOperands<L, R> mwMatrix operator>=(const L& a, const R& b)
{
    return mwAsMatrix(a) >= mwAsMatrix(b);
}
template <class L, class R>
requires mwMixedOperands<L, R> mwMatrix operator<=(const L& a, const R& b)
{
    return mwAsMatrix(a) <= mwAsMatrix(b);
}
template <class L, class R>
requires mwMixedOperands<L, R> mwMatrix operator==(const L& a, const R& b)
{
    return mwAsMatrix(a) == mwAsMatrix(b);
}
template <class L, class R>
requires mwMixedOperands<L, R> mwMatrix operator!=(const L& a, const R& b)
{
    return mwAsMatrix(a) != mwAsMatrix(b);
}

// log10 of a matrix whose logarithm must be real: throws mwRangeError "reallog10() with
// complex result." when any element of log10(x) has an imaginary part (a negative or
// complex element); an empty x gives the empty result.
mwMatrix reallog10(const mwMatrix& x);
