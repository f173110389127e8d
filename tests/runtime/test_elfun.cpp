// Element-wise functions of one array: special values, classes, shapes and argument checks.
#include "library_test.h"

#include <cmath>
#include <limits>

using namespace libtest;

namespace
{
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

struct RealCase
{
    const char* name;
    Mlx f;
    std::vector<double> in, out;
    bool logical = false;
};

class ElementWise : public Library
{
};

void expectSame(const std::vector<double>& want, const std::vector<double>& got, const char* name)
{
    ASSERT_EQ(want.size(), got.size()) << name;
    for (std::size_t i = 0; i < want.size(); ++i)
    {
        if (std::isnan(want[i]))
            EXPECT_TRUE(std::isnan(got[i])) << name << " element " << i;
        else
            EXPECT_EQ(want[i], got[i]) << name << " element " << i;
    }
}
} // namespace

TEST_F(ElementWise, RoundingSignAndPredicatesOfRealValues)
{
    const std::vector<double> x = {-2.5, -1.5, -0.4, 0.0, 0.5, 2.5, kInf, kNaN};
    const RealCase cases[] = {
        {"round", mlxRound, x, {-3, -2, -0.0, 0, 1, 3, kInf, kNaN}},
        {"fix", mlxFix, x, {-2, -1, -0.0, 0, 0, 2, kInf, kNaN}},
        {"floor", mlxFloor, x, {-3, -2, -1, 0, 0, 2, kInf, kNaN}},
        {"ceil", mlxCeil, x, {-2, -1, -0.0, 0, 1, 3, kInf, kNaN}},
        {"sign", mlxSign, x, {-1, -1, -1, 0, 1, 1, 1, kNaN}},
        {"isfinite", mlxIsfinite, x, {1, 1, 1, 1, 1, 1, 0, 0}, true},
        {"finite", mlxFinite, x, {1, 1, 1, 1, 1, 1, 0, 0}, true},
        {"isinf", mlxIsinf, x, {0, 0, 0, 0, 0, 0, 1, 0}, true},
        {"isnan", mlxIsnan, x, {0, 0, 0, 0, 0, 0, 0, 1}, true},
        {"real", mlxReal, x, x},
        {"imag", mlxImag, x, {0, 0, 0, 0, 0, 0, 0, 0}},
    };
    for (const RealCase& c : cases)
    {
        Array out = call(c.f, {row(c.in).get()});
        EXPECT_FALSE(mxIsComplex(out.get())) << c.name;
        EXPECT_EQ(std::vector<int>({1, 8}), dims(out.get())) << c.name;
        expectSame(c.out, reals(out.get()), c.name);
        EXPECT_EQ(c.logical, mxIsLogical(out.get())) << c.name;
    }
}

TEST_F(ElementWise, ComplexValuesUseBothParts)
{
    Array z = matrix(1, 4, {1.5, kNaN, 2.0, -3.0}, {-2.5, 0.0, kInf, 4.0});
    expectSame({0, 1, 0, 0}, reals(call(mlxIsnan, {z.get()}).get()), "isnan");
    expectSame({0, 0, 1, 0}, reals(call(mlxIsinf, {z.get()}).get()), "isinf");
    expectSame({1, 0, 0, 1}, reals(call(mlxIsfinite, {z.get()}).get()), "isfinite");
    expectSame({1.5, kNaN, 2.0, -3.0}, reals(call(mlxReal, {z.get()}).get()), "real");
    expectSame({-2.5, 0.0, kInf, 4.0}, reals(call(mlxImag, {z.get()}).get()), "imag");
    expectSame({std::hypot(1.5, 2.5), kNaN, kInf, 5.0}, reals(call(mlxAbs, {z.get()}).get()),
               "abs");

    Array rounded = call(mlxRound, {matrix(1, 1, {1.5}, {-2.5}).get()});
    EXPECT_EQ(2.0, mclGetPr(rounded.get())[0]);
    EXPECT_EQ(-3.0, mclGetPi(rounded.get())[0]);
    Array sign = call(mlxSign, {matrix(1, 2, {3.0, 0.0}, {4.0, 0.0}).get()});
    EXPECT_DOUBLE_EQ(0.6, mclGetPr(sign.get())[0]);
    EXPECT_DOUBLE_EQ(0.8, mclGetPi(sign.get())[0]);
    EXPECT_EQ(0.0, mclGetPr(sign.get())[1]);
}

