// Function wrappers: which arrays reach the run-time in each convention, how outputs come
// back, and the wrappers with logic of their own.
#include "matrix_fixture.h"
#include "values.h"

#include <cmath>
#include <cstdio>
#include <fstream>
#include <unistd.h>

using namespace matrix_values;

namespace
{
using Wrappers = MatrixTest;

// What the last call of recordingMlx received.
int g_nrhs = -1;
std::vector<mxArray*> g_inputs;
bool g_leaveOutput = false;

void recordingMlx(int nlhs, mxArray* plhs[], int nrhs, mxArray* prhs[])
{
    g_nrhs = nrhs;
    g_inputs.assign(prhs, prhs + nrhs);
    if (nlhs > 0 && g_leaveOutput)
        plhs[0] = mlfScalar(1);
    if (nlhs == 0 && g_leaveOutput)
        plhs[0] = mlfScalar(2); // left although no output was asked for
}

std::string textOf(const mwMatrix& m)
{
    const int n = mclGetString(m.GetData(), nullptr, 0);
    std::string s(static_cast<std::size_t>(n), '\0');
    mclGetString(m.GetData(), s.data(), n + 1);
    return s;
}
} // namespace

TEST_F(Wrappers, ArgumentArraysStopAtTheFirstNotSuppliedArgument)
{
    const mwMatrix a(1.0), c(3.0);
    g_leaveOutput = false;
    const mwMatrix none = mwCallMlx(recordingMlx, 1, {&a, &mwNotSupplied, &c});
    EXPECT_EQ(1, g_nrhs);
    EXPECT_EQ(a.GetData(), g_inputs[0]);
    EXPECT_EQ(0, none.NumberOfElements());
    EXPECT_EQ(mxUNINITIALIZED_CLASS, mxGetClassID(none.GetData())) << "a null output";
    g_leaveOutput = true;
    mwCallMlx(recordingMlx, 0, {&mwNotSupplied, &a});
    EXPECT_EQ(0, g_nrhs);
    g_leaveOutput = false;

    EXPECT_EQ(std::vector<double>({1, 2, 3}), realsOf(colon(1.0, mwMatrix(3.0))));
    EXPECT_EQ(realsOf(colon(1.0, mwMatrix(3.0))),
              realsOf(colon(1.0, mwMatrix(3.0), mwNotSupplied)));
    EXPECT_NE(std::string(), messageOf<mwRuntimeError>([] { abs(mwNotSupplied); }))
        << "abs without its argument is the run-time's error";
    EXPECT_EQ(4.0, static_cast<double>(sqrt(mwMatrix(16.0))));
}

TEST_F(Wrappers, ExplicitArgumentsKeepTheirPositions)
{
    const mwMatrix phase = matrixOf(3, 1, {0, 6, 12});
    EXPECT_EQ(realsOf(phase), realsOf(unwrap(phase, mwNotSupplied, mwMatrix(2.0))))
        << "unwrapping along the second dimension of a column changes nothing";
    EXPECT_NE(realsOf(phase), realsOf(unwrap(phase)));

    const mwMatrix m = matrixOf(2, 2, {1, 5, 7, 2});
    EXPECT_EQ(std::vector<double>({7, 5}), realsOf(max(m, mwNotSupplied, mwMatrix(2.0))));
    EXPECT_EQ(std::vector<double>({5, 7}), realsOf(max(m)));
    EXPECT_EQ(std::vector<double>({3, 5, 7, 3}), realsOf(max(m, mwMatrix(3.0))));
    EXPECT_EQ(std::vector<double>({1, 2}), realsOf(min(m, mwNotSupplied, mwMatrix(2.0))));
    mwUninitMatrix absent;
    EXPECT_EQ(std::vector<double>({5, 7}), realsOf(max(m, absent)))
        << "max looks at the array: an uninitialized value is absent";
}

