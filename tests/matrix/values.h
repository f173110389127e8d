// Small builders and probes shared by the matrix layer tests.
#pragma once

#include "matrix/matrix.h"

#include <string>
#include <vector>

namespace matrix_values
{
// A rows-by-cols real matrix from column-major values.
inline mwMatrix matrixOf(int rows, int cols, std::vector<double> values)
{
    values.resize(static_cast<std::size_t>(rows) * cols);
    return mwMatrix(rows, cols, values.data(), nullptr, 1);
}

inline mwMatrix rowOf(std::vector<double> values)
{
    return matrixOf(1, static_cast<int>(values.size()), values);
}

// A comma list of the given values, as a cell subscript yields it.
inline mwMatrix commaListOf(std::vector<double> values)
{
    mxArray* list = mclCreateCellMatrix(1, static_cast<int>(values.size()));
    for (std::size_t i = 0; i < values.size(); ++i)
        mclSetCell(list, static_cast<int>(i), mlfScalar(values[i]));
    mclSetCommaList(list, true);
    return mwMatrix(list, 1);
}

inline std::vector<double> realsOf(const mwMatrix& m)
{
    const double* p = mclGetPr(m.GetData());
    return p ? std::vector<double>(p, p + m.NumberOfElements()) : std::vector<double>();
}

inline std::vector<int> dimsOf(const mwMatrix& m)
{
    const int* d = mxGetDimensions(m.GetData());
    return std::vector<int>(d, d + mxGetNumberOfDimensions(m.GetData()));
}

// The message of the exception of class E that f throws; empty when it throws none.
template <class E, class F> std::string messageOf(F f)
{
    try
    {
        f();
    }
    catch (const E& e)
    {
        return e.Message() ? e.Message() : "";
    }
    return {};
}
} // namespace matrix_values
