#include "device/DeviceDataReadBack.h"
#include "device/DeviceDataText.h"
#include "filters/FilterLists.h"
#include "tests/device/TestData.h"

#include <gtest/gtest.h>

namespace
{
// A block with the line between two lines that are always taken, NT-2 and EQ-3.
std::vector<std::string> BetweenTakenLines(const char* line)
{
    return {"!# Filter Parameters\r\n", "!# NT-2, 50.000000, 60.000000, Yes, 1\r\n", line,
            "!# EQ-3, -3.000000, 200.000000, 3000.000000, Yes, Yes, 9\r\n"};
}
} // namespace

TEST(DeviceDataReadBack, CommentLinesBecomeFiltersAddedEachTime)
{
    const std::vector<std::string> lines = SplitDeviceDataText(ReadFile("qzx2202.eq"));
    CFilterLists lists;
    EXPECT_EQ(ParameterLinesToFilters(lines, lists, 48000), 7);
    EXPECT_EQ(ParameterLinesToFilters(lines, lists, 48000), 7);
    ASSERT_EQ(lists.m_EQFilters.GetSize(), 14);
    EXPECT_EQ(lists.m_EQFilters.GetAt(2)->GetLabel(), "EQ-3");
    EXPECT_EQ(lists.m_EQFilters.GetAt(2)->GetOutputOrder(), 3);
    EXPECT_EQ(lists.GetTotalCount(), 14);
}

TEST(DeviceDataReadBack, SecondBankWithinTheRegisterCountIsDecoded)
{
    const std::vector<std::string> lines = SplitDeviceDataText(ReadFile("qzx2202.eq"));
    for (int registers : {6, 7})
    {
        CMatrixPtrArray listA, listB;
        ASSERT_EQ(CollectCoefficientLines(lines, registers, listA, listB), registers);
        // "13 010000 010111 010222 010333 010444"
        EXPECT_EQ(listB.GetAt(0).RealElement(1), 0x010000 / 1048576.0);
        EXPECT_EQ(listB.GetAt(0).RealElement(3), 0x010222 / 1048576.0);
        EXPECT_EQ(listA.GetAt(0).RealElement(1), 1.0);
        EXPECT_EQ(listA.GetAt(0).RealElement(3), 0x010444 / 1048576.0);
    }
    // Words with bit 23 set are negative; 700000 is positive.
    const std::vector<std::string> signs = {"13 800000 FFFFFF 700000 7FFFFF ZZ\r\n"};
    CMatrixPtrArray listA, listB;
    ASSERT_EQ(CollectCoefficientLines(signs, 6, listA, listB), 1);
    EXPECT_EQ(listB.GetAt(0).RealElement(1), -8.0);
    EXPECT_EQ(listB.GetAt(0).RealElement(2), -1.0 / 1048576.0);
    EXPECT_EQ(listB.GetAt(0).RealElement(3), 7.0);
    EXPECT_EQ(listA.GetAt(0).RealElement(2), 0x7FFFFF / 1048576.0);
    EXPECT_EQ(listA.GetAt(0).RealElement(3), 0.0);
}

