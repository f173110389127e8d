// Construction, joining and reductions: shapes, classes, empties and the first of equal
// extremes.
#include "library_test.h"

#include <cmath>
#include <limits>

using namespace libtest;

namespace
{
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

class Arrays : public Library
{
};
} // namespace

TEST_F(Arrays, ZerosAndOnesTakeEverySizeForm)
{
    const struct
    {
        std::vector<double> args; // one argument per value, or a size row when negative-led
        bool asRow;
        std::vector<int> dims;
    } cases[] = {
        {{}, false, {1, 1}},      {{3}, false, {3, 3}},          {{2, 4}, false, {2, 4}},
        {{2, 4}, true, {2, 4}},   {{2, 3, 2}, false, {2, 3, 2}}, {{0, 5}, false, {0, 5}},
        {{-1, 3}, false, {0, 3}}, {{2, 1, 1}, false, {2, 1}},
    };
    for (const auto& c : cases)
    {
        std::vector<Array> owned;
        if (c.asRow)
            owned.push_back(row(c.args));
        else
            for (double v : c.args)
                owned.push_back(scalar(v));
        std::vector<mxArray*> in;
        for (Array& a : owned)
            in.push_back(a.get());
        Array z = call(mlxZeros, in);
        Array o = call(mlxOnes, in);
        EXPECT_EQ(c.dims, dims(z.get()));
        EXPECT_EQ(c.dims, dims(o.get()));
        for (double v : reals(z.get()))
            EXPECT_EQ(0.0, v);
        for (double v : reals(o.get()))
            EXPECT_EQ(1.0, v);
    }
    EXPECT_THROW(call(mlxZeros, {scalar(kNaN).get()}), RuntimeError);
}

TEST_F(Arrays, JoinsSideBySideAndStacked)
{
    Array a = matrix(2, 1, {1, 2});
    Array b = matrix(2, 2, {3, 4, 5, 6});
    Array h = call(mlxHorzcat, {a.get(), b.get()});
    EXPECT_EQ(std::vector<int>({2, 3}), dims(h.get()));
    EXPECT_EQ(std::vector<double>({1, 2, 3, 4, 5, 6}), reals(h.get()));

    Array r1 = row({1, 2}), r2 = matrix(1, 2, {3, 4}, {0, -1});
    Array v = call(mlxVertcat, {r1.get(), r2.get()});
    EXPECT_EQ(std::vector<int>({2, 2}), dims(v.get()));
    EXPECT_EQ(std::vector<double>({1, 3, 2, 4}), reals(v.get()));
    ASSERT_TRUE(mxIsComplex(v.get()));
    EXPECT_EQ(-1.0, mclGetPi(v.get())[3]);

    EXPECT_THROW(call(mlxHorzcat, {row({1, 2}).get(), column({1, 2}).get()}), RuntimeError);
    EXPECT_THROW(call(mlxVertcat, {row({1, 2}).get(), row({1, 2, 3}).get()}), RuntimeError);
}

TEST_F(Arrays, EmptyArgumentsAreSkippedAndNoArgumentsGiveEmpty)
{
    Array e = matrix(0, 0, {});
    Array h = call(mlxHorzcat, {e.get(), row({7}).get(), e.get(), row({8, 9}).get()});
    EXPECT_EQ(std::vector<double>({7, 8, 9}), reals(h.get()));
    Array none = call(mlxHorzcat, {});
    EXPECT_EQ(std::vector<int>({0, 0}), dims(none.get()));
    Array grown = call(mlxVertcat, {e.get(), row({1, 2}).get()});
    EXPECT_EQ(std::vector<int>({1, 2}), dims(grown.get()));
    Array rows = call(mlxHorzcat, {matrix(1, 0, {}).get(), matrix(1, 0, {}).get()});
    EXPECT_EQ(std::vector<int>({1, 0}), dims(rows.get()));
}

TEST_F(Arrays, ThirtyTwoArgumentsJoinInOrder)
{
    std::vector<Array> parts;
    std::vector<mxArray*> in;
    std::vector<double> want;
    for (int i = 0; i < 32; ++i)
    {
        parts.push_back(scalar(i));
        in.push_back(parts.back().get());
        want.push_back(i);
    }
    Array h = call(mlxHorzcat, in);
    EXPECT_EQ(want, reals(h.get()));
    EXPECT_EQ(std::vector<int>({32, 1}), dims(call(mlxVertcat, in).get()));
}

TEST_F(Arrays, ClassesOfJoinedArrays)
{
    Array word = call(mlxHorzcat, {text("Input argument #").get(), text("2").get()});
    ASSERT_TRUE(mxIsChar(word.get()));
    EXPECT_EQ("Input argument #2", mclText(word.get()));
    Array mixed = call(mlxHorzcat, {text("a").get(), scalar('b').get()});
    EXPECT_EQ("ab", mclText(mixed.get()));

    Array flag = call(mlxIsnan, {scalar(kNaN).get()});
    EXPECT_TRUE(mxIsLogical(call(mlxHorzcat, {flag.get(), flag.get()}).get()));
    EXPECT_FALSE(mxIsLogical(call(mlxHorzcat, {flag.get(), scalar(2).get()}).get()));

    Array c1(mclCreateCellMatrix(1, 1)), c2(mclCreateCellMatrix(1, 1));
    mclSetCell(c2.get(), 0, mclCreateString("x"));
    Array cells = call(mlxHorzcat, {c1.get(), c2.get()});
    ASSERT_TRUE(mxIsCell(cells.get()));
    EXPECT_EQ("x", mclText(mclGetCell(cells.get(), 1)));
    EXPECT_THROW(call(mlxHorzcat, {c1.get(), scalar(1).get()}), RuntimeError);
    EXPECT_THROW(call(mlxHorzcat, {mclGetUninitializedArray()}), RuntimeError);
}

