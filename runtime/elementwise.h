// Internal to the run-time: the element-wise mechanism that every two-operand element
// operation goes through (operators.h lists the operations). An operation is one row of
// kernels; scalar expansion, shapes, complex promotion and logical results are handled
// here once.
#pragma once

#include "runtime/mxarray.h"

#include <complex>

namespace mcl
{
struct BinaryOp
{
    const char* name; // the operation's name in error messages
    double (*real)(double, double);
    // Kernel for complex operands; null when the operation is defined for real ones only.
    std::complex<double> (*complex)(std::complex<double>, std::complex<double>) = nullptr;
    // True for real operands whose result is complex (a negative base to a fractional
    // power); such an operation then runs in complex arithmetic throughout.
    bool (*goesComplex)(double, double) = nullptr;
    bool logical = false; // results are logical 0/1 (complex kernels return 0 or 1 then)
    const char* complexError = "Complex operands are not supported.";
};

mxArray* applyBinary(const mxArray* a, const mxArray* b, const BinaryOp& op);

// Counts one operator call (mclOperatorCallCount).
void countOperatorCall();

// The truth of one element; a NaN raises "NaN's cannot be converted to logicals.".
bool truthOf(std::complex<double> z);
} // namespace mcl