TEST(DeviceDataReadBack, ReplacingTheBlockKeepsEveryOtherLineInPlace)
{
    std::vector<std::string> lines = SplitDeviceDataText(ReadFile("qzx2201.eq"));
    lines.push_back("21 000000 000000 000000 000000 000000    Left Loudness Biquad\r\n");
    lines.push_back("22 000000 000000 000000 000000 000000    Right Loudness Biquad\r\n");
    const std::vector<std::string> before = lines;
    CFilterBlock block;
    block.texts = {"!# EQ-9, 1.000000, 2.000000, 900.000000, No, Yes, 1\r\n"};
    block.coefficientLines = {"100000 000000 000000 000000 000000\r\n"};
    block.count = 1;
    std::vector<std::string> warnings;
    ASSERT_TRUE(ReplaceFilterBlockInPlace(lines, block, 6, warnings));
    ASSERT_EQ(lines.size(), before.size() - 18 + 3);
    for (std::size_t i = 0; i < 10; ++i)
        EXPECT_EQ(lines[i], before[i]);
    EXPECT_EQ(lines[10], block.texts[0]);
    EXPECT_EQ(lines[11], "0A " + block.coefficientLines[0]);
    EXPECT_EQ(lines[12], "13 " + block.coefficientLines[0]);
    for (std::size_t i = 13; i < lines.size(); ++i)
        EXPECT_EQ(lines[i], before[i + 15]);

    std::vector<std::string> noSection = {"4 -6.0 Volume\r\n"};
    ASSERT_TRUE(ReplaceFilterBlockInPlace(noSection, block, 6, warnings));
    EXPECT_EQ(noSection,
              (std::vector<std::string>{"!# Filter Parameters\r\n", block.texts[0],
                                        "0A " + block.coefficientLines[0],
                                        "13 " + block.coefficientLines[0], "4 -6.0 Volume\r\n"}));
}

TEST(DeviceDataReadBack, LabelsHoldingTheMarkerReadBackAsWritten)
{
    // Only the marker the device data puts in front is taken off, so that what is written
    // reads back the same, however often.
    for (const std::string label : {"!!# EQ-1", "!# EQ-2", "!!# # EQ-3", "EQ-4 !# x"})
    {
        const std::string text = label + ", 6.000000, 2.000000, 100.000000, No, Yes, 1\r\n";
        std::vector<std::string> lines = {"!# " + text};
        for (int round = 0; round < 3; ++round)
        {
            CFilterLists lists;
            ASSERT_EQ(ParameterLinesToFilters(lines, lists, 48000), 1) << label;
            ASSERT_EQ(lists.m_EQFilters.GetSize(), 1) << label;
            EXPECT_EQ(lists.m_EQFilters.GetAt(0)->GetLabel(), label) << round;
            CFilterBlock block;
            ASSERT_TRUE(CollectFilterBlock(lists, block));
            ASSERT_EQ(block.texts.size(), 1u);
            EXPECT_EQ(block.texts[0], "!# " + text) << round;
            lines = block.texts;
        }
    }
}

TEST(DeviceDataReadBack, RegisterLineWithAWordOutsideTheRangeIsReportedAndNotTaken)
{
    // A seven-digit word is no 24-bit word: its line is left out and named.
    const std::vector<std::string> lines = {
        "!# Filter Parameters\r\n", "13 100000 000000 000000 000000 000000\r\n",
        "14 100000 1000000 000000 000000 000000\r\n", "15 080000 000000 000000 000000 000000\r\n"};
    CMatrixPtrArray listA, listB;
    std::vector<std::string> refused;
    ASSERT_EQ(CollectCoefficientLines(lines, 6, listA, listB, &refused), 2);
    EXPECT_EQ(listB.GetAt(1).RealElement(1), 0.5);
    ASSERT_EQ(refused.size(), 1u);
    EXPECT_EQ(refused[0], "Line 3 of the device data: the word \"1000000\" is outside the range "
                          "of the device's coefficient words; the register line was not taken.");
}

