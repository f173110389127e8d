#include "device/DeviceDataReadBack.h"
#include "device/DeviceDataText.h"
#include "filters/FilterDesignCheck.h"
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

// The message naming a line (with its line break) whose filter is not taken, and why (a
// sentence with its full stop).
std::string NotTaken(const std::string& line, std::string problem)
{
    problem.pop_back();
    return "The device data line \"" + line.substr(0, line.find('\r')) +
           "\" gives a filter that cannot be taken as the line gives it: " + problem +
           "; the filter was not taken.";
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
                      std::vector<std::string>{NotTaken(
                          line, "its output order is not a whole number in digits, such as 3: "
                                "an order has no sign '-', decimal point or exponent.")})
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
        {"!# EQ-1, nan, 200.000000, 1000.000000, Yes, Yes, 1\r\n", "Gain in DB \"nan\""},
        {"!# EQ-1, -3.000000, -nan, 1000.000000, Yes, Yes, 1\r\n", "Bandwidth \"-nan\""},
        {"!# EQ-1, -3.000000, 200.000000, 1e400, Yes, Yes, 1\r\n", "Center Frequency \"1e400\""},
        {"!# TS-1, inf, 8000.000000, Yes, 2\r\n", "Gain in DB \"inf\""},
        {"!# BS-1, -6.000000, -1e400, Yes, 2\r\n", "Cut Frequency \"-1e400\""},
        {"!# HPB-1, 1e999, Yes, 3\r\n", "Cut Frequency \"1e999\""},
        {"!# NT-1, -inf, 1000.000000, Yes, 4\r\n", "Bandwidth \"-inf\""},
        {"!# C1LP-1, 5000.000000, NaN, Yes, 5\r\n", "Passband Ripple \"NaN\""},
        {"!# HIPT-1, -2.500000, 2000.000000, INF, Yes, 6\r\n", "Upper Bandedge \"INF\""},
        {"!# LOPT-1, 4.000000, -INFINITY, 400.000000, Yes, 6\r\n", "Lower Bandedge \"-INFINITY\""},
        {"!# VQLP-1, 12000.000000, nan(7), Yes, 7\r\n", "Q \"nan(7)\""},
        {"!# ALPS-1, 1e309, 1500.000000, Yes, 8\r\n", "Bandwidth \"1e309\""},
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
        const std::string why = c.why;
        const std::string example = ExampleParameterValue(why.substr(0, why.find(" \"")));
        EXPECT_EQ(refused, std::vector<std::string>{NotTaken(
                               line, "its " + why +
                                         " is not a finite number; give it one number in digits "
                                         "alone, such as " +
                                         example + ".")})
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
         "taken as the line gives it: the Cut Frequency 4e-07 would be written with six "
         "decimals as 0.000000, and read back as another filter; the filter was not taken."},
        {"!# HPB-1, 0.0000005, Yes, 1\r\n",
         "The device data line \"!# HPB-1, 0.0000005, Yes, 1\" gives a filter that cannot be "
         "taken as the line gives it: it cannot be designed at any sample rate the settings "
         "accept, from 1 Hz to 200000 Hz: its parameters give no stable filter section; the "
         "filter was not taken."},
        {"!# VQHP-1, 100.000000, 0.0000004, Yes, 2\r\n",
         "The device data line \"!# VQHP-1, 100.000000, 0.0000004, Yes, 2\" gives a filter that "
         "cannot be taken as the line gives it: the Q 4e-07 would be written with six "
         "decimals as 0.000000, and read back as another filter; the filter was not taken."},
        {"!# EQ-1, -1e308, 1.000000, 1000.000000, No, Yes, 1\r\n",
         "The device data line \"!# EQ-1, -1e308, 1.000000, 1000.000000, No, Yes, 1\" gives a "
         "filter that cannot be taken as the line gives it: it cannot be designed at any sample "
         "rate the settings accept, from 1 Hz to 200000 Hz: its parameters give no stable "
         "filter section; the filter was not taken."},
        {"!# HIPT-1, 3.000000, 2000.000000, 1000.000000, Yes, 6\r\n",
         "The device data line \"!# HIPT-1, 3.000000, 2000.000000, 1000.000000, Yes, 6\" gives a "
         "filter that cannot be taken as the line gives it: it cannot be designed at any sample "
         "rate the settings accept, from 1 Hz to 200000 Hz: the Lower Bandedge must be below "
         "the Upper Bandedge; the filter was not taken."},
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

