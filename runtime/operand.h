// Internal to the run-time: numeric views of operands and the making of numeric results,
// shared by the element-wise mechanism, the matrix operations and the indexing engine.
#pragma once

#include "runtime/mxarray.h"

#include <complex>
#include <cstddef>
#include <memory>
#include <vector>

namespace mcl
{
using Complex = std::complex<double>;

// Destroys an array it holds unless released; keeps results safe while an error unwinds.
struct ArrayDeleter
{
    void operator()(mxArray* a) const { mxDestroyArray(a); }
};
using ArrayPtr = std::unique_ptr<mxArray, ArrayDeleter>;

// A double, logical or char array read as doubles. Null and uninitialized arrays read as
// the empty 0-by-0 matrix; cells are refused with the operation's name.
class Operand
{
public:
    Operand(const mxArray* a, const char* operation);

    const std::vector<int>& dims() const { return m_dims; }
    std::size_t count() const { return m_count; }
    bool isScalar() const { return m_count == 1; }
    bool isComplex() const { return m_im != nullptr; }
    bool isLogical() const { return m_logical; }
    double re(std::size_t i) const { return m_re[i]; }
    double im(std::size_t i) const { return m_im ? m_im[i] : 0.0; }
    Complex at(std::size_t i) const { return {re(i), im(i)}; }
    int rows() const { return m_dims[0]; }
    int cols() const; // product of every dimension after the first

private:
    std::vector<int> m_dims;
    std::size_t m_count = 0;
    const double* m_re = nullptr;
    const double* m_im = nullptr;
    bool m_logical = false;
    std::vector<double> m_chars;
};

// A new real or complex double array of the given shape (zero-filled).
mxArray* newDoubleArray(const std::vector<int>& dims, bool complex);

// Frees the imaginary block of a result whose imaginary parts are all zero, as the
// matrix language narrows complex results that came out real.
void dropZeroImaginary(mxArray* a);

// Element count of a shape.
std::size_t countOf(const std::vector<int>& dims);

// The shape of an array as a vector (at least two entries).
std::vector<int> dimsOf(const mxArray* a);

// Class name as the matrix language spells it in its messages.
const char* classNameOf(const mxArray* a);
} // namespace mcl
