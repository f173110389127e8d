// Each kind's Calculate reaches its numerical function with the right arguments, gain
// conversions included: the coefficients must equal those of calling the numerics directly.
#include "filters/FilterDesignCheck.h"
#include "filters/FilterLists.h"
#include "filters/SectionDesigners.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <iterator>
#include <limits>
#include <memory>
#include <string>
#include <vector>

namespace
{
constexpr int kFs = 48000;
const mwMatrix kFsMatrix{double(kFs)};

mwMatrix M(double v)
{
    return mwMatrix(v);
}

struct Section
{
    mwMatrix b;
    mwMatrix a;
};

struct CalculateCase
{
    const char* line;
    std::function<std::unique_ptr<CDigFilterBase>()> make;
    std::function<Section()> direct;
};

template <class T> std::function<std::unique_ptr<CDigFilterBase>()> Make()
{
    return [] { return std::make_unique<T>(); };
}

template <class Designer> Section TwoOutputs(const Designer& designer, const auto&... inputs)
{
    Section s;
    s.b = designer(&s.a, inputs...);
    return s;
}

const std::vector<CalculateCase>& Cases()
{
    static const std::vector<CalculateCase> cases{
        {"EQ-1, 6, 100, 1000, No, Yes, 1", Make<CDigEQFilter>(),
         []
         {
             Section s;
             s.b = apcoef80(&s.a, nullptr, nullptr, nullptr, M(std::pow(10.0, 6.0 / 20.0)), M(100),
                            M(1000), kFsMatrix);
             return s;
         }},
        {"EQ-2, 0, 300, 2000, Yes, Yes, 2", Make<CDigEQFilter>(),
         []
         {
             Section s;
             s.b = apcoef80(&s.a, nullptr, nullptr, nullptr, M(1.0), M(300), M(2000), kFsMatrix);
             return s;
         }},
        {"TS-1, 4.5, 6000, Yes, 3", Make<CDigTrebleShelf>(),
         [] { return TwoOutputs(soshelft, M(6000), kFsMatrix, M(std::pow(10.0, 4.5 / 20.0))); }},
        {"BS-1, -12, 100, Yes, 4", Make<CDigBassShelf>(),
         [] { return TwoOutputs(soshelfb, M(100), kFsMatrix, M(std::pow(10.0, -12.0 / 20.0))); }},
        {"NT-1, 50, 1000, Yes, 5", Make<CDigNotch>(),
         [] { return TwoOutputs(notch, M(50), M(1000), kFsMatrix); }},
        {"HPB-1, 120, Yes, 6", Make<CDigHighPass_B>(),
         [] { return TwoOutputs(soBUT, M(120), kFsMatrix, mwMatrix("high")); }},
        {"LPB-1, 2500, Yes, 7", Make<CDigLowPass_B>(),
         [] { return TwoOutputs(soBUT, M(2500), kFsMatrix, mwMatrix("low")); }},
        {"HPLR-1, 80, Yes, 8", Make<CDigHighPass_LR>(),
         [] { return TwoOutputs(soLR, M(80), kFsMatrix, mwMatrix("high")); }},
        {"LPLR-1, 3000, Yes, 9", Make<CDigLowPass_LR>(),
         [] { return TwoOutputs(soLR, M(3000), kFsMatrix, mwMatrix("low")); }},
        {"C1HP-1, 200, 0.5, Yes, 10", Make<CDigCheby_1HP>(),
         [] { return TwoOutputs(soCHBI, M(200), kFsMatrix, M(0.5), mwMatrix("high")); }},
        {"C1LP-1, 5000, 1.25, Yes, 11", Make<CDigCheby_1LP>(),
         [] { return TwoOutputs(soCHBI, M(5000), kFsMatrix, M(1.25), mwMatrix("low")); }},
        {"B1HP-1, 30, Yes, 12", Make<CDigButterworth_1HP>(),
         [] { return TwoOutputs(foBUT, M(30), kFsMatrix, mwMatrix("high")); }},
        {"B1LP-1, 15000, Yes, 13", Make<CDigButterworth_1LP>(),
         [] { return TwoOutputs(foBUT, M(15000), kFsMatrix, mwMatrix("low")); }},
        {"LOPT-1, 4, 100, 400, Yes, 14", Make<CDigGenericFilter>(),
         [] { return TwoOutputs(soHB, M(4), M(100), M(400), kFsMatrix); }},
        {"HIPT-1, -2.5, 2000, 8000, Yes, 15", Make<CDigGenericFilter>(),
         [] { return TwoOutputs(soLT, M(-2.5), M(2000), M(8000), kFsMatrix); }},
        {"VQHP-1, 60, 0.707, Yes, 16", Make<CDigGenericFilter>(),
         [] { return TwoOutputs(soVQ, M(60), kFsMatrix, M(0.707), mwMatrix("high")); }},
        {"VQLP-1, 12000, 1.5, Yes, 17", Make<CDigGenericFilter>(),
         [] { return TwoOutputs(soVQ, M(12000), kFsMatrix, M(1.5), mwMatrix("low")); }},
        {"ALPS-1, 200, 1500, Yes, 18", Make<CDigGenericFilter>(),
         [] { return TwoOutputs(allpassfilters, M(200), M(1500), kFsMatrix); }},
    };
    return cases;
}

std::vector<double> Elements(const mwMatrix& m)
{
    std::vector<double> values;
    for (int i = 1; i <= m.NumberOfElements(); ++i)
        values.push_back(m.RealElement(i));
    return values;
}
} // namespace