TEST_F(Wrappers, MaxHandsTheFirstIndexOfEqualMaxima)
{
    mwMatrix index(99.0);
    const mwMatrix top = max(&index, rowOf({2, 9, 4, 9}));
    EXPECT_EQ(9.0, static_cast<double>(top));
    EXPECT_EQ(2.0, static_cast<double>(index));
    EXPECT_EQ(9.0, static_cast<double>(max(nullptr, rowOf({9, 9}))));
    max(&index, matrixOf(2, 2, {3, 1, 3, 3}), mwNotSupplied, mwMatrix(2.0));
    EXPECT_EQ(std::vector<double>({1, 2}), realsOf(index)) << "rows [3 3] and [1 3]";
}

TEST_F(Wrappers, ListFormsJoinEverySuppliedValue)
{
    EXPECT_EQ(std::vector<int>({0, 0}), dimsOf(horzcat(mwIndexList())));
    EXPECT_EQ(std::vector<double>({0}), realsOf(zeros(mwIndexList())));
    EXPECT_EQ(std::vector<int>({2, 3}), dimsOf(zeros(2, mwMatrix(3.0))));
    EXPECT_EQ(std::vector<double>({1, 1}), realsOf(ones(1, mwMatrix(2.0))));
    const mwMatrix joined = horzcat(rowOf({1, 2}), mwMatrix(3.0), mwNotSupplied, mwMatrix(9.0));
    EXPECT_EQ(std::vector<double>({1, 2, 3}), realsOf(joined)) << "stops at not supplied";
    EXPECT_EQ(std::vector<double>({1, 2, 5, 6}),
              realsOf(horzcat(rowOf({1}), commaListOf({2, 5}), mwMatrix(6.0))));
    EXPECT_EQ(std::vector<int>({3, 1}),
              dimsOf(vertcat(mwMatrix(1.0), mwMatrix(2.0), mwMatrix(3.0))));

    std::vector<double> want;
    mwMatrix big = horzcat(mwIndexList());
    for (int i = 0; i < 12; ++i)
        want.push_back(i);
    big = horzcat(0, mwMatrix(1.0), mwMatrix(2.0), mwMatrix(3.0), mwMatrix(4.0), mwMatrix(5.0),
                  mwMatrix(6.0), mwMatrix(7.0), mwMatrix(8.0), mwMatrix(9.0), mwMatrix(10.0),
                  mwMatrix(11.0));
    EXPECT_EQ(want, realsOf(big)) << "more than ten values take allocated room";
    EXPECT_EQ("Input argument #2", textOf(horzcat(mwIndexList("Input argument #"), "2")));
}

TEST_F(Wrappers, FprintfPassesNothingWithoutItsFirstArgument)
{
    EXPECT_NE(std::string(),
              messageOf<mwRuntimeError>([] { fprintf(mwNotSupplied, mwMatrix(1.0)); }));
    EXPECT_TRUE(printed().empty());
    const mwMatrix bytes = fprintf("%d-%d\\n", rowOf({4, 5}));
    ASSERT_EQ(1u, printed().size());
    EXPECT_EQ("4-5\n", printed()[0]);
    EXPECT_EQ(4.0, static_cast<double>(bytes));
}

TEST_F(Wrappers, SizeFillsItsOutputList)
{
    const mwMatrix x = matrixOf(2, 3, {});
    EXPECT_EQ(std::vector<double>({2, 3}), realsOf(size(x)));
    EXPECT_EQ(3.0, static_cast<double>(size(x, mwMatrix(2.0))));
    mwMatrix rows, cols;
    const mwMatrix first = size(mwOutputList(rows, cols), x);
    EXPECT_EQ(2.0, static_cast<double>(rows));
    EXPECT_EQ(3.0, static_cast<double>(cols));
    EXPECT_EQ(2.0, static_cast<double>(first));
}

