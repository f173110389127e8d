// Internal to the run-time: the one mechanism of element-wise functions of one array, used
// by the library's element functions (elfun.h) and by the operators not and unary minus.
#pragma once

#include "runtime/mxarray.h"

#include <complex>

namespace mcl
{
// One element-wise function. Either toReal is set (the result is real whatever the
// argument: magnitudes, parts, predicates), or real and complex are, with inDomain (when
// set) telling which real arguments keep a real result (sqrt and the logarithms of
// negative numbers are complex).
struct UnaryOp
{
    const char* name;
    double (*real)(double) = nullptr;
    std::complex<double> (*complex)(std::complex<double>) = nullptr;
    bool (*inDomain)(double) = nullptr;
    double (*toReal)(std::complex<double>) = nullptr;
    bool logical = false; // the result is logical (with toReal)
};

// The function of every element, in the argument's shape; characters count as their codes,
// null and uninitialized arrays as the empty matrix, cells are refused. A complex result
// whose imaginary parts are all zero comes back real.
mxArray* applyUnary(const mxArray* a, const UnaryOp& op);
} // namespace mcl
