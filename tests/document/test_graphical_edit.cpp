// Single filters changed by label: deletion through the grid, the EQ modifiable mark and
// the active mark.
#include "tests/document/CalculationFixture.h"
#include "tests/document/DocumentFixture.h"

#include <algorithm>

namespace
{
class GraphicalEditTest : public DocumentTest
{
protected:
    void SetUp() override
    {
        DocumentTest::SetUp();
        app.OpenFilterEditor();
        for (int n = 1; n <= 3; ++n)
            eq().Add(MakeEQ(1.0, 100.0, 1000.0 * n, true, true, n));
        auto hp = std::make_unique<CDigHighPass_B>();
        hp->SetLabelNumber(1);
        hp->m_ActiveMode.TurnOn();
        doc->m_FilterLists.m_HighPass_BFilters.Add(std::move(hp));
        doc->m_CalculatedEQFilters.Add(MakeEQ(1.0, 100.0, 5000.0, true, true, 7));
    }
    CDigEQFilterArray& eq() { return doc->m_FilterLists.m_EQFilters; }
    std::vector<std::string> EQLabels()
    {
        std::vector<std::string> labels;
        for (int i = 0; i < eq().GetSize(); ++i)
            labels.push_back(eq().GetAt(i)->GetLabel());
        return labels;
    }
};

TEST_F(GraphicalEditTest, DeleteRemovesTheGridRowThenTheFilter)
{
    EXPECT_TRUE(doc->DeleteFilterByName("EQ-2", true));
    EXPECT_EQ(EQLabels(), (std::vector<std::string>{"EQ-1", "EQ-3"}));
    ASSERT_EQ(app.gridDeletions.size(), 1u);
    EXPECT_EQ(app.gridDeletions[0].kind, int(kKindEQ));
    EXPECT_TRUE(app.gridDeletions[0].bAsk);

    EXPECT_TRUE(doc->DeleteFilterByName("HPB-1", true));
    EXPECT_EQ(doc->m_FilterLists.m_HighPass_BFilters.GetSize(), 0);
    EXPECT_EQ(app.gridDeletions.back().kind, int(kKindHPB));
}

TEST_F(GraphicalEditTest, DeleteRefusalsChangeNoList)
{
    struct Case
    {
        const char* label;
        bool bEditor;
        bool bGridAgrees;
        std::size_t gridCalls;
    };
    const Case cases[] = {
        {"EQ-2", false, true, 1}, // no filter editor
        {"EQ-2", true, false, 1}, // Cancel in the grid
        {"XX-1", true, true, 0},  // a label of no kind
        {"EQ-9", true, true, 1},  // in the grid only: the row goes, the list stays
        {"eq-2", true, true, 0},  // case matters
        {"EQ-7", true, true, 1},  // the calculated filters are not searched
        {"EQ-22", true, true, 1}, // an exact match only
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.label);
        app.filterEditorCreated = c.bEditor;
        app.gridDeleteAnswer = c.bGridAgrees;
        app.gridDeletions.clear();
        EXPECT_FALSE(doc->DeleteFilterByName(c.label, true));
        EXPECT_EQ(app.gridDeletions.size(), c.gridCalls);
        EXPECT_EQ(eq().GetSize(), 3);
        EXPECT_EQ(doc->m_CalculatedEQFilters.GetSize(), 1);
    }
}

TEST_F(GraphicalEditTest, MarkFixedAndModifiablePostTheEQPageRefresh)
{
    const int refresh = eq().GetCommandId();
    EXPECT_TRUE(doc->SetEQFilterFixed("EQ-3"));
    EXPECT_FALSE(eq().GetAt(2)->m_ModifiableMode.IsOn());
    EXPECT_TRUE(eq().GetAt(1)->m_ModifiableMode.IsOn());
    EXPECT_EQ(app.mainFrameCommands, std::vector<int>{refresh});
    EXPECT_TRUE(doc->SetEQFilterModifiable("EQ-3"));
    EXPECT_TRUE(eq().GetAt(2)->m_ModifiableMode.IsOn());
    EXPECT_EQ(app.mainFrameCommands.size(), 2u);
}

TEST_F(GraphicalEditTest, MarksLookOnlyAtTheUserEQList)
{
    for (const char* label : {"HPB-1", "EQ-7", "eq-1", "EQ-", "EQ-10"})
    {
        SCOPED_TRACE(label);
        EXPECT_FALSE(doc->SetEQFilterFixed(label));
        EXPECT_FALSE(doc->SetEQFilterModifiable(label));
    }
    EXPECT_TRUE(app.mainFrameCommands.empty());
    EXPECT_TRUE(doc->m_CalculatedEQFilters.GetAt(0)->m_ModifiableMode.IsOn());
}

TEST_F(GraphicalEditTest, SetActiveFindsTheLabelInAnyListAndSpareTheFilterView)
{
    std::vector<int> refreshes;
    doc->m_FilterLists.SetRefreshNotifier([&](int id) { refreshes.push_back(id); });
    EXPECT_TRUE(doc->SetFilterActive("HPB-1", 0));
    EXPECT_FALSE(doc->m_FilterLists.m_HighPass_BFilters.GetAt(0)->m_ActiveMode.IsOn());
    EXPECT_EQ(refreshes, std::vector<int>{doc->m_FilterLists.m_HighPass_BFilters.GetCommandId()});
    EXPECT_TRUE(filter.hints.empty());
    EXPECT_EQ(response.hints, std::vector<int>{kHintSettingsApplied});

    EXPECT_TRUE(doc->SetFilterActive("EQ-2", 0));
    EXPECT_FALSE(eq().GetAt(1)->m_ActiveMode.IsOn());
    EXPECT_TRUE(doc->SetFilterActive("EQ-2", 1));
    EXPECT_TRUE(eq().GetAt(1)->m_ActiveMode.IsOn());

    EXPECT_FALSE(doc->SetFilterActive("EQ-7", 0));
    EXPECT_TRUE(doc->m_CalculatedEQFilters.GetAt(0)->m_ActiveMode.IsOn());
    EXPECT_FALSE(doc->SetFilterActive("NT-1", 0));
    doc->m_FilterLists.SetRefreshNotifier({});
}
} // namespace
