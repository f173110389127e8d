// Test helpers of the numerical functions: values out of matrices, the response of a
// section evaluated directly from its rows, errors as texts and feval calls.
#pragma once

#include "matrix/matrix.h"
#include "numerics/MatrixValues.h"

#include <cmath>
#include <complex>
#include <numbers>
#include <string>
#include <vector>

namespace response
{
inline std::vector<double> Row(const mwMatrix& m)
{
    const auto v = numerics::RealValues(m);
    return {v.begin(), v.end()};
}

// H(e^jω) = Σ b_k z^−k / Σ a_k z^−k at f Hz.
inline std::complex<double> At(const std::vector<double>& b, const std::vector<double>& a, double f,
                               double fs)
{
    const std::complex<double> zInv = std::polar(1.0, -2.0 * std::numbers::pi * f / fs);
    std::complex<double> num = 0.0, den = 0.0, power = 1.0;
    for (std::size_t k = 0; k < std::max(b.size(), a.size()); ++k, power *= zInv)
    {
        num += (k < b.size() ? b[k] : 0.0) * power;
        den += (k < a.size() ? a[k] : 0.0) * power;
    }
    return num / den;
}

inline double Decibels(const std::vector<double>& b, const std::vector<double>& a, double f,
                       double fs)
{
    return 20.0 * std::log10(std::abs(At(b, a, f, fs)));
}

// The text of the matrix-layer error that call raises, or "(no error)".
template <typename Call> std::string ErrorOf(Call call)
{
    try
    {
        call();
    }
    catch (const mwException& e)
    {
        return e.Message() ? e.Message() : "";
    }
    return "(no error)";
}

// A feval call: the inputs, and the outputs that the call hands out (freed at the end).
struct CFeval
{
    std::vector<mwMatrix> in;
    mxArray* plhs[8] = {};

    ~CFeval()
    {
        for (mxArray* a : plhs)
            mxDestroyArray(a);
    }
    template <typename F> void Call(F f, int nlhs)
    {
        std::vector<mxArray*> prhs;
        for (const mwMatrix& m : in)
            prhs.push_back(m.GetData());
        f(nlhs, plhs, int(prhs.size()), prhs.data());
    }
};
} // namespace response
