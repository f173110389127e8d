// The filter coefficient file: exact layout, every validator message with its line, and
// rows read back as matrices.
#include "document/DocumentServices.h"
#include "document/FilterCoeffFile.h"
#include "filters/MatrixPtrArray.h"
#include "tests/document/TempFolder.h"
#include "tests/support/MatrixRow.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{
struct Report
{
    std::string file;
    int line;
    std::string error;
};

class RecordingReport : public IFileReadErrorReport
{
public:
    void ShowFileReadError(const std::string& file, int nLine, const std::string& error) override
    {
        reports.push_back({file, nLine, error});
    }
    std::vector<Report> reports;
};

std::vector<double> Values(const mwMatrix& m)
{
    std::vector<double> v(std::size_t(m.NumberOfElements()));
    if (!v.empty())
        m.CopyRealTo(v.data());
    return v;
}

const std::string kTitle = "H(Z) = B(Z)/A(Z) = [b0 + b1*Z^-1 + b2*Z^-2] / [a0 + a1*Z^-1 + a2*Z^-2]";
const std::string kB = "   b0                   b1                   b2";
const std::string kA = "   a0                   a1                   a2";
} // namespace

TEST(FilterCoeffFile, WritesTitleHeadingsAndRowsExactly)
{
    TempFolder folder;
    CMatrixPtrArray numerators, denominators;
    numerators.Add(Row({1.0, -1.9, 0.905}));
    numerators.Add(Row({0.5, 0.0, -0.001}));
    denominators.Add(Row({1.0, -1.8, 0.81}));
    denominators.Add(Row({1.0, 0.25, 0.0}));
    std::string path = folder.Path("set.flt");
    FilterCoeffFile file(nullptr);
    ASSERT_TRUE(file.OpenForWrite(path));
    ASSERT_TRUE(file.Write(denominators, numerators));
    ASSERT_TRUE(file.Close());
    const std::string row1 = "   1.000000000000000   -1.900000000000000    0.905000000000000 ";
    EXPECT_EQ(row1.size(), 63u);
    EXPECT_EQ(ReadFileBytes(path),
              kTitle + "\r\n" + kB + "\r\n" + row1 + "\r\n" +
                  "   0.500000000000000    0.000000000000000   -0.001000000000000 \r\n" + kA +
                  "\r\n" + "   1.000000000000000   -1.800000000000000    0.810000000000000 \r\n" +
                  "   1.000000000000000    0.250000000000000    0.000000000000000 \r\n");
    EXPECT_EQ(kB.size(), 47u);
}

TEST(FilterCoeffFile, WrittenSetReadsBack)
{
    TempFolder folder;
    CMatrixPtrArray numerators, denominators;
    for (int k = 0; k < 3; ++k)
    {
        numerators.Add(Row({1.0 + k, -0.5, 1e-3}));
        denominators.Add(Row({1.0, -0.25 * k, 0.125}));
    }
    std::string path = folder.Path("three.flt");
    {
        FilterCoeffFile file(nullptr);
        ASSERT_TRUE(file.OpenForWrite(path));
        file.Write(denominators, numerators);
        ASSERT_TRUE(file.Close());
    }
    RecordingReport report;
    FilterCoeffFile file(&report);
    std::string again = path;
    ASSERT_TRUE(file.OpenForRead(again));
    EXPECT_EQ(file.GetLineCount(), 9);
    ASSERT_TRUE(file.Validate());
    const int n = file.GetRowCount();
    ASSERT_EQ(n, 3);
    CMatrixPtrArray b, a;
    ASSERT_TRUE(file.SkipToNumeratorRows());
    for (int i = 0; i < n; ++i)
        file.ReadCoefficientRow(b);
    ASSERT_TRUE(file.SkipToDenominatorRows());
    for (int i = 0; i < n; ++i)
        file.ReadCoefficientRow(a);
    file.Close();
    EXPECT_TRUE(report.reports.empty());
    for (int i = 0; i < n; ++i)
    {
        EXPECT_EQ(b.GetAt(i).Size(1), 1);
        EXPECT_EQ(Values(b.GetAt(i)), Values(numerators.GetAt(i)));
        EXPECT_EQ(Values(a.GetAt(i)), Values(denominators.GetAt(i)));
    }
}

