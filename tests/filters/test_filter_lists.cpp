// The typed filter lists: coefficient collection, Active by label with its refresh
// notification, naming of filters whose label lacks their prefix, and the set of all
// seventeen lists.
#include "../graph/AssertionCapture.h"
#include "filters/FilterLists.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace
{
// A filter whose "section" is B = [cut], A = [-cut], counting its designs; of the modes
// of the peaking kind or of every other kind.
template <EFilterModes kModes> class CFakeFilter : public CDigFilterOf<CPassSectionParams, kModes>
{
public:
    static constexpr EFilterKind kKind = kKindHPB;
    CFakeFilter() : CDigFilterOf<CPassSectionParams, kModes>(195, __FILE__) {}
    int m_nDesigns = 0;

protected:
    void Design() override
    {
        ++m_nDesigns;
        const double cut = ScalarValue(this->m_Params.m_CutFrequency);
        this->m_B.Assign(mwMatrix(cut));
        this->m_A.Assign(mwMatrix(-cut));
    }
};

using CFakeEQ = CFakeFilter<EFilterModes::ModifiableAndActive>;
using CFakeOther = CFakeFilter<EFilterModes::Active>;

template <class T> T* AddFake(CDigFilterArray<T>& list, double cut, bool active, bool modifiable)
{
    CPassSectionParams params;
    SetScalar(params.m_CutFrequency, cut);
    T* filter = list.Add(std::make_unique<T>());
    filter->SetParameters(params);
    filter->m_ActiveMode.SetState(active);
    filter->m_ModifiableMode.SetState(modifiable);
    return filter;
}

std::vector<double> Values(const CMatrixPtrArray& list)
{
    std::vector<double> values;
    for (int i = 0; i < list.GetSize(); ++i)
        values.push_back(ScalarValue(list.GetAt(i)));
    return values;
}

using Doubles = std::vector<double>;
} // namespace

TEST(FilterLists, ActiveCoefficientsSkipInactiveFiltersInListOrder)
{
    CDigFilterArray<CFakeOther> list;
    AddFake(list, 100, true, false);
    CFakeOther* off = AddFake(list, 200, false, false);
    CFakeOther* last = AddFake(list, 300, true, false);
    CMatrixPtrArray a;
    CMatrixPtrArray b;
    a.Add(mwMatrix(7.0)); // the lists are appended to, not replaced
    EXPECT_TRUE(list.GetActiveCoefficients(a, b));
    EXPECT_EQ(Values(a), (Doubles{7, -100, -300}));
    EXPECT_EQ(Values(b), (Doubles{100, 300}));
    EXPECT_EQ(off->m_nDesigns, 0);
    EXPECT_EQ(last->m_nDesigns, 1);
    // Shared copies of the filter's own values.
    EXPECT_EQ(b.GetAt(1).GetRef(), last->GetB()->GetRef());
}

TEST(FilterLists, FixedCoefficientsOfPeakingFiltersSkipModifiableOnes)
{
    CDigFilterArray<CFakeEQ> eq;
    AddFake(eq, 1, true, false);
    AddFake(eq, 2, true, true);
    AddFake(eq, 3, false, false);
    CMatrixPtrArray a;
    CMatrixPtrArray b;
    eq.GetFixedCoefficients(a, b);
    EXPECT_EQ(Values(b), (Doubles{1}));
    a.RemoveAll();
    b.RemoveAll();
    eq.GetActiveCoefficients(a, b);
    EXPECT_EQ(Values(b), (Doubles{1, 2}));

    // Other kinds: the modifiable mode plays no part.
    CDigFilterArray<CFakeOther> other;
    AddFake(other, 1, true, false);
    AddFake(other, 2, true, true);
    CMatrixPtrArray fa, fb;
    other.GetFixedCoefficients(fa, fb);
    EXPECT_EQ(Values(fb), (Doubles{1, 2}));
}

TEST(FilterLists, FilterWithoutParametersContributesItsOldCoefficients)
{
    AssertionCapture capture;
    CDigFilterArray<CFakeOther> list;
    list.Add(std::make_unique<CFakeOther>());
    CMatrixPtrArray a, b;
    list.GetActiveCoefficients(a, b);
    ASSERT_EQ(a.GetSize(), 1);
    EXPECT_TRUE(a.GetAt(0).IsEmpty());
    EXPECT_TRUE(capture.reported("m_InitializedMode.IsOn()"));
}