// An output order is a whole number in digits, as a ".par" line has it: "1e20" read with
// "%ld" would come back as 1, "-1" as a filter the grids give an order of their own. The
// line is named and not taken; the others are, with the label as the line has it.
TEST(DeviceDataReadBack, ParameterLineWhoseOrderIsNoWholeNumberIsNamedAndNotTaken)
{
    const struct
    {
        const char* tail; // after the label and parameters of an EQ line
        int nOrder;       // -1: refused
    } cases[] = {
        {"1e20", -1}, {"-1", -1},  {"-0", -1},
        {"2.5", -1},  {"1.", -1},  {"3e", -1},
        {"0x10", -1}, {"1 2", -1}, {"1000000000", 1000000000},
        {" 7 ", 7},   {"007", 7},  {"+8", 8},
        {"", 0},      {"0", 0},
    };
    for (const auto& c : cases)
    {
        const std::string line = std::string("!# EQ-1e20, -3.000000, 200.000000, 1000.000000, "
                                             "Yes, Yes, ") +
                                 c.tail + "\r\n";
        const std::vector<std::string> lines = {"!# Filter Parameters\r\n", line};
        CFilterLists lists;
        std::vector<std::string> refused;
        const int added = ParameterLinesToFilters(lines, lists, 48000, &refused);
        if (c.nOrder < 0)
        {
            EXPECT_EQ(added, 0) << c.tail;
            EXPECT_EQ(refused,
                      std::vector<std::string>{"The device data line \"" +
                                               line.substr(0, line.size() - 2) +
                                               "\" gives its filter an output order that is not "
                                               "a whole number in digits, such as 3; the filter "
                                               "was not taken."})
                << c.tail;
            continue;
        }
        ASSERT_EQ(added, 1) << c.tail;
        EXPECT_TRUE(refused.empty()) << c.tail;
        EXPECT_EQ(lists.m_EQFilters.GetAt(0)->GetLabel(), "EQ-1e20");
        EXPECT_EQ(lists.m_EQFilters.GetAt(0)->GetOutputOrder(), c.nOrder) << c.tail;
    }
    // Above the largest order keeps its own message.
    std::vector<std::string> refused;
    CFilterLists lists;
    ParameterLinesToFilters({"!# HPB-1, 40.000000, Yes, 1000000001\r\n"}, lists, 48000, &refused);
    ASSERT_EQ(refused.size(), 1u);
    EXPECT_NE(refused[0].find("above 1000000000"), std::string::npos) << refused[0];
}

// "%lf" read a gain of "nan" as no number and "1e400" as infinite, and the filter went
// into the grids as it was. A parameter that is no finite number, in any column of any
// kind, makes the line named and not taken; the lines around it are taken.
TEST(DeviceDataReadBack, ParameterLineWithAParameterThatIsNoFiniteNumberIsNamedAndNotTaken)
{
    const struct
    {
        const char* line;
        const char* why; // null: taken
    } cases[] = {
        {"!# EQ-1, nan, 200.000000, 1000.000000, Yes, Yes, 1\r\n", "a Gain in DB"},
        {"!# EQ-1, -3.000000, -nan, 1000.000000, Yes, Yes, 1\r\n", "a Bandwidth"},
        {"!# EQ-1, -3.000000, 200.000000, 1e400, Yes, Yes, 1\r\n", "a Center Frequency"},
        {"!# TS-1, inf, 8000.000000, Yes, 2\r\n", "a Gain in DB"},
        {"!# BS-1, -6.000000, -1e400, Yes, 2\r\n", "a Cut Frequency"},
        {"!# HPB-1, 1e999, Yes, 3\r\n", "a Cut Frequency"},
        {"!# NT-1, -inf, 1000.000000, Yes, 4\r\n", "a Bandwidth"},
        {"!# C1LP-1, 5000.000000, NaN, Yes, 5\r\n", "a Passband Ripple"},
        {"!# HIPT-1, -2.500000, 2000.000000, INF, Yes, 6\r\n", "an Upper Bandedge"},
        {"!# LOPT-1, 4.000000, -INFINITY, 400.000000, Yes, 6\r\n", "a Lower Bandedge"},
        {"!# VQLP-1, 12000.000000, nan(7), Yes, 7\r\n", "a Q"},
        {"!# ALPS-1, 1e309, 1500.000000, Yes, 8\r\n", "a Bandwidth"},
        {"!# EQ-1, 1e-400, 200.000000, 1000.000000, Yes, Yes, 1\r\n", nullptr},
        {"!# HPB-1, 40.1234567, Yes, 3\r\n", nullptr},
    };
    for (const auto& c : cases)
    {
        const std::vector<std::string> lines = BetweenTakenLines(c.line);
        CFilterLists lists;
        std::vector<std::string> refused;
        const int added = ParameterLinesToFilters(lines, lists, 48000, &refused);
        const std::string line(c.line);
        if (!c.why)
        {
            EXPECT_EQ(added, 3) << c.line;
            EXPECT_TRUE(refused.empty()) << c.line;
            continue;
        }
        EXPECT_EQ(added, 2) << c.line;
        EXPECT_EQ(lists.m_NotchFilters.GetAt(0)->GetLabel(), "NT-2");
        EXPECT_EQ(lists.m_EQFilters.GetAt(lists.m_EQFilters.GetSize() - 1)->GetLabel(), "EQ-3");
        EXPECT_EQ(refused, std::vector<std::string>{"The device data line \"" +
                                                    line.substr(0, line.size() - 2) +
                                                    "\" gives its filter " + c.why +
                                                    " that is not a finite number; the filter "
                                                    "was not taken."})
            << c.line;
    }
}