TEST(FilterCoeffFile, EmptySetIsThreeLinesAndValid)
{
    CMatrixPtrArray none;
    FilterCoeffFile writer(nullptr);
    TempFolder folder;
    std::string path = folder.Path("none.flt");
    ASSERT_TRUE(writer.OpenForWrite(path));
    writer.Write(none, none);
    ASSERT_TRUE(writer.Close());
    EXPECT_EQ(ReadFileBytes(path), kTitle + "\r\n" + kB + "\r\n" + kA + "\r\n");
    FilterCoeffFile file(nullptr);
    ASSERT_TRUE(file.OpenText(ReadFileBytes(path), path));
    EXPECT_TRUE(file.Validate());
    EXPECT_EQ(file.GetRowCount(), 0);
}

struct ValidateCase
{
    const char* name;
    std::vector<std::string> lines;
    int line;
    std::string error;
};

class CoeffValidator : public ::testing::TestWithParam<ValidateCase>
{
};

TEST_P(CoeffValidator, ReportsTheFirstProblemWithItsLine)
{
    const ValidateCase& c = GetParam();
    std::string text;
    for (const std::string& l : c.lines)
        text += l + "\n";
    RecordingReport report;
    FilterCoeffFile file(&report);
    ASSERT_TRUE(file.OpenText(text, "/x/bad.flt"));
    EXPECT_FALSE(file.Validate());
    ASSERT_EQ(report.reports.size(), 1u);
    EXPECT_EQ(report.reports[0].file, "/x/bad.flt");
    EXPECT_EQ(report.reports[0].line, c.line);
    EXPECT_EQ(report.reports[0].error, c.error);
    CMatrixPtrArray list;
    EXPECT_FALSE(file.ReadCoefficientRow(list)); // closed
}

const char* const k166 = "The number of coefficent rows and header lines is in consistent.";
const char* const k167 = "The B coefficients header must contain \"b0\" or B0\".";
const char* const k168 = "Only numeric characters and blanks should be in a coefficient row.";
const char* const k169 = "A coefficient row cannot have less than 2 coefficients.";
const char* const k170 = "The A coefficients header must contain \"a0\" or A0\".";
const char* const k171 =
    "The number of coefficients in the A row is not the same as the corresponding B row.";
const char* const k172 =
    "The filter of this A row and its B row has a response that is not a finite number at every "
    "frequency (an a0 of 0, or coefficients too large or too small to divide by): it is no "
    "filter.";
// A coefficient, by its name, that does not read whole as one finite number.
std::string k173(const char* name, const char* text)
{
    return std::string("The coefficient ") + name + " of this row, \"" + text +
           "\", is not a finite number: write each coefficient as one number in digits alone, "
           "with a decimal point, such as -1.987654321098765.";
}
const char* const k174 =
    "The a0 of this A row is 0, or so near 0 that the fifteen decimals of the file write it as "
    "0: a filter divides by its a0, so no filter has an a0 of 0.";