TEST_F(Wrappers, OutputsOfTwoOutputForms)
{
    mwMatrix y;
    const mwMatrix x = pol2cart(&y, rowOf({0, std::acos(-1.0) / 2}), mwMatrix(2.0));
    EXPECT_NEAR(2.0, realsOf(x)[0], 1e-15);
    EXPECT_NEAR(2.0, realsOf(y)[1], 1e-15);
    EXPECT_NEAR(0.0, realsOf(pol2cart(nullptr, mwMatrix(0.0), mwMatrix(3.0)))[0] - 3.0, 0);

    mwMatrix delta(5.0);
    EXPECT_EQ(std::vector<double>({3, 7}),
              realsOf(polyval(1, &delta, rowOf({2, 1}), rowOf({1, 3}))));
    EXPECT_EQ(5.0, static_cast<double>(delta)) << "nargout 1 leaves delta alone";
    EXPECT_EQ(std::vector<double>({3, 7}), realsOf(polyval(rowOf({2, 1}), rowOf({1, 3}))));
    EXPECT_NE(std::string(), messageOf<mwRuntimeError>(
                                 [&] {
                                     polyval(2, &delta, rowOf({2, 1}), rowOf({1, 3}));
                                 }));
}

TEST_F(Wrappers, ConditionsAndComplexness)
{
    EXPECT_TRUE(tobool(rowOf({1, 2})));
    EXPECT_FALSE(tobool(rowOf({1, 0})));
    EXPECT_FALSE(tobool(empty()));
    const mwMatrix yes = iscomplex(mwMatrix(1.0, 2.0));
    EXPECT_TRUE(mxIsLogical(yes.GetData()));
    EXPECT_EQ(1.0, static_cast<double>(yes));
    EXPECT_EQ(0.0, static_cast<double>(iscomplex(mwMatrix(1.0))));
}

TEST_F(Wrappers, RealLogarithmRefusesComplexResults)
{
    const mwMatrix positive = rowOf({1, 10, 1000});
    EXPECT_EQ(realsOf(log10(positive)), realsOf(reallog10(positive)));
    EXPECT_EQ(0, reallog10(empty()).NumberOfElements());
    EXPECT_EQ("reallog10() with complex result.", messageOf<mwRangeError>(
                                                      [] {
                                                          reallog10(rowOf({1, -1}));
                                                      }));
    EXPECT_EQ("reallog10() with complex result.",
              messageOf<mwRangeError>([] { reallog10(mwMatrix(1.0, 1.0)); }));
}

TEST_F(Wrappers, IndexedPartsAreReadFirst)
{
    mwMatrix v = rowOf({-4, 100});
    EXPECT_EQ(4.0, static_cast<double>(abs(v(mwIndexList(1)))));
    EXPECT_EQ(2.0, static_cast<double>(log10(v(mwIndexList(2)))));
    EXPECT_EQ(std::vector<double>({-4, 100}), realsOf(v));
}

TEST_F(Wrappers, ErrorStopsWithItsMessageOnlyWhenThereIsOne)
{
    error(mwMatrix(""));
    error();
    EXPECT_EQ("Input argument #1 to function f is undefined.",
              messageOf<mwRuntimeError>(
                  [] { error(mwMatrix("Input argument #1 to function f is undefined.")); }));
}

TEST_F(Wrappers, ReadingAPointFileThroughTheWrappers)
{
    const std::string path = "/tmp/morvane_wrappers_" + std::to_string(::getpid()) + ".txt";
    std::ofstream(path) << "Speaker\nFreq, dB\n100, -3\n200, 6\n";
    const mwMatrix fid = fopen(path.c_str());
    ASSERT_GT(static_cast<double>(fid), 0.0);
    EXPECT_EQ("Speaker", textOf(fgetl(fid)));
    fgetl(fid);
    const mwMatrix d = fscanf(fid, "%g, %g");
    EXPECT_EQ(std::vector<double>({100, -3, 200, 6}), realsOf(d));
    EXPECT_EQ(0.0, static_cast<double>(fclose(fid)));
    std::remove(path.c_str());
    EXPECT_LE(static_cast<double>(fopen(path.c_str())), 0.0);
    disp("Was the first filename an input file?");
    ASSERT_FALSE(printed().empty());
    EXPECT_EQ("Was the first filename an input file?\n", printed().back());
}
