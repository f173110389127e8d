// Shared by the run-time tests of arithmetic and indexing: the raising fixture with the
// warnings kept, and small array builders.
#pragma once

#include "raising_fixture.h"
#include "runtime/runtime.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace testing_runtime
{
using RuntimeError = RaisedError;

inline std::vector<std::string>& warnings()
{
    static std::vector<std::string> list;
    return list;
}

// Raises as the shared fixture does and keeps the warnings.
inline void recordingHandler(const char* text, int isError)
{
    if (isError)
        throw RaisedError(text);
    warnings().push_back(text);
}

class RuntimeTest : public RaisingTest
{
protected:
    void SetUp() override
    {
        RaisingTest::SetUp();
        mclSetCppErrorHandler(recordingHandler);
        warnings().clear();
    }
};

struct Destroy
{
    void operator()(mxArray* a) const { mxDestroyArray(a); }
};
using Array = std::unique_ptr<mxArray, Destroy>;

// Destroys the result of a call made only for its error.
inline void discard(mxArray* a)
{
    mxDestroyArray(a);
}

// A real double array of the given shape from column-major values.
inline Array matrix(std::vector<int> dims, std::vector<double> values)
{
    Array a(
        mclCreateNumericArray(static_cast<int>(dims.size()), dims.data(), mxDOUBLE_CLASS, mxREAL));
    for (std::size_t i = 0; i < values.size(); ++i)
        mclGetPr(a.get())[i] = values[i];
    return a;
}

inline Array row(std::vector<double> values)
{
    return matrix({1, static_cast<int>(values.size())}, values);
}

inline Array scalar(double v)
{
    return Array(mlfScalar(v));
}

inline Array logicalRow(std::vector<double> values)
{
    Array a = row(values);
    mclSetLogical(a.get(), true);
    return a;
}

inline std::vector<double> realsOf(const mxArray* a)
{
    const double* p = mclGetPr(a);
    return std::vector<double>(p, p + mxGetNumberOfElements(a));
}

inline std::vector<double> imagsOf(const mxArray* a)
{
    const double* p = mclGetPi(a);
    return p ? std::vector<double>(p, p + mxGetNumberOfElements(a)) : std::vector<double>();
}

inline std::vector<int> dimsOf(const mxArray* a)
{
    const int* d = mxGetDimensions(a);
    return std::vector<int>(d, d + mxGetNumberOfDimensions(a));
}

// The text of the run-time error that f raises; empty when it raises none.
template <class F> std::string errorOf(F f)
{
    try
    {
        f();
    }
    catch (const RuntimeError& e)
    {
        return e.what();
    }
    return {};
}
} // namespace testing_runtime
