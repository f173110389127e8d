// The numerical library functions against values computed by numpy/scipy
// (data/make_golden.py writes data/golden.txt).
#include "library_test.h"

#include <cmath>
#include <fstream>
#include <functional>
#include <map>
#include <sstream>

using namespace libtest;

namespace
{
struct Case
{
    std::string name, function;
    std::vector<Array> in, out;
    std::vector<bool> outComplex;
};

Array parseArray(std::istringstream& line, bool& complex)
{
    int rows = 0, cols = 0;
    std::string kind;
    line >> rows >> cols >> kind;
    complex = kind == "complex";
    std::vector<double> re, im;
    std::string token;
    for (int i = 0; i < rows * cols; ++i)
    {
        line >> token;
        re.push_back(std::strtod(token.c_str(), nullptr));
        if (complex)
        {
            line >> token;
            im.push_back(std::strtod(token.c_str(), nullptr));
        }
    }
    return matrix(rows, cols, re, im);
}

std::vector<Case> loadCases()
{
    std::ifstream file(MORVANE_TEST_DATA_DIR "/golden.txt");
    std::vector<Case> cases;
    std::string text;
    while (std::getline(file, text))
    {
        std::istringstream line(text);
        std::string tag;
        line >> tag;
        bool complex = false;
        if (tag == "case")
        {
            cases.emplace_back();
            line >> cases.back().name >> cases.back().function;
        }
        else if (tag == "in")
            cases.back().in.push_back(parseArray(line, complex));
        else if (tag == "out")
        {
            cases.back().out.push_back(parseArray(line, complex));
            cases.back().outComplex.push_back(complex);
        }
    }
    return cases;
}

using Outputs = std::vector<Array>;
using Function = std::function<Outputs(const std::vector<Array>&)>;

Function mlx(Mlx f)
{
    return [f](const std::vector<Array>& in)
    {
        std::vector<mxArray*> args;
        for (const Array& a : in)
            args.push_back(a.get());
        Outputs out;
        out.push_back(call(f, args));
        return out;
    };
}

Function extreme(bool largest, bool withDim)
{
    return [=](const std::vector<Array>& in)
    {
        mxArray* index = nullptr;
        const mxArray* dim = withDim ? in[1].get() : nullptr;
        Outputs out;
        out.emplace_back(largest ? mclMaxOfArray(&index, in[0].get(), dim)
                                 : mclMinOfArray(&index, in[0].get(), dim));
        out.emplace_back(index);
        return out;
    };
}

Function pol2cart(bool wantY)
{
    return [=](const std::vector<Array>& in)
    {
        mxArray* y = nullptr;
        Array x(mlfPol2cart(&y, nullptr, in[0].get(), in[1].get(), nullptr));
        Outputs out;
        out.emplace_back(wantY ? y : x.release());
        mxDestroyArray(wantY ? x.release() : y);
        return out;
    };
}

const std::map<std::string, Function>& functions()
{
    static const std::map<std::string, Function> table = {
        {"fft", mlx(mlxFft)},
        {"fft_n", mlx(mlxFft)},
        {"conv",
         [](const auto& in)
         {
             Outputs o;
             o.emplace_back(mlfConv(in[0].get(), in[1].get()));
             return o;
         }},
        {"interp1q",
         [](const auto& in)
         {
             Outputs o;
             o.emplace_back(mlfInterp1q(in[0].get(), in[1].get(), in[2].get()));
             return o;
         }},
        {"logspace",
         [](const auto& in)
         {
             Outputs o;
             o.emplace_back(mlfLogspace(in[0].get(), in[1].get(), in[2].get()));
             return o;
         }},
        {"polyval",
         [](const auto& in)
         {
             Outputs o;
             o.emplace_back(mlfNPolyval(1, nullptr, in[0].get(), in[1].get(), nullptr));
             return o;
         }},
        {"unwrap",
         [](const auto& in)
         {
             Outputs o;
             o.emplace_back(mlfUnwrap(in[0].get(), nullptr, nullptr));
             return o;
         }},
        {"unwrap_dim",
         [](const auto& in)
         {
             Outputs o;
             o.emplace_back(mlfUnwrap(in[0].get(), nullptr, in[1].get()));
             return o;
         }},
        {"pol2cart_x", pol2cart(false)},
        {"pol2cart_y", pol2cart(true)},
        {"abs", mlx(mlxAbs)},
        {"angle", mlx(mlxAngle)},
        {"asinh", mlx(mlxAsinh)},
        {"cos", mlx(mlxCos)},
        {"cosh", mlx(mlxCosh)},
        {"exp", mlx(mlxExp)},
        {"log10", mlx(mlxLog10)},
        {"log2", mlx(mlxLog2)},
        {"pow2", mlx(mlxPow2)},
        {"sin", mlx(mlxSin)},
        {"sinh", mlx(mlxSinh)},
        {"sqrt", mlx(mlxSqrt)},
        {"tan", mlx(mlxTan)},
        {"sum", mlx(mlxSum)},
        {"sum_dim", mlx(mlxSum)},
        {"max", extreme(true, false)},
        {"max_dim", extreme(true, true)},
        {"min", extreme(false, false)},
        {"min_dim", extreme(false, true)},
    };
    return table;
}

// Same value up to rounding, NaN matching NaN; the tolerance follows the array's scale.
void expectClose(double expected, double actual, double tolerance, const std::string& where)
{
    if (std::isnan(expected))
        EXPECT_TRUE(std::isnan(actual)) << where << ": expected NaN, got " << actual;
    else if (std::isinf(expected))
        EXPECT_EQ(expected, actual) << where;
    else
        EXPECT_NEAR(expected, actual, tolerance) << where;
}

void expectSameArray(const mxArray* expected, bool complex, const mxArray* actual,
                     const std::string& where)
{
    ASSERT_NE(nullptr, actual) << where;
    EXPECT_EQ(dims(expected), dims(actual)) << where;
    if (!complex)
    {
        EXPECT_FALSE(mxIsComplex(actual)) << where << ": a real result was made complex";
    }
    if (dims(expected) != dims(actual))
        return;
    double scale = 1.0;
    const int n = mxGetNumberOfElements(expected);
    for (int i = 0; i < n; ++i)
    {
        const double im = complex ? mclGetPi(expected)[i] : 0.0;
        if (std::isfinite(mclGetPr(expected)[i]) && std::isfinite(im))
            scale = std::max(scale, std::hypot(mclGetPr(expected)[i], im));
    }
    const double tolerance = 1e-12 * scale;
    for (int i = 0; i < n; ++i)
    {
        const std::string at = where + " element " + std::to_string(i);
        expectClose(mclGetPr(expected)[i], mclGetPr(actual)[i], tolerance, at + " (real)");
        const double im = complex ? mclGetPi(expected)[i] : 0.0;
        const double got = mclGetPi(actual) ? mclGetPi(actual)[i] : 0.0;
        expectClose(im, got, tolerance, at + " (imag)");
    }
}
} // namespace

class Golden : public Library
{
};

TEST_F(Golden, EveryCaseMatchesTheReference)
{
    const std::vector<Case> cases = loadCases();
    ASSERT_GT(cases.size(), 50u) << "golden.txt is missing or truncated";
    for (const Case& c : cases)
    {
        const auto f = functions().find(c.function);
        ASSERT_NE(functions().end(), f) << "no function for case " << c.name;
        const Outputs out = f->second(c.in);
        ASSERT_LE(c.out.size(), out.size()) << c.name;
        for (std::size_t i = 0; i < c.out.size(); ++i)
            expectSameArray(c.out[i].get(), c.outComplex[i], out[i].get(),
                            c.name + " output " + std::to_string(i + 1));
    }
}
