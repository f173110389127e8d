// Helpers of the run-time library tests: owned array handles, calls of the argument-array
// convention and a capture of the print handler, over the raising fixture.
#pragma once

#include "raising_fixture.h"
#include "runtime/libsupport.h"
#include "runtime/runtime.h"

#include <gtest/gtest.h>

#include <complex>
#include <memory>
#include <string>
#include <vector>

namespace libtest
{
using RuntimeError = RaisedError;

struct ArrayDeleter
{
    void operator()(mxArray* a) const { mxDestroyArray(a); }
};
using Array = std::unique_ptr<mxArray, ArrayDeleter>;

// Also closes the files a test left open and puts the print handler back.
class Library : public RaisingTest
{
protected:
    void TearDown() override
    {
        mclCloseAllFiles();
        mlfSetPrintHandler(nullptr);
        RaisingTest::TearDown();
    }
};

inline Array scalar(double v)
{
    return Array(mlfScalar(v));
}
inline Array text(const char* s)
{
    return Array(mclCreateString(s));
}

// A rows-by-cols array from column-major values; imaginary parts make it complex.
inline Array matrix(int rows, int cols, const std::vector<double>& re,
                    const std::vector<double>& im = {})
{
    Array a(mclCreateDoubleMatrix(rows, cols, im.empty() ? mxREAL : mxCOMPLEX));
    for (int i = 0; i < rows * cols; ++i)
    {
        mclGetPr(a.get())[i] = re.at(i);
        if (!im.empty())
            mclGetPi(a.get())[i] = im.at(i);
    }
    return a;
}
inline Array row(const std::vector<double>& v)
{
    return matrix(1, static_cast<int>(v.size()), v);
}
inline Array column(const std::vector<double>& v)
{
    return matrix(static_cast<int>(v.size()), 1, v);
}

using Mlx = void (*)(int, mxArray*[], int, mxArray*[]);

// Calls an argument-array function with one wanted output and returns it.
inline Array call(Mlx f, std::vector<mxArray*> in)
{
    mxArray* out[1] = {nullptr};
    f(1, out, static_cast<int>(in.size()), in.data());
    return Array(out[0]);
}

inline std::vector<double> reals(const mxArray* a)
{
    const double* p = mclGetPr(a);
    return std::vector<double>(p, p + mxGetNumberOfElements(a));
}

inline std::vector<int> dims(const mxArray* a)
{
    const int* d = mxGetDimensions(a);
    return std::vector<int>(d, d + mxGetNumberOfDimensions(a));
}

// Everything that reached the print handler since the capture began.
class PrintCapture
{
public:
    PrintCapture()
    {
        text().clear();
        mlfSetPrintHandler([](const char* s) { text() += s; });
    }
    ~PrintCapture() { mlfSetPrintHandler(nullptr); }
    static std::string& text()
    {
        static std::string captured;
        return captured;
    }
};
} // namespace libtest
