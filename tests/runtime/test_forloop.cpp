// Loop state of the for statement: ranges, columns, fresh restarts and ownership of the
// loop values.
#include "library_test.h"

using namespace libtest;

namespace
{
class ForLoop : public Library
{
protected:
    void TearDown() override
    {
        mclDestroyForLoopIterator(&iter);
        mxDestroyArray(var);
        Library::TearDown();
    }

    // Runs the loop to its end; each value is handed over to var as the caller would.
    std::vector<std::vector<double>> run()
    {
        std::vector<std::vector<double>> values;
        mxArray* slot = var;
        while (mclForNext(&iter, &slot))
        {
            EXPECT_NE(var, slot) << "every loop value is a new array";
            mxDestroyArray(var);
            var = slot;
            values.push_back(reals(var));
        }
        EXPECT_EQ(var, slot) << "the end of the loop leaves the variable alone";
        return values;
    }

    mclForLoopIterator iter{};
    mxArray* var = nullptr;
};

std::vector<std::vector<double>> scalars(double first, double step, int count)
{
    std::vector<std::vector<double>> v;
    for (int i = 0; i < count; ++i)
        v.push_back({first + i * step});
    return v;
}
} // namespace

TEST_F(ForLoop, ColonRangesWithConstantsReleasedRightAfterStart)
{
    const struct
    {
        double a, step, b;
        bool withStep;
        int count;
    } cases[] = {
        {46, -1, 15, true, 32}, {1, 1, 0, false, 0}, {1, 1, 4, false, 4}, {0, 0.5, 2, true, 5},
        {3, 1, 3, false, 1},    {1, 0, 4, true, 0},  {5, 2, 1, true, 0},  {1, 0.1, 2, true, 11},
    };
    for (const auto& c : cases)
    {
        {
            Array a = scalar(c.a), step = scalar(c.step), b = scalar(c.b);
            if (c.withStep)
                mclForStart(&iter, a.get(), step.get(), b.get());
            else
                mclForStart(&iter, a.get(), b.get(), nullptr);
        }
        const auto values = run();
        ASSERT_EQ(static_cast<std::size_t>(c.count), values.size()) << c.a << ":" << c.b;
        const auto want = scalars(c.a, c.step, c.count);
        for (int i = 0; i < c.count; ++i)
            EXPECT_NEAR(want[i][0], values[i][0], 1e-12);
    }
}

TEST_F(ForLoop, EmptyRangeLeavesTheVariable)
{
    var = mlfScalar(42);
    mclForStart(&iter, scalar(1).get(), scalar(0).get(), nullptr);
    EXPECT_TRUE(run().empty());
    EXPECT_EQ(42.0, reals(var)[0]);
    mclForStart(&iter, matrix(0, 0, {}).get(), scalar(3).get(), nullptr);
    EXPECT_TRUE(run().empty());
}

TEST_F(ForLoop, AMatrixIsWalkedColumnByColumn)
{
    {
        Array m = matrix(2, 3, {1, 2, 3, 4, 5, 6}, {0, 1, 0, 0, 0, -1});
        mclForStart(&iter, m.get(), nullptr, nullptr);
    }
    const auto values = run();
    ASSERT_EQ(3u, values.size());
    EXPECT_EQ(std::vector<double>({5, 6}), values[2]);
    EXPECT_EQ(std::vector<int>({2, 1}), dims(var));
    EXPECT_EQ(-1.0, mclGetPi(var)[1]);
}

TEST_F(ForLoop, SecondStartBeginsAFreshLoop)
{
    mclForStart(&iter, scalar(1).get(), scalar(10).get(), nullptr);
    mxArray* slot = nullptr;
    ASSERT_TRUE(mclForNext(&iter, &slot));
    mxDestroyArray(slot);
    {
        Array m = row({7, 8});
        mclForStart(&iter, m.get(), nullptr, nullptr);
    }
    EXPECT_EQ((std::vector<std::vector<double>>{{7}, {8}}), run());
    mclForStart(&iter, scalar(46).get(), scalar(-1).get(), scalar(15).get());
    EXPECT_EQ(46.0, run().front()[0]);
}

TEST_F(ForLoop, ANeverStartedOrDestroyedLoopYieldsNothing)
{
    mxArray* slot = nullptr;
    EXPECT_EQ(0, mclForNext(&iter, &slot));
    mclForStart(&iter, row({1, 2}).get(), nullptr, nullptr);
    mclDestroyForLoopIterator(&iter);
    EXPECT_EQ(0, mclForNext(&iter, &slot));
    EXPECT_EQ(nullptr, slot);
    EXPECT_THROW(mclForStart(&iter, mclGetUninitializedArray(), nullptr, nullptr), RuntimeError);
}