TEST_F(ElementWise, NegativeArgumentsGiveComplexResultsOnlyWhereNeeded)
{
    Array root = call(mlxSqrt, {row({-4.0, 9.0}).get()});
    ASSERT_TRUE(mxIsComplex(root.get()));
    EXPECT_EQ(0.0, mclGetPr(root.get())[0]);
    EXPECT_EQ(2.0, mclGetPi(root.get())[0]);
    EXPECT_EQ(3.0, mclGetPr(root.get())[1]);
    EXPECT_EQ(0.0, mclGetPi(root.get())[1]);
    EXPECT_FALSE(mxIsComplex(call(mlxSqrt, {row({0.0, 9.0}).get()}).get()));

    Array lg = call(mlxLog10, {row({0.0, 100.0}).get()});
    EXPECT_FALSE(mxIsComplex(lg.get())) << "log10(0) is -Inf, not complex";
    expectSame({-kInf, 2.0}, reals(lg.get()), "log10");
    Array negative(mlfLog10(row({-100.0}).get()));
    ASSERT_TRUE(mxIsComplex(negative.get()));
    EXPECT_DOUBLE_EQ(2.0, mclGetPr(negative.get())[0]);
    EXPECT_DOUBLE_EQ(std::acos(-1.0) / std::log(10.0), mclGetPi(negative.get())[0]);
    EXPECT_FALSE(mxIsComplex(call(mlxLog2, {row({-0.0, 8.0}).get()}).get()))
        << "a negative zero is not below zero";
    Array nanLog = call(mlxLog10, {row({kNaN}).get()});
    EXPECT_FALSE(mxIsComplex(nanLog.get()));
    EXPECT_TRUE(std::isnan(mclGetPr(nanLog.get())[0]));
}

TEST_F(ElementWise, ShapesEmptiesAndCharacters)
{
    const int nd[3] = {2, 1, 3};
    Array cube(mclCreateNumericArray(3, nd, mxDOUBLE_CLASS, mxREAL));
    EXPECT_EQ(std::vector<int>({2, 1, 3}), dims(call(mlxCos, {cube.get()}).get()));
    Array empty = call(mlxExp, {matrix(0, 3, {}).get()});
    EXPECT_EQ(std::vector<int>({0, 3}), dims(empty.get()));
    Array emptyLog(mlfLog10(matrix(0, 0, {}).get()));
    EXPECT_TRUE(mxIsEmpty(emptyLog.get()));
    Array codes = call(mlxAbs, {text("aB").get()});
    EXPECT_FALSE(mxIsChar(codes.get()));
    expectSame({97, 66}, reals(codes.get()), "abs of text");
}

TEST_F(ElementWise, ArgumentMistakesRaiseTheLanguageErrors)
{
    EXPECT_THROW(call(mlxAbs, {}), RuntimeError);
    EXPECT_THROW(call(mlxAbs, {scalar(1).get(), scalar(2).get()}), RuntimeError);
    Array cell(mclCreateCellMatrix(1, 1));
    EXPECT_THROW(call(mlxSin, {cell.get()}), RuntimeError);
    EXPECT_THROW(call(mlxSin, {mclGetUninitializedArray()}), RuntimeError);
    mxArray* out[2] = {nullptr, nullptr};
    mxArray* in[1] = {scalar(1).release()};
    EXPECT_THROW(mlxSin(2, out, 1, in), RuntimeError);
    mxDestroyArray(in[0]);
    try
    {
        call(mlxAbs, {});
    }
    catch (const RuntimeError& e)
    {
        EXPECT_STREQ("Not enough input arguments.", e.what());
    }
}