// The filter of the line that Draw would refuse, or that six decimals would write as
// another filter (the device data writes "!#" lines with six decimals beside the words of
// the filter taken), is named with why and not taken; the lines around it are taken.
TEST(DeviceDataReadBack, ParameterLineOfAFilterThatCannotBeDesignedAsItIsIsNamedAndNotTaken)
{
    const struct
    {
        const char* line;
        const char* refusal;
    } cases[] = {
        {"!# HPB-1, 0.0000004, Yes, 1\r\n",
         "The device data line \"!# HPB-1, 0.0000004, Yes, 1\" gives a filter that cannot be "
         "designed as the line gives it (the Cut Frequency 4e-07 would be written with six "
         "decimals as 0.000000, and read back as another filter); the filter was not taken."},
        {"!# HPB-1, 0.0000005, Yes, 1\r\n",
         "The device data line \"!# HPB-1, 0.0000005, Yes, 1\" gives a filter that cannot be "
         "designed as the line gives it (its parameters give no stable filter section); the "
         "filter was not taken."},
        {"!# VQHP-1, 100.000000, 0.0000004, Yes, 2\r\n",
         "The device data line \"!# VQHP-1, 100.000000, 0.0000004, Yes, 2\" gives a filter that "
         "cannot be designed as the line gives it (the Q 4e-07 would be written with six "
         "decimals as 0.000000, and read back as another filter); the filter was not taken."},
        {"!# EQ-1, -1e308, 1.000000, 1000.000000, No, Yes, 1\r\n",
         "The device data line \"!# EQ-1, -1e308, 1.000000, 1000.000000, No, Yes, 1\" gives a "
         "filter that cannot be designed as the line gives it (its parameters give no stable "
         "filter section); the filter was not taken."},
        {"!# HIPT-1, 3.000000, 2000.000000, 1000.000000, Yes, 6\r\n",
         "The device data line \"!# HIPT-1, 3.000000, 2000.000000, 1000.000000, Yes, 6\" gives a "
         "filter that cannot be designed as the line gives it (the Lower Bandedge must be below "
         "the Upper Bandedge); the filter was not taken."},
    };
    for (const auto& c : cases)
    {
        const std::vector<std::string> lines = BetweenTakenLines(c.line);
        CFilterLists lists;
        std::vector<std::string> refused;
        EXPECT_EQ(ParameterLinesToFilters(lines, lists, 48000, &refused), 2) << c.line;
        EXPECT_EQ(lists.m_NotchFilters.GetAt(0)->GetLabel(), "NT-2");
        EXPECT_EQ(lists.m_EQFilters.GetAt(lists.m_EQFilters.GetSize() - 1)->GetLabel(), "EQ-3");
        EXPECT_EQ(refused, std::vector<std::string>{c.refusal}) << c.line;
    }
}