TEST(FilterCalculate, EveryKindGivesTheCoefficientsOfItsNumericalFunction)
{
    for (const CalculateCase& c : Cases())
    {
        auto filter = c.make();
        ASSERT_TRUE(filter->Parse(c.line, kFs)) << c.line;
        ASSERT_TRUE(filter->Calculate()) << c.line;
        const Section expected = c.direct();
        EXPECT_FALSE(expected.b.IsEmpty()) << c.line;
        EXPECT_EQ(Elements(*filter->GetB()), Elements(expected.b)) << c.line;
        EXPECT_EQ(Elements(*filter->GetA()), Elements(expected.a)) << c.line;
    }
}

TEST(FilterCalculate, HighAndLowKindsDiffer)
{
    CDigHighPass_B high;
    CDigLowPass_B low;
    high.Parse("HPB-1, 1000, Yes, 1", kFs);
    low.Parse("LPB-1, 1000, Yes, 2", kFs);
    high.Calculate();
    low.Calculate();
    EXPECT_NE(Elements(*high.GetB()), Elements(*low.GetB()));
}

TEST(FilterCalculate, CoefficientsFollowTheParametersAtEveryCall)
{
    CDigNotch filter;
    filter.Parse("NT-1, 50, 1000, Yes, 1", kFs);
    filter.Calculate();
    const std::vector<double> first = Elements(*filter.GetB());
    filter.Parse("NT-1, 50, 2000, Yes, 1", kFs);
    filter.Calculate();
    EXPECT_NE(Elements(*filter.GetB()), first);
}

TEST(FilterCalculate, ListsCollectTheDesignedSections)
{
    CFilterLists lists;
    lists.m_EQFilters.Add(std::make_unique<CDigEQFilter>())
        ->Parse("EQ-1, 6, 100, 1000, No, Yes, 1", kFs);
    lists.m_EQFilters.Add(std::make_unique<CDigEQFilter>())
        ->Parse("EQ-2, 3, 100, 500, Yes, Yes, 2", kFs);
    CMatrixPtrArray a;
    CMatrixPtrArray b;
    lists.m_EQFilters.GetFixedCoefficients(a, b);
    ASSERT_EQ(b.GetSize(), 1);
    EXPECT_EQ(Elements(b.GetAt(0)), Elements(*lists.m_EQFilters.GetAt(0)->GetB()));
    EXPECT_EQ(Elements(a.GetAt(0)).size(), 3u);
}