// A "!#" line is read field by field as a ".par" line is: read from the front, "abc" and
// an empty gain gave 0, "-3.5dB" -3.5 and "Maybe" an inactive filter. Each such line is
// named with its field and not taken; the lines around it are.
TEST(DeviceDataReadBack, ParameterLineWithAFieldThatIsNotWhatItStandsForIsNamedAndNotTaken)
{
    const struct
    {
        const char* line;
        const char* problem;
    } cases[] = {
        {"!# EQ-1, abc, 200.000000, 1000.000000, Yes, Yes, 1\r\n",
         "its Gain in DB \"abc\" is not a finite number; give it one number in digits alone, "
         "such as -3.0."},
        {"!# EQ-1, , 200.000000, 1000.000000, Yes, Yes, 1\r\n",
         "its Gain in DB is empty; give it one number in digits alone, such as -3.0."},
        {"!# EQ-1, -3.5dB, 200.000000, 1000.000000, Yes, Yes, 1\r\n",
         "its Gain in DB \"-3.5dB\" is not a finite number; give it one number in digits alone, "
         "such as -3.0."},
        {"!# HPB-1, 1000Hz, Yes, 3\r\n",
         "its Cut Frequency \"1000Hz\" is not a finite number; give it one number in digits "
         "alone, such as 1000.0."},
        {"!# EQ-1, -3.000000, 200.000000, 1000.000000, No, Maybe, 1\r\n",
         "its Active field \"Maybe\" is neither Yes nor No."},
        {"!# EQ-1, -3,5, 200.000000, 1000.000000, No, Yes, 1\r\n",
         "its Gain in DB \"-3,5\" has a decimal comma; write the number with a decimal point, "
         "such as -3.5."},
        {"!# TS-1, 85,5, 8000.000000, Yes, 2\r\n",
         "its Gain in DB \"85,5\" has a decimal comma; write the number with a decimal point, "
         "such as 85.5."},
    };
    for (const auto& c : cases)
    {
        CFilterLists lists;
        std::vector<std::string> refused;
        EXPECT_EQ(ParameterLinesToFilters(BetweenTakenLines(c.line), lists, 48000, &refused), 2)
            << c.line;
        EXPECT_EQ(refused, std::vector<std::string>{NotTaken(c.line, c.problem)}) << c.line;
        // The one check of the open and of the editor's OK says the same.
        std::string problem = c.problem;
        problem.pop_back();
        EXPECT_EQ(FindParameterLineRefusal(c.line, 48000),
                  "gives a filter that cannot be taken as the line gives it: " + problem);
    }
}

// Whether a "!#" line is taken does not hang on the sample rate: a filter above half of the
// current rate that another rate the settings accept designs is taken as written, and the
// filters the current rate cannot design are named once, in one message after the refused
// lines; one that no rate designs is refused at every rate.
TEST(DeviceDataReadBack, AFilterAboveHalfOfTheSampleRateIsTakenAndNamedOnce)
{
    const std::vector<std::string> lines = {
        "!# Filter Parameters\r\n", "!# HPB-1, 40.000000, Yes, 1\r\n",
        "!# LPB-1, 30000.000000, No, 2\r\n",
        "!# EQ-2, -3.000000, 8000.000000, 60000.000000, No, Yes, 3\r\n",
        "!# HPB-2, 0.000000, Yes, 4\r\n"};
    const struct
    {
        int nRate;
        std::vector<std::string> named;
    } rates[] = {
        {8000, {"LPB-1", "EQ-2"}}, {48000, {"LPB-1", "EQ-2"}}, {96000, {"EQ-2"}}, {200000, {}}};
    for (const auto& r : rates)
    {
        CFilterLists lists;
        std::vector<std::string> messages;
        EXPECT_EQ(ParameterLinesToFilters(lines, lists, r.nRate, &messages), 3) << r.nRate;
        EXPECT_EQ(lists.m_LowPass_BFilters.GetSize(), 1) << r.nRate;
        for (std::size_t i = 2; i < lines.size() - 1; ++i)
            EXPECT_EQ(FindParameterLineRefusal(lines[i], r.nRate), "") << r.nRate << lines[i];
        ASSERT_EQ(messages.size(), r.named.empty() ? 1u : 2u) << r.nRate;
        EXPECT_NE(messages[0].find("\"!# HPB-2, 0.000000, Yes, 4\" gives a filter that cannot be "
                                   "taken as the line gives it: it cannot be designed at any "
                                   "sample rate the settings accept"),
                  std::string::npos)
            << messages[0];
        if (r.named.empty())
            continue;
        EXPECT_EQ(messages[1].rfind("These filters were taken as they are written, but the "
                                    "sample rate of " +
                                        std::to_string(r.nRate) + " Hz cannot design them:",
                                    0),
                  0u)
            << messages[1];
        for (const std::string& label : r.named)
            EXPECT_NE(messages[1].find("\n" + label + ": "), std::string::npos) << messages[1];
        EXPECT_EQ(messages[1].find("HPB-1"), std::string::npos) << messages[1];
    }
}
