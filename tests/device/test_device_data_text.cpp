#include "device/DeviceDataRecognition.h"
#include "device/DeviceDataText.h"
#include "device/EqFile.h"

#include "tests/device/TestData.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace
{
// The eight filters of the golden files: "parameters|words" per line.
CFilterBlock GoldenBlock()
{
    CFilterBlock block;
    std::istringstream in(ReadFile("filters.txt"));
    std::string line;
    while (std::getline(in, line))
    {
        const std::size_t bar = line.find('|');
        block.texts.push_back("!# " + line.substr(0, bar) + "\r\n");
        block.coefficientLines.push_back(line.substr(bar + 1) + "\r\n");
        ++block.count;
    }
    return block;
}

const CDeviceDataHeader kHeader{"test.eq", "3/7/26", 44100};
} // namespace

TEST(DeviceDataText, GeneratesTheGoldenFilesAndNamesTheFiltersLeftOut)
{
    const CFilterBlock block = GoldenBlock();
    ASSERT_EQ(block.count, 8);
    struct
    {
        bool qzx2202;
        const char* file;
        std::vector<std::string> leftOut;
    } const cases[] = {{false, "qzx2201.eq", {"EQ-7", "EQ-8"}}, {true, "qzx2202.eq", {"EQ-8"}}};
    for (const auto& c : cases)
    {
        std::vector<std::string> lines, warnings;
        GenerateDeviceDataLines(lines, kHeader, block, RegisterCountOf(c.qzx2202), warnings);
        EXPECT_EQ(JoinDeviceDataLines(lines), ReadFile(c.file)) << c.file;
        ASSERT_EQ(warnings.size(), c.leftOut.size()) << c.file;
        for (std::size_t i = 0; i < warnings.size(); ++i)
            EXPECT_NE(warnings[i].find(c.leftOut[i] + " was left out"), std::string::npos)
                << warnings[i];
    }
}

TEST(DeviceDataText, LimitedWordsAreReportedOnlyForTheFiltersWritten)
{
    CFilterBlock block = GoldenBlock();
    block.warnings = {"Filter EQ-1: coefficient B0 was limited.",
                      "Filter EQ-8: coefficient A2 was limited."};
    block.warningEntries = {0, 7};
    std::vector<std::string> lines, warnings;
    GenerateDeviceDataLines(lines, kHeader, block, RegisterCountOf(false), warnings);
    ASSERT_EQ(warnings.size(), 3u);
    EXPECT_NE(warnings[0].find("EQ-7 was left out"), std::string::npos) << warnings[0];
    EXPECT_NE(warnings[1].find("EQ-8 was left out"), std::string::npos) << warnings[1];
    EXPECT_EQ(warnings[2], block.warnings[0]);
}

TEST(DeviceDataText, NoActiveFilterGivesTheHeaderAndTheFixedLines)
{
    std::vector<std::string> lines, warnings;
    GenerateDeviceDataLines(lines, kHeader, CFilterBlock{}, 6, warnings);
    ASSERT_EQ(lines.size(), 15u);
    EXPECT_EQ(lines[9], "!# Filter Parameters\r\n");
    EXPECT_EQ(lines[10], "4 -6.0 Volume\r\n");
    EXPECT_EQ(lines[14], "$8 -70.0 Mixer2\r\n");
    EXPECT_TRUE(warnings.empty());
}

TEST(DeviceDataText, ReadsBackTheGoldenFileWhateverItsLineEnds)
{
    const std::string crlf = ReadFile("qzx2202.eq");
    std::string lf;
    for (char ch : crlf)
        if (ch != '\r')
            lf += ch;
    const std::pair<std::string, std::size_t> cases[] = {
        {crlf, 36u}, {lf, 36u}, {lf + "tail", 37u}};
    for (const auto& [text, count] : cases)
    {
        const std::vector<std::string> lines = SplitDeviceDataText(text);
        ASSERT_EQ(lines.size(), count);
        for (const std::string& l : lines)
            EXPECT_EQ(l.substr(l.size() - 2), "\r\n");
        EXPECT_EQ(JoinDeviceDataLines(lines).substr(0, crlf.size()), crlf);
        EXPECT_TRUE(HasFilterParameterSection(lines));
    }
}

