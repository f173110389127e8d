// Each kind's Calculate reaches its numerical function with the right arguments, gain
// conversions included: the coefficients must equal those of calling the numerics directly.
#include "filters/FilterLists.h"
#include "filters/SectionDesigners.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
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

TEST(FilterCalculate, CoefficientsFollowTheParametersAtEveryCall)
{
    CDigEQFilter filter;
    filter.Parse("EQ-1, 6, 100, 1000, No, Yes, 1", kFs);
    filter.Calculate();
    const std::vector<double> first = Elements(*filter.GetB());
    filter.Parse("EQ-1, 6, 100, 2000, No, Yes, 1", kFs);
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