// Parameters that make no filter are named by the editor's column headings; every valid
// example of the table above designs.
TEST(FilterDesignCheck, ParametersThatMakeNoFilterAreNamed)
{
    for (const CalculateCase& c : Cases())
    {
        auto filter = c.make();
        ASSERT_TRUE(filter->Parse(c.line, kFs)) << c.line;
        EXPECT_EQ(FilterDesignProblem(*filter), "") << c.line;
    }
    const struct
    {
        const char* line;
        std::function<std::unique_ptr<CDigFilterBase>()> make;
        const char* problem;
    } bad[] = {
        {"EQ-1, 6, 0, 1000, Yes, Yes, 1", Make<CDigEQFilter>(), "the Bandwidth must be above 0."},
        {"EQ-1, 6, 100, 0, Yes, Yes, 1", Make<CDigEQFilter>(),
         "the Center Frequency must be above 0 Hz and below half the sample rate (24000 Hz)."},
        {"EQ-1, nan, 100, 1000, Yes, Yes, 1", Make<CDigEQFilter>(),
         "the Gain in DB must be a number."},
        {"TS-1, 4.5, 30000, Yes, 3", Make<CDigTrebleShelf>(),
         "the Cut Frequency must be above 0 Hz and below half the sample rate (24000 Hz)."},
        {"NT-1, -5, 1000, Yes, 5", Make<CDigNotch>(), "the Bandwidth must be above 0."},
        {"HPB-1, 0, Yes, 6", Make<CDigHighPass_B>(),
         "the Cut Frequency must be above 0 Hz and below half the sample rate (24000 Hz)."},
        {"C1HP-1, 200, 0, Yes, 10", Make<CDigCheby_1HP>(), "the Passband Ripple must be above 0."},
        {"LOPT-1, 4, 400, 100, Yes, 14", Make<CDigGenericFilter>(),
         "the Lower Bandedge must be below the Upper Bandedge."},
        {"VQHP-1, 60, 0, Yes, 16", Make<CDigGenericFilter>(), "the Q must be above 0."},
        {"ALPS-1, 0, 1500, Yes, 18", Make<CDigGenericFilter>(), "the Bandwidth must be above 0."},
        // Finite parameters whose section has its poles on the unit circle.
        {"EQ-1, -1e308, 1, 1000, Yes, No, 1", Make<CDigEQFilter>(),
         "its parameters give no stable filter section."},
        {"HIPT-1, 3, 2000, 1000, Yes, 1", Make<CDigGenericFilter>(),
         "the Lower Bandedge must be below the Upper Bandedge."},
    };
    for (const auto& c : bad)
    {
        auto filter = c.make();
        ASSERT_TRUE(filter->Parse(c.line, kFs)) << c.line;
        EXPECT_EQ(FilterDesignProblem(*filter), c.problem) << c.line;
    }
}

// A section is finite only when every coefficient, both parts of a complex one, is a
// finite number.
TEST(FilterDesignCheck, CoefficientsThatAreNoFiniteNumbersAreFound)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const auto row = [](std::vector<double> v)
    { return mwMatrix(1, int(v.size()), v.data(), nullptr, 1); };
    const auto complexRow = [](double re, double im) { return mwMatrix(1, 1, &re, &im, 1); };
    const struct
    {
        mwMatrix a, b;
        bool bFinite;
    } cases[] = {
        {row({1, -1.9, 0.9}), row({1, 0.5, 0.25}), true},
        {row({1, -1.9, 0.9}), row({nan, 0.5, 0.25}), false},
        {row({1, -nan, 0.9}), row({1, 0.5, 0.25}), false},
        {row({1, -1.9, inf}), row({1, 0.5, 0.25}), false},
        {row({1, -1.9, 0.9}), row({1, -inf, 0.25}), false},
        {row({1, 1.7976931348623157e308, 0.9}), row({1, -4.9e-324, 0.25}), true},
        {complexRow(1.0, 0.5), row({1}), true},
        {complexRow(1.0, nan), row({1}), false},
        {complexRow(inf, 0.0), row({1}), false},
        {mwMatrix(), mwMatrix(), true},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(HasFiniteCoefficients(cases[i].a, cases[i].b), cases[i].bFinite) << i;
}