// Every line end a text may hold gives one line of the one form, and the file written of
// the lines reads back as the same lines.
TEST(DeviceDataText, EveryLineEndEndsOneLineAndTheWrittenTextReadsBackTheSame)
{
    const struct
    {
        const char* text;
        std::vector<std::string> lines;
    } cases[] = {
        {"a\r\nb\nc", {"a\r\n", "b\r\n", "c\r\n"}},
        {"Yes, 2\r5\r\n", {"Yes, 2\r\n", "5\r\n"}},
        {"a\r\r\n", {"a\r\n", "\r\n"}},
        {"a\n\rb", {"a\r\n", "\r\n", "b\r\n"}},
        {"\r", {"\r\n"}},
        {"a\r", {"a\r\n"}},
        {"", {}},
    };
    for (const auto& c : cases)
    {
        EXPECT_EQ(SplitDeviceDataText(c.text), c.lines) << c.text;
        EXPECT_EQ(SplitDeviceDataText(DeviceDataFileText(c.lines)), c.lines) << c.text;
    }
    // Lines in hand that hold a lone carriage return are written as the lines it ends.
    EXPECT_EQ(DeviceDataFileText({"Yes, 2\r5\r\n", "x\n"}), "Yes, 2\r\n5\r\nx\r\n");
}

TEST(DeviceDataText, NameAndDateRewrites)
{
    std::vector<std::string> lines = SplitDeviceDataText(ReadFile("qzx2201.eq"));
    EXPECT_TRUE(SetNameLine("/home/u/speaker.eq", lines));
    EXPECT_EQ(lines[0], "! NAME: /home/u/speaker.eq\r\n");
    EXPECT_TRUE(SetDateLine("12/10/26", lines));
    EXPECT_EQ(lines[1], "! Date                : 12/10/26\r\n");

    std::vector<std::string> noName = {"! Title\r\n", "x\r\n"};
    EXPECT_FALSE(SetNameLine("a.eq", noName));
    EXPECT_FALSE(SetDateLine("1/1/26", noName));
    EXPECT_EQ(noName, (std::vector<std::string>{"! Title\r\n", "x\r\n"}));

    std::vector<std::string> empty;
    EXPECT_FALSE(SetNameLine("a.eq", empty));
    EXPECT_TRUE(empty.empty());

    // A filter's line is no NAME line: rewritten, it would read back as another filter.
    std::vector<std::string> filterFirst = {"!# EQ-NAME:1, 6.0, 2.0, 100.0, No, Yes, 1\r\n"};
    EXPECT_FALSE(SetNameLine("a.eq", filterFirst));
    EXPECT_EQ(filterFirst[0], "!# EQ-NAME:1, 6.0, 2.0, 100.0, No, Yes, 1\r\n");
}

TEST(DeviceDataText, FilterBlockGrowsTheArrayPastAnyFixedSize)
{
    std::vector<std::string> lines(250, "keep\r\n"), warnings;
    const CFilterBlock block = GoldenBlock();
    EXPECT_EQ(WriteFilterBlock(lines, 245, block, 7, warnings), 245 + 21);
    ASSERT_EQ(lines.size(), 266u);
    EXPECT_EQ(lines[244], "keep\r\n");
    EXPECT_EQ(lines[252].substr(0, 3), "0A ");
    EXPECT_EQ(lines[265].substr(0, 3), "19 ");
}

TEST(EqFile, WritesCrLfAtomicallyAndReadsBack)
{
    const std::string dir = ::testing::TempDir();
    const std::string path = dir + "/device_data_roundtrip.eq";
    const std::vector<std::string> golden = SplitDeviceDataText(ReadFile("qzx2201.eq"));
    std::string error;
    ASSERT_TRUE(CEqFile::WriteLines(path, golden, error)) << error;
    EXPECT_EQ(ReadFileBytes(path), ReadFile("qzx2201.eq"));

    std::vector<std::string> back;
    ASSERT_TRUE(CEqFile::ReadLines(path, back, error)) << error;
    EXPECT_EQ(back, golden);
}

TEST(EqFile, FailuresAreReportedAndChangeNothing)
{
    // No file, a folder, and a file far larger than any device data.
    const std::string huge = ::testing::TempDir() + "/device_data_huge.eq";
    std::ofstream(huge) << "! NAME: x\r\n";
    std::filesystem::resize_file(huge, CEqFile::kMaxFileBytes + 1);
    std::vector<std::string> lines = {"keep\r\n"};
    std::string error;
    for (const std::string& path :
         {std::string("/nonexistent/dir/a.eq"), ::testing::TempDir(), huge})
    {
        error.clear();
        EXPECT_FALSE(CEqFile::ReadLines(path, lines, error)) << path;
        EXPECT_FALSE(error.empty()) << path;
        EXPECT_EQ(lines, std::vector<std::string>{"keep\r\n"}) << path;
    }
    std::filesystem::remove(huge);
    error.clear();
    EXPECT_FALSE(CEqFile::WriteLines("/nonexistent/dir/a.eq", lines, error));
    EXPECT_FALSE(error.empty());
}