INSTANTIATE_TEST_SUITE_P(
    Messages, CoeffValidator,
    ::testing::Values(
        ValidateCase{"OneLine", {kTitle}, 0, k166}, ValidateCase{"TwoLines", {kTitle, kB}, 0, k166},
        ValidateCase{"EightLines", {kTitle, kB, "1 2", "1 2", "1 2", kA, "1 2", "1 2"}, 0, k166},
        ValidateCase{"NoB0", {kTitle, "   x0 x1", "1 2", kA, "1 2"}, 2, k167},
        ValidateCase{"CommaInRow", {kTitle, kB, "1 2", "1, 2", kA, "1 2", "1 2"}, 4, k168},
        ValidateCase{"SignOnlyToken", {kTitle, kB, "1 - 2", kA, "1 2 3"}, 3, k173("b1", "-")},
        // A run of number characters is read whole, never the number at its front.
        ValidateCase{"TwoPoints", {kTitle, kB, "1 1.0.5 2", kA, "1 2 3"}, 3, k173("b1", "1.0.5")},
        ValidateCase{"Overflow", {kTitle, kB, "1 2 3", kA, "1 2 1e400"}, 5, k173("a2", "1e400")},
        ValidateCase{"DoubleSign", {kTitle, kB, "+-1 2", kA, "1 2"}, 3, k173("b0", "+-1")},
        ValidateCase{
            "TrailingE", {kTitle, kB, "1 2", "1 2", kA, "1 2", "1 2e"}, 7, k173("a1", "2e")},
        ValidateCase{"EmptyRow", {kTitle, kB, "", kA, "1 2"}, 3, k169},
        ValidateCase{"OneCoefficient", {kTitle, kB, "1.5", kA, "1 2"}, 3, k169},
        ValidateCase{"NoA0", {kTitle, kB, "1 2", "3 4", "a1", "1 2", "1 2"}, 5, k170},
        ValidateCase{"BadDenominator", {kTitle, kB, "1 2", kA, "1 x"}, 5, k168},
        ValidateCase{"ShorterARow", {kTitle, kB, "1 2 3", "1 2 3", kA, "1 2 3", "1 2"}, 7, k171},
        // An a0 of 0 in itself, in any filter of the file, even where the response stays
        // finite (0 0.1 0.2 gave a +18 dB filter), and an a0 that the file's fifteen
        // decimals write as 0 (1e-320, 1e-16).
        ValidateCase{"ZeroA0", {kTitle, kB, "1 0 0", "1 0 0", kA, "1 0 0", "0 0 0"}, 7, k174},
        ValidateCase{"ZeroA0FiniteResponse",
                     {kTitle, kB, "1 0 0", "1 0 0", kA, "1 0 0", "0 0.1 0.2"},
                     7,
                     k174},
        ValidateCase{"ZeroA0FirstFilter",
                     {kTitle, kB, "1 0 0", "1 0 0", kA, "0.0 0.1 0.2", "1 0 0"},
                     6,
                     k174},
        ValidateCase{"NegativeZeroA0", {kTitle, kB, "1 0", kA, "-0 0.5"}, 5, k174},
        ValidateCase{"TinyA0", {kTitle, kB, "1 0 0", "1 0 0", kA, "1 0 0", "1e-320 0 0"}, 7, k174},
        ValidateCase{
            "A0WrittenAsZero", {kTitle, kB, "1 0 0", "1 0 0", kA, "1 0 0", "1e-16 0 0"}, 7, k174},
        // Finite coefficients whose response is not finite: numerators whose sum is beyond
        // the largest double, a denominator that is 0 on the unit circle.
        ValidateCase{"HugeB",
                     {kTitle, kB, "1 0 0", "1e308 1e308 1e308", kA, "1 0 0", "1 0 0"},
                     7,
                     k172},
        ValidateCase{"PoleOnTheCircle", {kTitle, kB, "1 0 0", kA, "1 0 -1"}, 5, k172}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FilterCoeffFile, CapitalHeadingsAndExponentsPass)
{
    const std::string text = kTitle + "\r\n   B0   B1   B2\r\n1e-3 -0.5 2E+1\r\n   A0 A1 A2\r\n"
                                      "1 -1.5e0 .25\r\n";
    RecordingReport report;
    FilterCoeffFile file(&report);
    ASSERT_TRUE(file.OpenText(text, "caps.flt"));
    ASSERT_TRUE(file.Validate());
    CMatrixPtrArray b;
    file.SkipToNumeratorRows();
    file.ReadCoefficientRow(b);
    EXPECT_EQ(Values(b.GetAt(0)), (std::vector<double>{1e-3, -0.5, 20.0}));
    EXPECT_TRUE(report.reports.empty());
}

TEST(FilterCoeffFile, NotOpenedIsFalseWithoutReport)
{
    RecordingReport report;
    FilterCoeffFile file(&report);
    EXPECT_FALSE(file.Validate());
    EXPECT_TRUE(report.reports.empty());
}
