// Label tests, label forming and label numbers of the seventeen filter kinds.
#include "filters/FilterKinds.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
using LabelTest = bool (*)(const std::string&);

struct NamedTest
{
    const char* name;
    LabelTest test;
};

const std::vector<NamedTest> kTests{
    {"EQ", IsEQLabel},     {"TS", IsTSLabel},     {"BS", IsBSLabel},     {"HPB", IsHPBLabel},
    {"HPLR", IsHPLRLabel}, {"LPB", IsLPBLabel},   {"LPLR", IsLPLRLabel}, {"NT", IsNTLabel},
    {"C1HP", IsC1HPLabel}, {"C1LP", IsC1LPLabel}, {"B1HP", IsB1HPLabel}, {"B1LP", IsB1LPLabel},
    {"LOPT", IsLOPTLabel}, {"HIPT", IsHIPTLabel}, {"VQLP", IsVQLPLabel}, {"VQHP", IsVQHPLabel},
    {"ALPS", IsALPSLabel},
};

// The names of the tests that hold for the text.
std::vector<std::string> Passing(const std::string& text)
{
    std::vector<std::string> names;
    for (const NamedTest& t : kTests)
        if (t.test(text))
            names.push_back(t.name);
    return names;
}

using Names = std::vector<std::string>;
} // namespace

TEST(FilterKinds, EachLabelPassesExactlyItsOwnTest)
{
    const struct
    {
        const char* text;
        Names expected;
    } cases[] = {
        {"EQ-12, 3.000000, 1.0", {"EQ"}},
        {"EQ-12", {"EQ"}},
        {" EQ-1", {"EQ"}}, // the prefix may stand anywhere in field 0
        {"XEQ-1", {"EQ"}},
        {"eq-1", {}},      // case matters
        {"1.0, EQ-1", {}}, // only field 0 counts
        {"HPLR-2", {"HPLR"}},
        {"HPB-2", {"HPB"}},
        {"B1HP-1", {"B1HP"}},
        {"C1LP-4", {"C1LP"}},
        {"VQLP-1", {"VQLP"}},
        {"VQHP-1", {"VQHP"}},
        {"ALPS-3", {"ALPS"}},
        {"TS-1", {"TS"}},
        {"BS-1", {"BS"}},
        {"LPLR-1", {"LPLR"}},
        {"NT-1", {"NT"}},
        {"", {}},
        {"Error", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Passing(c.text), c.expected) << c.text;
}

TEST(FilterKinds, GenericLabelsAreTheFiveSharedKinds)
{
    for (const char* text : {"LOPT-1", "HIPT-2", "VQLP-3", "VQHP-1", "ALPS-3"})
        EXPECT_TRUE(IsGenericLabel(text)) << text;
    for (const char* text : {"EQ-3", "HPB-1", "", "1.0, ALPS-1"})
        EXPECT_FALSE(IsGenericLabel(text)) << text;
    EXPECT_EQ(FindGenericLabelKind("VQLP-2"), kKindVQLP);
    EXPECT_EQ(FindGenericLabelKind("VQHP-2"), kKindVQHP);
    EXPECT_EQ(FindGenericLabelKind("EQ-2"), -1);
}

TEST(FilterKinds, ParameterFileOrderPutsVQLPBeforeVQHP)
{
    const auto& order = ParameterFileKindOrder();
    ASSERT_EQ(order.size(), 17u);
    EXPECT_EQ(order[14], kKindVQLP);
    EXPECT_EQ(order[15], kKindVQHP);
    EXPECT_EQ(order[16], kKindALPS);
    // A label with two prefixes belongs to the kind that comes first in that order.
    EXPECT_EQ(FindLabelKind("HPB-EQ-1"), kKindEQ);
    EXPECT_EQ(FindLabelKind("ALPS-VQHP-VQLP-1"), kKindVQLP);
    EXPECT_EQ(FindLabelKind("Gain, EQ-1"), -1);
}

TEST(FilterKinds, PrefixesAndRefreshCommands)
{
    const struct
    {
        EFilterKind kind;
        const char* prefix;
        int command;
    } cases[] = {
        {kKindEQ, "EQ-", 32837},     {kKindTS, "TS-", 32838},     {kKindBS, "BS-", 32839},
        {kKindHPB, "HPB-", 32840},   {kKindHPLR, "HPLR-", 32841}, {kKindLPB, "LPB-", 32842},
        {kKindLPLR, "LPLR-", 32843}, {kKindNT, "NT-", 32844},     {kKindC1HP, "C1HP-", 32845},
        {kKindC1LP, "C1LP-", 32846}, {kKindB1HP, "B1HP-", 32885}, {kKindB1LP, "B1LP-", 32886},
        {kKindLOPT, "LOPT-", 32888}, {kKindHIPT, "HIPT-", 32890}, {kKindVQHP, "VQHP-", 32894},
        {kKindVQLP, "VQLP-", 32892}, {kKindALPS, "ALPS-", 32923},
    };
    for (const auto& c : cases)
    {
        EXPECT_EQ(FilterKindPrefix(c.kind), c.prefix);
        EXPECT_EQ(FilterKindInfo(c.kind).refreshCommand, c.command) << c.prefix;
    }
}

TEST(FilterKinds, FormingALabel)
{
    std::string label = "TS-3";
    EXPECT_FALSE(FormLabel("TS-", 0, label));
    EXPECT_FALSE(FormLabel("TS-", -5, label));
    EXPECT_EQ(label, "TS-3");
    EXPECT_TRUE(FormLabel("TS-", 7, label));
    EXPECT_EQ(label, "TS-7");
}

TEST(FilterKinds, ReadingTheLabelNumber)
{
    const struct
    {
        const char* label;
        int number;
    } cases[] = {
        {"EQ-12", 12}, {"EQ-", 0},   {"Error", 0},  {"HPLR-1", 1},
        {"EQ-x3", 0},  {"EQ- 4", 4}, {"EQ-5-6", 5}, {"EQ-99999999999", 2147483647},
        {"", 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ReadLabelNumber(c.label), c.number) << c.label;
}