TEST(FilterLists, SetActiveByLabelNotifiesTheKindsRefreshCommand)
{
    std::vector<int> posted;
    CDigHighPass_BArray list;
    list.SetRefreshNotifier([&](int id) { posted.push_back(id); });
    EXPECT_FALSE(list.SetActiveByLabel("HPB-4", 0)); // empty list
    for (const char* label : {"HPB-1", "HPB-4", "HPB-4"})
        list.Add(std::make_unique<CDigHighPass_B>())->SetLabel(label);

    EXPECT_TRUE(list.SetActiveByLabel("HPB-4", 0));
    EXPECT_FALSE(list.GetAt(1)->m_ActiveMode.IsOn());
    EXPECT_TRUE(list.GetAt(2)->m_ActiveMode.IsOn()); // the first match only
    EXPECT_EQ(posted, (std::vector<int>{32840}));

    EXPECT_FALSE(list.SetActiveByLabel("LPB-4", 0)); // other first characters
    EXPECT_FALSE(list.SetActiveByLabel("HPB-9", 0)); // not in the list
    EXPECT_FALSE(list.SetActiveByLabel("HPB-", 0));
    EXPECT_EQ(posted.size(), 1u);
    EXPECT_TRUE(list.SetActiveByLabel("HPB-4", 1));
    EXPECT_TRUE(list.GetAt(1)->m_ActiveMode.IsOn());
    EXPECT_EQ(posted.size(), 2u);
}

TEST(FilterLists, UnnamedFiltersGetTheNextFreeNumberOfTheirKind)
{
    CDigNotchArray list;
    list.Add(std::make_unique<CDigNotch>())->SetLabel("NT-2");
    CDigNotch* unnamed = list.Add(std::make_unique<CDigNotch>());
    EXPECT_FALSE(unnamed->SetLabel("Woofer notch"));
    list.Add(std::make_unique<CDigNotch>())->SetLabel("NT-7");
    CDigNotch* second = list.Add(std::make_unique<CDigNotch>());
    EXPECT_EQ(list.LabelUnnamedFilters(), 2);
    EXPECT_EQ(unnamed->GetLabel(), "NT-8");
    EXPECT_EQ(second->GetLabel(), "NT-9");
    EXPECT_EQ(list.LabelUnnamedFilters(), 0);

    // A generic filter carries its kind's prefix, not that of another kind.
    CDigGenericFilterArray plateaus;
    CDigGenericFilter* plateau = plateaus.Add(std::make_unique<CDigGenericFilter>());
    CDigGenericFilterParams params;
    params.m_nKind = kKindHIPT;
    plateau->SetParameters(params);
    EXPECT_FALSE(plateau->SetLabel("EQ-3"));
    plateaus.LabelUnnamedFilters();
    EXPECT_EQ(plateau->GetLabel(), "HIPT-1");

    // A generic filter whose kind is unknown has no prefix to name it by.
    CDigGenericFilterArray unknown;
    unknown.Add(std::make_unique<CDigGenericFilter>());
    EXPECT_EQ(unknown.LabelUnnamedFilters(), 0);
}

TEST(FilterLists, DetachHandsAFilterOverAndRemoveDeletes)
{
    CDigEQFilterArray calculated;
    CDigEQFilterArray edited;
    calculated.Add(std::make_unique<CDigEQFilter>())->SetLabelNumber(100);
    calculated.Add(std::make_unique<CDigEQFilter>())->SetLabelNumber(101);
    while (!calculated.IsEmpty())
        edited.Add(calculated.Detach(0));
    ASSERT_EQ(edited.GetSize(), 2);
    EXPECT_EQ(edited.GetAt(1)->GetLabel(), "EQ-101");
    edited.RemoveAt(0);
    EXPECT_EQ(edited.GetAt(0)->GetLabel(), "EQ-101");
}

TEST(FilterLists, AllSeventeenListsWithTheirCommands)
{
    CFilterLists lists;
    std::vector<int> kinds;
    std::vector<int> commands;
    lists.ForEach(
        [&](EFilterKind kind, auto& list)
        {
            kinds.push_back(kind);
            commands.push_back(list.GetCommandId());
        });
    EXPECT_EQ(kinds, (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 15, 14, 16}));
    EXPECT_EQ(commands,
              (std::vector<int>{32837, 32838, 32839, 32840, 32841, 32842, 32843, 32844, 32845,
                                32846, 32885, 32886, 32888, 32890, 32892, 32894, 32923}));

    std::vector<int> posted;
    lists.SetRefreshNotifier([&](int id) { posted.push_back(id); });
    lists.m_HighVariQFilters.Add(std::make_unique<CDigGenericFilter>())
        ->Parse("VQHP-1, 60, 0.7, Yes, 1", 48000);
    EXPECT_TRUE(lists.m_HighVariQFilters.SetActiveByLabel("VQHP-1", 0));
    EXPECT_EQ(posted, (std::vector<int>{32894}));
    EXPECT_EQ(lists.GetTotalCount(), 1);
    lists.RemoveAll();
    EXPECT_EQ(lists.GetTotalCount(), 0);
}