TEST_F(ElementWise, Pow2ScalesByPowersOfTwo)
{
    expectSame({0.25, 1, 8}, reals(call(mlxPow2, {row({-2, 0, 3}).get()}).get()), "pow2(x)");
    expectSame({1.5 * 4, 1.5 * 0.5},
               reals(call(mlxPow2, {scalar(1.5).get(), row({2, -1}).get()}).get()), "pow2(f,e)");
    EXPECT_THROW(call(mlxPow2, {row({1, 2}).get(), row({1, 2, 3}).get()}), RuntimeError);
}

TEST_F(ElementWise, LogicalConversionRefusesNaNAndComplex)
{
    Array l = call(mlxLogical, {row({-2, 0, 0.5}).get()});
    EXPECT_TRUE(mxIsLogical(l.get()));
    expectSame({1, 0, 1}, reals(l.get()), "logical");
    EXPECT_THROW(call(mlxLogical, {row({1, kNaN}).get()}), RuntimeError);
    EXPECT_THROW(call(mlxLogical, {matrix(1, 1, {1}, {1}).get()}), RuntimeError);
}

TEST_F(ElementWise, TextPredicates)
{
    const struct
    {
        Array a, b;
        double equal;
    } cases[] = {
        {text("abc"), text("abc"), 1}, {text("abc"), text("abd"), 0}, {text("abc"), text("ab"), 0},
        {text(""), text(""), 1},       {text("1"), scalar('1'), 0},
    };
    for (const auto& c : cases)
    {
        Array r = call(mlxStrcmp, {c.a.get(), c.b.get()});
        EXPECT_TRUE(mxIsLogical(r.get()));
        EXPECT_EQ(c.equal, mclGetPr(r.get())[0]);
    }
    EXPECT_EQ(1.0, reals(call(mlxIschar, {text("x").get()}).get())[0]);
    EXPECT_EQ(0.0, reals(call(mlxIschar, {scalar(1).get()}).get())[0]);
}

TEST_F(ElementWise, TransposesKeepClassAndConjugateOnRequest)
{
    Array z = matrix(2, 3, {1, 2, 3, 4, 5, 6}, {1, -1, 2, -2, 3, -3});
    Array t = call(mlxTranspose, {z.get()});
    Array c = call(mlxCtranspose, {z.get()});
    EXPECT_EQ(std::vector<int>({3, 2}), dims(t.get()));
    expectSame({1, 3, 5, 2, 4, 6}, reals(t.get()), "transpose");
    EXPECT_EQ(-1.0, mclGetPi(t.get())[3]);
    EXPECT_EQ(1.0, mclGetPi(c.get())[3]);
    EXPECT_EQ(-1.0, mclGetPi(c.get())[0]);

    Array word = call(mlxTranspose, {text("hi").get()});
    EXPECT_TRUE(mxIsChar(word.get()));
    EXPECT_EQ(std::vector<int>({2, 1}), dims(word.get()));
    Array flags = call(mlxCtranspose, {call(mlxIsnan, {row({kNaN, 1}).get()}).get()});
    EXPECT_TRUE(mxIsLogical(flags.get()));
    Array cell(mclCreateCellMatrix(1, 2));
    mclSetCell(cell.get(), 1, mlfScalar(7));
    Array cellT = call(mlxTranspose, {cell.get()});
    EXPECT_EQ(7.0, mclGetPr(mclGetCell(cellT.get(), 1))[0]);

    const int nd[3] = {2, 2, 2};
    Array cube(mclCreateNumericArray(3, nd, mxDOUBLE_CLASS, mxREAL));
    EXPECT_THROW(call(mlxTranspose, {cube.get()}), RuntimeError);
}
