// Display layout of arrays: exact texts, scale lines, wrapping, and elements wider than
// their column, which widen the field instead of failing.
#include "library_test.h"

#include <limits>

using namespace libtest;

namespace
{
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

class Display : public Library
{
};

std::string shown(const Array& a, int precision = 6)
{
    return mclFormatArray(a.get(), precision);
}

Array charRows(const std::vector<std::string>& rows)
{
    const int m = static_cast<int>(rows.size()), n = static_cast<int>(rows[0].size());
    Array a(mclCreateCharMatrix(m, n));
    for (int i = 0; i < m; ++i)
        for (int j = 0; j < n; ++j)
            mclGetChars(a.get())[j * m + i] = static_cast<unsigned char>(rows[i][j]);
    return a;
}
} // namespace

TEST_F(Display, ExactLayouts)
{
    const struct
    {
        const char* what;
        Array value;
        std::string text;
    } cases[] = {
        {"real", matrix(2, 2, {1.5, 3, -2.25, 4}),
         "  [\n    1.50000  -2.25000 ;\n    3.00000   4.00000\n  ]\n\n"},
        {"integers", matrix(2, 2, {1, 3, 2, 4}),
         "  [\n         1        2 ;\n         3        4\n  ]\n\n"},
        {"empty numeric", matrix(0, 3, {}), "[]"},
        {"empty text", text(""), "''"},
        {"quote doubled", text("it's"), "'it''s'"},
        {"text rows", charRows({"ab", "cd"}), "  [\n    'ab' ;\n    'cd' ;\n  ]\n"},
        {"scaled by 1000", row({1234.5, 1}), "  1.0e+03 *\n\n  [\n    1.23450   0.00100\n  ]\n\n"},
        {"integers scaled", row({1e7, 1}), "  1.0e+07 *\n\n  [\n    1.00000   0.00000\n  ]\n\n"},
        {"integers not scaled", row({999999, -999999}), "  [\n    999999  -999999\n  ]\n\n"},
        {"negative rounded to zero", row({1, -0.000001, 0}),
         "  [\n    1.00000  -0.00000   0.00000\n  ]\n\n"},
        {"not a number and infinities", row({kNaN, -kInf, 1.5}),
         "  [\n    NaN       Inf       1.50000\n  ]\n\n"},
        {"complex", matrix(1, 3, {1, -3.5, -3}, {2, -0.5, 0}),
         "  [\n    1.00000+2.00000i   -3.50000-0.50000i  -3.00000         \n  ]\n\n"},
        {"scalar", scalar(0.25), "  [\n    0.25000\n  ]\n\n"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.text, shown(c.value)) << c.what;
}

TEST_F(Display, PagesOfAThreeDimensionalArray)
{
    const int nd[3] = {2, 2, 2};
    Array cube(mclCreateNumericArray(3, nd, mxDOUBLE_CLASS, mxREAL));
    for (int i = 0; i < 8; ++i)
        mclGetPr(cube.get())[i] = i + 1;
    const std::string page1 = "  [\n         1        3 ;\n         2        4\n  ]\n\n";
    const std::string page2 = "  [\n         5        7 ;\n         6        8\n  ]\n\n";
    EXPECT_EQ("[\n(:,:,1) = \n" + page1 + "(:,:,2) = \n" + page2 + "]\n", shown(cube));

    const int textDims[3] = {1, 2, 2};
    Array words(mclCreateNumericArray(3, textDims, mxCHAR_CLASS, mxREAL));
    const char* letters = "abcd";
    for (int i = 0; i < 4; ++i)
        mclGetChars(words.get())[i] = static_cast<unsigned char>(letters[i]);
    EXPECT_EQ("[\n(:,:,1) = 'ab'\n(:,:,2) = 'cd'\n]\n", shown(words));
}

TEST_F(Display, LongRowsWrapBeforeColumn75)
{
    std::vector<double> values(20, 1.5);
    const auto items = [](int count)
    {
        std::string s;
        for (int i = 0; i < count; ++i)
            s += "   1.50000";
        return s;
    };
    const std::string line1 = " " + items(7);
    const std::string line2 = std::string(11, ' ') + items(6);
    const std::string line3 = line2;
    const std::string last = std::string(11, ' ') + items(1);
    EXPECT_EQ("  [\n" + line1 + "\n" + line2 + "\n" + line3 + "\n" + last + "\n\n  ]\n\n",
              shown(row(values)));
}

TEST_F(Display, ElementsWiderThanTheirColumnWidenTheField)
{
    const struct
    {
        const char* what;
        Array value;
        std::string text;
    } cases[] = {
        {"rounds up to ten", row({-9.999996, 1.5}), "  [\n  -10.00000   1.50000\n  ]\n\n"},
        {"largest magnitude exactly 10", row({-10, 0.5}), "  [\n  -10.00000   0.50000\n  ]\n\n"},
        {"largest magnitude exactly 100", row({100, -100, 0.5}),
         "  1.0e+01 *\n\n  [\n    10.00000 -10.00000   0.05000\n  ]\n\n"},
        {"complex with whole values only", matrix(1, 2, {1, -3}, {0, 0}),
         "  [\n         1                -3         \n  ]\n\n"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.text, shown(c.value)) << c.what;
}

TEST_F(Display, PrecisionSetsDigitsAndHugePrecisionStaysBounded)
{
    EXPECT_EQ("  [\n    1.500  -2.250\n  ]\n\n", shown(row({1.5, -2.25}), 4));
    const std::string wide = shown(row({1.0 / 3.0, -2.0 / 3.0}), 300);
    EXPECT_NE(std::string::npos, wide.find("0.3333"));
    EXPECT_GT(wide.size(), 600u);
}

TEST_F(Display, PrintArrayNamesTheValueAndCellsShowSummaries)
{
    PrintCapture capture;
    mclPrintArray(scalar(2).get(), "ans");
    EXPECT_EQ("ans =\n\n  [\n         2\n  ]\n\n", capture.text());
    capture.text().clear();
    Array cell(mclCreateCellMatrix(1, 3));
    mclSetCell(cell.get(), 0, mlfScalar(5));
    mclSetCell(cell.get(), 1, mclCreateString("dB"));
    mclSetCell(cell.get(), 2, mclCreateDoubleMatrix(2, 3, mxREAL));
    mclPrintArray(cell.get(), "");
    EXPECT_EQ("    [5]    'dB'    [2x3 double]\n\n", capture.text());
    EXPECT_THROW(mclPrintArray(mclGetUnassignedArray(), "x"), RuntimeError);
    capture.text().clear();
    mclPrintArray(mclGetUninitializedArray(), nullptr);
    EXPECT_EQ("", capture.text());
}