// Finite coefficients whose response is no finite number over the check grid: the a0 of 0,
// of 1e-320, and numerators whose sum is beyond the largest double.
TEST(FilterDesignCheck, ResponsesThatAreNoFiniteNumbersAreFound)
{
    const auto row = [](std::vector<double> v)
    { return mwMatrix(1, int(v.size()), v.data(), nullptr, 1); };
    const struct
    {
        mwMatrix a, b;
        bool bFinite;
    } cases[] = {
        {row({1, 0, 0}), row({1, 0, 0}), true},
        {row({1, -1.9, 0.9}), row({1, 0.5, 0.25}), true},
        {row({2, 0}), row({1e300, 0}), true},
        {row({0, 0, 0}), row({1, 0, 0}), false},
        {row({1e-320, 0, 0}), row({1, 0, 0}), false},
        {row({1, 0, 0}), row({1e308, 1e308, 1e308}), false},
        {row({1, -2, 1}), row({1, 0, 0}), false}, // a double pole at 0 Hz
    };
    for (std::size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(HasFiniteResponse(cases[i].a, cases[i].b), cases[i].bFinite) << i;
}

// The refusal of Draw and of the writers names each filter with why.
TEST(FilterDesignCheck, UndesignableFiltersAreNamedWithWhy)
{
    CDigEQFilter eq;
    eq.Parse("EQ-1, -1e308, 1, 1000, Yes, No, 1", kFs);
    EXPECT_EQ(FilterDesignFault(eq), "EQ-1: its parameters give no stable filter section.");
    eq.Parse("EQ-1, -3, 1, 1000, Yes, No, 1", kFs);
    EXPECT_EQ(FilterDesignFault(eq), "");
    EXPECT_EQ(UndesignableFiltersMessage({}, {"EQ-1: its parameters give no stable filter "
                                              "section."}),
              "These filters cannot be designed from their parameters:\n\nEQ-1: its parameters "
              "give no stable filter section.\n\nCorrect them in the filter editor.");
    EXPECT_EQ(UndesignableFiltersMessage("The header was left as it was",
                                         {"EQ-2: the Bandwidth must be above 0.",
                                          "HPB-1: the Cut Frequency must be above 0 Hz and below "
                                          "half the sample rate (24000 Hz)."}),
              "The header was left as it was.  These filters cannot be designed from their "
              "parameters:\n\nEQ-2: the Bandwidth must be above 0.\nHPB-1: the Cut Frequency "
              "must be above 0 Hz and below half the sample rate (24000 Hz).\n\nCorrect them in "
              "the filter editor.");
}

// A filter that comes in is refused when the six-decimal text the program writes of a
// parameter would read back as another filter; a gain loses nothing that matters, and a
// value of more decimals that keeps its meaning is taken.
TEST(FilterDesignCheck, ParametersThatSixDecimalsWouldChangeAreRefused)
{
    const struct
    {
        const char* line;
        std::function<std::unique_ptr<CDigFilterBase>()> make;
        const char* problem;
    } cases[] = {
        {"HPB-1, 0.0000004, Yes, 1", Make<CDigHighPass_B>(),
         "the Cut Frequency 4e-07 would be written with six decimals as 0.000000, and read back "
         "as another filter."},
        // 5e-7 Hz itself makes no stable section in double precision, at any sample rate.
        {"HPB-1, 0.0000005, Yes, 1", Make<CDigHighPass_B>(),
         "it cannot be designed at any sample rate the settings accept, from 1 Hz to 200000 "
         "Hz: its parameters give no stable filter section."},
        {"VQHP-1, 100, 0.0000004, Yes, 16", Make<CDigGenericFilter>(),
         "the Q 4e-07 would be written with six decimals as 0.000000, and read back as another "
         "filter."},
        {"NT-1, 0.0012345, 1000, Yes, 5", Make<CDigNotch>(),
         "the Bandwidth 0.0012345 would be written with six decimals as 0.001234, and read back "
         "as another filter."},
        {"HPB-1, 0.5, Yes, 1", Make<CDigHighPass_B>(), ""},
        {"HPB-1, 40.1234567, Yes, 1", Make<CDigHighPass_B>(), ""},
        {"VQHP-1, 100, 0.70710678, Yes, 16", Make<CDigGenericFilter>(), ""},
        {"EQ-1, 0.0000004, 1, 1000, Yes, No, 1", Make<CDigEQFilter>(), ""},
        {"EQ-1, -3.14159265, 0.33333333, 1000.0000001, Yes, No, 1", Make<CDigEQFilter>(), ""},
        // The design check comes first, and names the highest rate's half.
        {"HPB-1, 0, Yes, 1", Make<CDigHighPass_B>(),
         "it cannot be designed at any sample rate the settings accept, from 1 Hz to 200000 "
         "Hz: the Cut Frequency must be above 0 Hz and below half the sample rate (100000 Hz)."},
    };
    for (const auto& c : cases)
    {
        auto filter = c.make();
        ASSERT_TRUE(filter->Parse(c.line, kFs)) << c.line;
        EXPECT_EQ(IncomingFilterProblem(*filter), c.problem) << c.line;
        // The filter is left designed to its own parameters.
        if (std::string(c.problem).empty())
        {
            EXPECT_TRUE(FilterDesignProblem(*filter).empty()) << c.line;
        }
    }
}