TEST(DeviceDataRecognition, OnlyTheLinesAChipIsProgrammedFromCount)
{
    const struct
    {
        const char* line;
        bool eq;
        bool family;
    } cases[] = {
        {"0A 010000 010111 010222 010333 010444\r\n", true, false},
        {"19 7FFFFF 000000 000000 000000 000000\r\n", true, false},
        {"21 000000 000000 000000 000000 000000    Left Loudness Biquad\r\n", true, false},
        {"4 -6.0 Volume\r\n", true, false},
        {"$8 -70.0 Mixer2\r\n", true, false},
        {"! Channel Number 1\r\n", false, true},
        {"Q1\r\n", false, true},
        {"Q10\r\n", false, true},
        {" 00 FF 24 A2\r\n", false, true},
        {"34 00FF24A2 FF80D5C5 00006AE2 00000000 FFFF951E\r\n", false, true},
        // Header and comment lines of either family, and what a measurement holds.
        {"! NAME: test.eq\r\n", false, false},
        {"!# Filter Parameters\r\n", false, false},
        {"!# EQ-1, 6.000000, 2.000000, 100.000000, No, Yes, 1\r\n", false, false},
        {"13 5 20\r\n", false, false},
        {"13 -5 20 1 1 1\r\n", false, false},
        {"4 -6.0 12.0\r\n", false, false},
        {"4 -6.0 Volume NAME: speaker.eq\r\n", true, false},
        {"4 -6.0 12 Volume\r\n", false, false},
        {"   20.0000, -12.00000,  45.00000\r\n", false, false},
        {"Q\r\n", false, false},
        {"QZ\r\n", false, false},
        {" 00 FF 24\r\n", false, false},
        {"! Channel Number one\r\n", false, false},
        {"", false, false},
    };
    for (const auto& c : cases)
    {
        EXPECT_EQ(IsEqDataLine(c.line), c.eq) << c.line;
        EXPECT_EQ(IsFamilyDataLine(c.line), c.family) << c.line;
    }
}

// A fixed setting's value is read whole as one level: read from the front, "-6.0dB" was
// -6, and "-99999999999999999999999.0" a volume no chip holds. Each such line is named;
// a line of another shape is none of the settings'.
TEST(DeviceDataRecognition, AFixedSettingHoldsALevelReadWhole)
{
    const struct
    {
        const char* line;
        const char* value; // null: no fault
    } cases[] = {
        {"4 -6.0 Volume\r\n", nullptr},
        {"4 -10.0 Volume\r\n", nullptr},
        {"$8 -70.0 Mixer2\r\n", nullptr},
        {"5 +1e3 Treble\r\n", nullptr},
        {"6 1000 Bass", nullptr},
        {"4 -6.0 Volume NAME: speaker.eq\r\n", nullptr},
        {"4 -99999999999999999999999.0 Volume\r\n", "-99999999999999999999999.0"},
        {"4 abc Volume\r\n", "abc"},
        {"4 -6.0dB Volume\r\n", "-6.0dB"},
        {"5 1000.5 Treble\r\n", "1000.5"},
        {"6 nan Bass\r\n", "nan"},
        {"7 -1,5 Mixer1\r\n", "-1,5"},
        {"4 -6.0 12.0\r\n", nullptr},
        {"13 5 20\r\n", nullptr},
        {"! 4 abc Volume\r\n", nullptr},
        {"45x 1 Volume\r\n", nullptr},
    };
    for (const auto& c : cases)
    {
        const std::string fault = FixedSettingFault(c.line);
        if (!c.value)
        {
            EXPECT_EQ(fault, "") << c.line;
            continue;
        }
        const std::string line = c.line;
        const std::string name =
            line.substr(line.rfind(' ') + 1, line.find('\r') - line.rfind(' ') - 1);
        EXPECT_EQ(fault, std::string("holds \"") + c.value + "\" where the level of the " + name +
                             " setting belongs: one number of dB from -1000 to 1000 in digits "
                             "alone, such as -6.0")
            << c.line;
        // It is still a line of device data: the text holds data, and the fault is named.
        EXPECT_TRUE(IsEqDataLine(c.line)) << c.line;
    }
}