TEST_F(Arrays, SumAndAnyOfEmptiesAndAlongDimensions)
{
    EXPECT_EQ(std::vector<double>({0}), reals(call(mlxSum, {matrix(0, 0, {}).get()}).get()));
    Array columns = call(mlxSum, {matrix(0, 3, {}).get()});
    EXPECT_EQ(std::vector<int>({1, 3}), dims(columns.get()));
    EXPECT_EQ(std::vector<double>({0, 0, 0}), reals(columns.get()));
    Array anyEmpty = call(mlxAny, {matrix(0, 0, {}).get()});
    EXPECT_TRUE(mxIsLogical(anyEmpty.get()));
    EXPECT_EQ(std::vector<double>({0}), reals(anyEmpty.get()));

    Array m = matrix(2, 3, {0, 0, 0, kNaN, 0, 2});
    EXPECT_EQ(std::vector<double>({0, 0, 1}), reals(call(mlxAny, {m.get()}).get()))
        << "any passes over NaN";
    EXPECT_EQ(std::vector<double>({0, 1}), reals(call(mlxAny, {m.get(), scalar(2).get()}).get()));
    EXPECT_EQ(std::vector<double>({1}), reals(call(mlxAny, {matrix(1, 1, {0}, {1}).get()}).get()));
    Array same = call(mlxSum, {row({1, 2}).get(), scalar(3).get()});
    EXPECT_EQ(std::vector<double>({1, 2}), reals(same.get())) << "a dimension past the last";
    EXPECT_THROW(call(mlxSum, {row({1, 2}).get(), scalar(0).get()}), RuntimeError);
    EXPECT_THROW(call(mlxSum, {row({1, 2}).get(), scalar(1.5).get()}), RuntimeError);
}

TEST_F(Arrays, ExtremesGiveTheFirstOfEqualValues)
{
    const struct
    {
        std::vector<double> x;
        double max, maxAt, min, minAt;
    } cases[] = {
        {{3, 7, 7, -1, -1}, 7, 2, -1, 4},
        {{kNaN, 2, kNaN, 2}, 2, 2, 2, 2},
        {{kNaN, kNaN}, kNaN, 1, kNaN, 1},
        {{5}, 5, 1, 5, 1},
    };
    for (const auto& c : cases)
    {
        for (bool asRow : {true, false})
        {
            Array x = asRow ? row(c.x) : column(c.x);
            mxArray* at = nullptr;
            Array big(mclMaxOfArray(&at, x.get(), nullptr));
            Array bigAt(at);
            Array small(mclMinOfArray(&at, x.get(), nullptr));
            Array smallAt(at);
            EXPECT_EQ(std::vector<int>({1, 1}), dims(big.get()));
            if (std::isnan(c.max))
                EXPECT_TRUE(std::isnan(reals(big.get())[0]));
            else
                EXPECT_EQ(c.max, reals(big.get())[0]);
            EXPECT_EQ(c.maxAt, reals(bigAt.get())[0]);
            EXPECT_EQ(c.minAt, reals(smallAt.get())[0]);
        }
    }
}

TEST_F(Arrays, ComplexExtremesCompareMagnitudeThenAngle)
{
    Array z = matrix(1, 3, {3, 0, -4}, {4, 5, 3});
    mxArray* at = nullptr;
    Array big(mclMaxOfArray(&at, z.get(), nullptr));
    Array where(at);
    EXPECT_EQ(3.0, reals(where.get())[0]) << "all of magnitude 5: the largest angle wins";
    EXPECT_EQ(-4.0, mclGetPr(big.get())[0]);
    EXPECT_EQ(3.0, mclGetPi(big.get())[0]);
}

TEST_F(Arrays, ExtremesOfEmptiesAreEmpty)
{
    Array e = matrix(0, 0, {});
    mxArray* at = nullptr;
    Array none(mclMaxOfArray(&at, e.get(), nullptr));
    Array noneAt(at);
    EXPECT_TRUE(mxIsEmpty(none.get()));
    EXPECT_TRUE(mxIsEmpty(noneAt.get()));
    Array cols(mclMinOfArray(nullptr, matrix(0, 3, {}).get(), nullptr));
    EXPECT_TRUE(mxIsEmpty(cols.get()));
}

TEST_F(Arrays, LengthAndPi)
{
    EXPECT_EQ(4.0, reals(call(mlxLength, {matrix(3, 4, std::vector<double>(12)).get()}).get())[0]);
    EXPECT_EQ(0.0, reals(call(mlxLength, {matrix(0, 4, {}).get()}).get())[0]);
    EXPECT_EQ(std::acos(-1.0), reals(call(mlxPi, {}).get())[0]);
    EXPECT_THROW(call(mlxPi, {scalar(1).get()}), RuntimeError);
}
