// The filter parameter file: the fixed order of kinds, reading back, hand-written files
// with foreign lines, missing fields and odd spacing, and saving to and opening a path.
#include "filters/FilterLists.h"
#include "filters/FilterParameterFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <locale>
#include <sstream>
#include <string>
#include <unistd.h>

namespace
{
constexpr int kFs = 48000;

// One line per kind, in index order (VQHP before VQLP).
const char* const kLinesByKind[] = {
    "EQ-3, -3.500000, 120.000000, 1000.000000, Yes, No, 2",
    "TS-1, 6.000000, 8000.000000, Yes, 1",
    "BS-2, -12.000000, 100.000000, No, 3",
    "HPB-2, 120.000000, Yes, 3",
    "HPLR-1, 80.000000, Yes, 4",
    "LPB-1, 2500.000000, No, 4",
    "LPLR-7, 3000.000000, Yes, 5",
    "NT-1, 50.000000, 1000.000000, Yes, 6",
    "C1HP-1, 200.000000, 0.500000, Yes, 7",
    "C1LP-2, 5000.000000, 1.250000, No, 8",
    "B1HP-1, 30.000000, Yes, 9",
    "B1LP-1, 15000.000000, Yes, 10",
    "LOPT-1, 4.000000, 100.000000, 400.000000, Yes, 11",
    "HIPT-1, -2.500000, 2000.000000, 8000.000000, No, 12",
    "VQHP-1, 60.000000, 0.707000, Yes, 13",
    "VQLP-1, 12000.000000, 1.500000, Yes, 14",
    "ALPS-3, 200.000000, 1500.000000, Yes, 15",
};

// The message that refuses a file at the line of the filter label.
std::string Refusal(const std::string& label, const std::string& problem)
{
    return "The filter " + label +
           " on this line cannot be taken as the line gives it: " + problem +
           "  The file was not opened.  Correct the line, or remove it.";
}

std::string Read(CFilterLists& lists, const std::string& text)
{
    std::istringstream in(text);
    EXPECT_TRUE(CFilterParameterFile::ReadFilters(lists, in, kFs));
    std::ostringstream out;
    EXPECT_TRUE(CFilterParameterFile::WriteFilters(lists, out));
    return out.str();
}

// The labels of every list, "|" between lists, in the file's order of kinds.
std::string Labels(CFilterLists& lists)
{
    std::string text;
    lists.ForEach(
        [&](EFilterKind, auto& list)
        {
            for (int i = 0; i < list.GetSize(); ++i)
                text += list.GetAt(i)->GetLabel() + " ";
            text += "|";
        });
    return text;
}

// The pattern with its one "%s" replaced by value.
std::string FormatLine(const std::string& pattern, const std::string& value)
{
    const std::size_t p = pattern.find("%s");
    return pattern.substr(0, p) + value + pattern.substr(p + 2);
}

class TempFolder
{
public:
    TempFolder()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "parXXXXXX").string();
        m_Path = mkdtemp(pattern.data());
    }
    ~TempFolder() { std::filesystem::remove_all(m_Path); }
    std::string File(const char* name) const { return (m_Path / name).string(); }

private:
    std::filesystem::path m_Path;
};
} // namespace

TEST(ParameterFile, WritesKindsInFixedOrderAndReadsThemBack)
{
    // The lines arrive in index order, interleaved with a second EQ filter at the end.
    std::string input;
    for (const char* line : kLinesByKind)
        input += std::string(line) + "\r\n";
    input += "EQ-4, 1.000000, 10.000000, 100.000000, No, Yes, 16\r\n";

    CFilterLists lists;
    const std::string written = Read(lists, input);
    std::string expected;
    for (int kind : ParameterFileKindOrder())
    {
        expected += std::string(kLinesByKind[kind]) + "\r\n";
        if (kind == kKindEQ)
            expected += "EQ-4, 1.000000, 10.000000, 100.000000, No, Yes, 16\r\n";
    }
    EXPECT_EQ(written, expected);
    EXPECT_EQ(lists.GetTotalCount(), 18);
    EXPECT_EQ(lists.m_EQFilters.GetSize(), 2);
    EXPECT_EQ(lists.m_LowVariQFilters.GetAt(0)->GetKind(), kKindVQLP);
    EXPECT_EQ(lists.m_HighVariQFilters.GetAt(0)->GetKind(), kKindVQHP);

    CFilterLists again;
    EXPECT_EQ(Read(again, written), written);
    EXPECT_EQ(Labels(again), Labels(lists));
}

TEST(ParameterFile, HandWrittenFileWithForeignLinesMissingFieldsAndOddSpacing)
{
    const std::string text = "Filters of the left woofer\r\n"
                             "\r\n"
                             "Gain, EQ-1, 3, 4\n"
                             "EQ-1,  -2.5 ,80,\t1000 , no , YES , 3\n"
                             "  HPB-1 ,120,yes,  5\n"
                             "EQ-2, 6\n"
                             "XEQ-7, 1, 2, 3, No, Yes, 9\n"
                             "HPLR-LPB-1, 90, Yes, 1\n"
                             "eq-5, 1, 2, 3, No, Yes, 1\n"
                             "NT-1";
    CFilterLists lists;
    std::istringstream in(text);
    CFilterParameterFile::ReadFilters(lists, in, kFs);
    EXPECT_EQ(Labels(lists), "EQ-1 EQ-2 XEQ-7 |||  HPB-1  |HPLR-LPB-1 |||NT-1 ||||||||||");

    const CDigEQFilter* eq1 = lists.m_EQFilters.GetAt(0);
    EXPECT_DOUBLE_EQ(eq1->GetGain(), -2.5);
    EXPECT_DOUBLE_EQ(eq1->GetBandwidth(), 80);
    EXPECT_DOUBLE_EQ(eq1->GetCenterFrequency(), 1000);
    EXPECT_FALSE(eq1->m_ModifiableMode.IsOn());
    EXPECT_TRUE(eq1->m_ActiveMode.IsOn());
    EXPECT_EQ(eq1->GetOutputOrder(), 3);

    const CDigEQFilter* eq2 = lists.m_EQFilters.GetAt(1); // fields missing
    EXPECT_DOUBLE_EQ(eq2->GetGain(), 6);
    EXPECT_DOUBLE_EQ(eq2->GetBandwidth(), 0);
    EXPECT_FALSE(eq2->m_ActiveMode.IsOn());
    EXPECT_EQ(eq2->GetOutputOrder(), 0);

    // Blanks around fields: the label keeps them, the numbers and modes are read anyway.
    const CDigHighPass_B* hpb = lists.m_HighPass_BFilters.GetAt(0);
    EXPECT_DOUBLE_EQ(hpb->GetCutFrequency(), 120);
    EXPECT_TRUE(hpb->m_ActiveMode.IsOn());
    EXPECT_EQ(hpb->GetOutputOrder(), 5);

    const CDigNotch* notch = lists.m_NotchFilters.GetAt(0); // last line, no line break
    EXPECT_DOUBLE_EQ(notch->GetCutFrequency(), 0);
    EXPECT_FALSE(notch->m_ActiveMode.IsOn());
}

TEST(ParameterFile, ReadingEmptiesEveryListFirst)
{
    CFilterLists lists;
    Read(lists, "EQ-1, 1, 2, 3, No, Yes, 1\nALPS-1, 1, 2, Yes, 2\n");
    EXPECT_EQ(lists.GetTotalCount(), 2);
    EXPECT_EQ(Read(lists, ""), "");
    EXPECT_EQ(lists.GetTotalCount(), 0);
}

TEST(ParameterFile, InactiveFiltersAreWrittenToo)
{
    CFilterLists lists;
    const std::string text = "B1LP-1, 15000.000000, No, 10\r\n";
    EXPECT_EQ(Read(lists, text), text);
}

TEST(ParameterFile, FiltersWhoseLabelLacksThePrefixComeBackNumbered)
{
    CFilterLists lists;
    CDigBassShelf* named = lists.m_BassShelfFilters.Add(std::make_unique<CDigBassShelf>());
    named->Parse("BS-4, -3, 100, Yes, 1", kFs);
    CDigBassShelf* unnamed = lists.m_BassShelfFilters.Add(std::make_unique<CDigBassShelf>());
    CDigBassShelfParams params;
    SetScalar(params.m_Gain, 2);
    unnamed->SetParameters(params);
    unnamed->SetLabel("Sub bass"); // refused: the label stays "Error"
    unnamed->SetOutputOrder(2);

    CDigGenericFilter* plateau =
        lists.m_LowPlateauFilters.Add(std::make_unique<CDigGenericFilter>());
    CDigGenericFilterParams generic;
    generic.m_nKind = kKindLOPT;
    generic.m_nParamCount = 3;
    plateau->SetParameters(generic);
    plateau->SetLabel("EQ-9"); // refused: a plateau filter is not a peaking filter
    plateau->SetOutputOrder(3);

    std::ostringstream out;
    CFilterParameterFile::WriteFilters(lists, out);
    EXPECT_EQ(out.str(), "BS-4, -3.000000, 100.000000, Yes, 1\r\n"
                         "BS-5, 2.000000, 0.000000, Yes, 2\r\n"
                         "LOPT-1, 0.000000, 0.000000, 0.000000, Yes, 3\r\n");

    CFilterLists again;
    std::istringstream in(out.str());
    CFilterParameterFile::ReadFilters(again, in, kFs);
    EXPECT_EQ(again.m_BassShelfFilters.GetSize(), 2);
    EXPECT_EQ(again.m_LowPlateauFilters.GetSize(), 1);
    EXPECT_EQ(again.m_EQFilters.GetSize(), 0);
}

TEST(ParameterFile, SavesToAndOpensAPath)
{
    TempFolder folder;
    const std::string path = folder.File("speaker.par");
    CFilterParameterFile file;
    EXPECT_EQ(file.GetDefaultExtension(), ".par");
    EXPECT_EQ(file.GetFilter(), "Parameter Files (*.par) |*.par||");
    EXPECT_EQ(file.GetDefaultFileName(), "*.par");

    CFilterLists lists;
    Read(lists, "NT-1, 50, 1000, Yes, 1\nEQ-1, 1, 2, 3, No, Yes, 2\n");
    std::string error;
    {
        std::ofstream(path) << "old contents\n";
    }
    ASSERT_TRUE(file.SaveFile(path, lists, error)) << error;

    CFilterLists opened;
    ASSERT_TRUE(file.OpenFile(path, opened, kFs, error)) << error;
    EXPECT_EQ(Labels(opened), "EQ-1 |||||||NT-1 ||||||||||");

    // A file that cannot be read leaves the lists as they were.
    EXPECT_FALSE(file.OpenFile(folder.File("missing.par"), opened, kFs, error));
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(opened.GetTotalCount(), 2);
    // A save into a folder that does not exist fails with a message.
    error.clear();
    EXPECT_FALSE(file.SaveFile(folder.File("no/such.par"), lists, error));
    EXPECT_FALSE(error.empty());
}

// A filter whose parameter is no number (a calculation can give one; no reader or grid
// cell takes one) would be written as "nan" or "inf", and the file would then refuse to
// open at its line: the save is refused instead, naming the filter, and the older file
// stays as it was.
TEST(ParameterFile, AFilterWhoseParameterIsNoNumberIsNotSaved)
{
    const struct
    {
        const char* line;
        double value;
        const char* expected; // the column and the filter named
    } cases[] = {
        {"EQ-4, 1, 200, 1000, Yes, Yes, 1", std::nan(""), "Gain in DB of the filter EQ-4"},
        {"EQ-4, 1, 200, 1000, Yes, Yes, 1", -HUGE_VAL, "Gain in DB of the filter EQ-4"},
        {"HPB-2, 120, Yes, 1", HUGE_VAL, "Cut Frequency of the filter HPB-2"},
    };
    for (const auto& c : cases)
    {
        TempFolder folder;
        const std::string path = folder.File("design.par");
        {
            std::ofstream(path, std::ios::binary) << "NT-1, 50.000000, 1000.000000, Yes, 1\r\n";
        }
        CFilterLists lists;
        Read(lists, std::string("TS-1, 6, 8000, Yes, 2\n") + c.line + "\n");
        const auto spoil = [&](auto& list)
        {
            if (list.GetSize() == 0)
                return;
            auto params = list.GetAt(0)->GetParameters();
            *params.LineFields()[0] = mwMatrix(c.value);
            list.GetAt(0)->SetParameters(params);
        };
        spoil(lists.m_EQFilters);
        spoil(lists.m_HighPass_BFilters);
        std::string error;
        EXPECT_FALSE(CFilterParameterFile().SaveFile(path, lists, error)) << c.line;
        EXPECT_EQ(error, std::string("The filter parameter file was not written: the ") +
                             c.expected +
                             " is not a finite number, and a file holding it would not open "
                             "again.  Correct it in the filter editor.");
        std::ifstream in(path, std::ios::binary);
        EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}),
                  "NT-1, 50.000000, 1000.000000, Yes, 1\r\n")
            << c.line;
    }
}

namespace
{
struct CommaPunct : std::numpunct<char>
{
    char do_decimal_point() const override { return ','; }
    char do_thousands_sep() const override { return '.'; }
    std::string do_grouping() const override { return "\3"; }
};
} // namespace

TEST(ParameterFile, StreamsWithADecimalCommaLocaleChangeNothing)
{
    const std::locale previous = std::locale::global(std::locale(std::locale(), new CommaPunct));
    CFilterLists lists;
    const std::string text = "EQ-1, -2.500000, 80.000000, 1000.000000, No, Yes, 3\r\n";
    std::istringstream in(text);
    in.imbue(std::locale());
    CFilterParameterFile::ReadFilters(lists, in, 44100);
    std::ostringstream out;
    out.imbue(std::locale());
    CFilterParameterFile::WriteFilters(lists, out);
    std::locale::global(previous);
    EXPECT_EQ(out.str(), text);
}

// An output order is a whole number in digits: read with "%ld", "1e20" would give 1 and
// "2.5" would give 2, and "-1" a filter the grids show with an order of their own. Such a
// line refuses the file at its line; the label is the file's text, whatever it holds.
TEST(ParameterFile, AnOutputOrderThatIsNoWholeNumberRefusesTheFileAtItsLine)
{
    const std::string kNotWhole =
        "its output order is not a whole number in digits, such as 3: an order has no sign "
        "'-', decimal point or exponent.";
    const std::string kAbove = "its label number or its output order is above 1000000000, "
                               "more than the filter grids count to.";
    const struct
    {
        const char* line;           // line 2 of the file
        const std::string* message; // null: opened
        int nOrder;                 // the order read when opened
        const char* label;
    } cases[] = {
        {"EQ-2, -3.0, 200.0, 1000.0, Yes, Yes, 1e20", &kNotWhole, 0, nullptr},
        {"EQ-2, -3.0, 200.0, 1000.0, Yes, Yes, -1", &kNotWhole, 0, nullptr},
        {"EQ-2, -3.0, 200.0, 1000.0, Yes, Yes, -0", &kNotWhole, 0, nullptr},
        {"EQ-2, -3.0, 200.0, 1000.0, Yes, Yes, 2.5", &kNotWhole, 0, nullptr},
        {"EQ-2, -3.0, 200.0, 1000.0, Yes, Yes, 1.", &kNotWhole, 0, nullptr},
        {"EQ-2, -3.0, 200.0, 1000.0, Yes, Yes, 3e", &kNotWhole, 0, nullptr},
        {"EQ-2, -3.0, 200.0, 1000.0, Yes, Yes, 0x10", &kNotWhole, 0, nullptr},
        {"EQ-2, -3.0, 200.0, 1000.0, Yes, Yes, 1 2", &kNotWhole, 0, nullptr},
        {"EQ-2, -3.0, 200.0, 1000.0, Yes, Yes, +", &kNotWhole, 0, nullptr},
        {"EQ-2, -3.0, 200.0, 1000.0, Yes, Yes, seven", &kNotWhole, 0, nullptr},
        {"HPB-2, 40.0, Yes, 4.0", &kNotWhole, 0, nullptr},
        {"VQLP-2, 100.0, 0.7, Yes, 5e0", &kNotWhole, 0, nullptr},
        {"EQ-2, -3.0, 200.0, 1000.0, Yes, Yes, 1000000001", &kAbove, 0, nullptr},
        {"EQ-2, -3.0, 200.0, 1000.0, Yes, Yes, 99999999999999999999999", &kAbove, 0, nullptr},
        {"EQ-2, -3.0, 200.0, 1000.0, Yes, Yes, 1000000000", nullptr, 1000000000, "EQ-2"},
        {"EQ-2, -3.0, 200.0, 1000.0, Yes, Yes,  7 ", nullptr, 7, "EQ-2"},
        {"EQ-2, -3.0, 200.0, 1000.0, Yes, Yes,\t7\t", nullptr, 7, "EQ-2"},
        {"EQ-2, -3.0, 200.0, 1000.0, Yes, Yes, 007", nullptr, 7, "EQ-2"},
        {"EQ-2, -3.0, 200.0, 1000.0, Yes, Yes, +8", nullptr, 8, "EQ-2"},
        {"EQ-2, -3.0, 200.0, 1000.0, Yes, Yes, 0", nullptr, 0, "EQ-2"},
        {"EQ-2, -3.0, 200.0, 1000.0, Yes, Yes, ", nullptr, 0, "EQ-2"},
        {"EQ-2, -3.0, 200.0, 1000.0, Yes, Yes", nullptr, 0, "EQ-2"},
        {"EQ--1, -3.0, 200.0, 1000.0, Yes, Yes, 3", nullptr, 3, "EQ--1"},
        {"EQ-1e20, -3.0, 200.0, 1000.0, Yes, Yes, 4", nullptr, 4, "EQ-1e20"},
        {"HPB-2, 40.0, Yes, 6", nullptr, 6, "HPB-2"},
    };
    TempFolder folder;
    const std::string path = folder.File("orders.par");
    for (const auto& c : cases)
    {
        {
            std::ofstream(path, std::ios::binary) << "EQ-1, -3.0, 200.0, 1000.0, Yes, Yes, 1\r\n"
                                                  << c.line << "\r\n";
        }
        CFilterParameterFile file;
        CFilterLists lists;
        Read(lists, "NT-1, 50, 1000, Yes, 1\n");
        std::string error;
        const bool bOpened = file.OpenFile(path, lists, kFs, error);
        if (c.message)
        {
            EXPECT_FALSE(bOpened) << c.line;
            const std::string line = c.line;
            EXPECT_EQ(error, Refusal(line.substr(0, line.find(',')), *c.message)) << c.line;
            EXPECT_EQ(file.GetErrorLine(), 2) << c.line;
            EXPECT_EQ(Labels(lists), "|||||||NT-1 ||||||||||") << c.line; // as it was
            continue;
        }
        ASSERT_TRUE(bOpened) << c.line << ": " << error;
        EXPECT_EQ(file.GetErrorLine(), 0);
        ASSERT_EQ(lists.GetTotalCount(), 2) << c.line;
        const CDigFilterBase* pFilter =
            lists.m_EQFilters.GetSize() == 2
                ? static_cast<const CDigFilterBase*>(lists.m_EQFilters.GetAt(1))
                : lists.m_HighPass_BFilters.GetAt(0);
        EXPECT_EQ(pFilter->GetLabel(), c.label) << c.line;
        EXPECT_EQ(pFilter->GetOutputOrder(), c.nOrder) << c.line;
    }
}

// "%lf" reads "nan", "inf" and a number beyond the double range ("1e400") as values that
// are no numbers, which the grids showed and the writers wrote as they were. Such a value
// in any parameter column refuses the file at its line, naming the column and giving an
// example that fits it; a value the double range holds, however small or large, is no such
// fault.
TEST(ParameterFile, AParameterThatIsNoFiniteNumberRefusesTheFileAtItsLine)
{
    const auto refusal =
        [](const std::string& line, const char* parameter, const char* value, const char* example)
    {
        std::string text = value;
        text = text.substr(text.find_first_not_of(' '));
        text = text.substr(0, text.find_last_not_of(' ') + 1);
        return Refusal(line.substr(0, line.find(',')),
                       std::string("its ") + parameter + " \"" + text +
                           "\" is not a finite number; give it one number in digits alone, such "
                           "as " +
                           example + ".");
    };
    // %s: the value; each line stands at line 2 of the file. The example fits the column.
    const struct
    {
        const char* line;
        const char* parameter;
        const char* example;
    } columns[] = {
        {"EQ-2, %s, 200.0, 1000.0, Yes, Yes, 2", "Gain in DB", "-3.0"},
        {"EQ-2, -3.0, %s, 1000.0, Yes, Yes, 2", "Bandwidth", "1.0"},
        {"EQ-2, -3.0, 200.0, %s, Yes, Yes, 2", "Center Frequency", "1000.0"},
        {"TS-1, %s, 8000.0, Yes, 2", "Gain in DB", "-3.0"},
        {"BS-1, -6.0, %s, Yes, 2", "Cut Frequency", "1000.0"},
        {"HPB-1, %s, Yes, 2", "Cut Frequency", "1000.0"},
        {"LPLR-1, %s, Yes, 2", "Cut Frequency", "1000.0"},
        {"NT-1, %s, 1000.0, Yes, 2", "Bandwidth", "1.0"},
        {"C1HP-1, 200.0, %s, Yes, 2", "Passband Ripple", "0.5"},
        {"B1LP-1, %s, Yes, 2", "Cut Frequency", "1000.0"},
        {"LOPT-1, 4.0, 100.0, %s, Yes, 2", "Upper Bandedge", "1000.0"},
        {"HIPT-1, %s, 2000.0, 8000.0, Yes, 2", "Gain in DB", "-3.0"},
        {"VQHP-1, 60.0, %s, Yes, 2", "Q", "0.7"},
        {"ALPS-1, 200.0, %s, Yes, 2", "Center Frequency", "1000.0"},
    };
    const char* const refused[] = {"nan",       "-nan",  "NAN",    "nan(1)", "inf",    "-inf",
                                   "+Infinity", "1e400", "-1e400", "1e999",  " 1e309 "};
    const char* const taken[] = {"1e-400", "-1e-400", "1e308", "-1.7e308", "0", "-0"};
    TempFolder folder;
    const std::string path = folder.File("values.par");
    const auto open = [&](const std::string& line, CFilterLists& lists, std::string& error)
    {
        {
            std::ofstream(path, std::ios::binary) << "EQ-1, -3.0, 200.0, 1000.0, Yes, Yes, 1\r\n"
                                                  << line << "\r\n";
        }
        Read(lists, "NT-9, 50, 1000, Yes, 9\n");
        CFilterParameterFile file;
        const bool bOpened = file.OpenFile(path, lists, kFs, error);
        return bOpened ? 0 : file.GetErrorLine();
    };
    for (const auto& c : columns)
    {
        for (const char* value : refused)
        {
            const std::string line = FormatLine(c.line, value);
            CFilterLists lists;
            std::string error;
            EXPECT_EQ(open(line, lists, error), 2) << line;
            EXPECT_EQ(error, refusal(line, c.parameter, value, c.example)) << line;
            EXPECT_EQ(Labels(lists), "|||||||NT-9 ||||||||||") << line; // as it was
        }
        // Finite values are no such fault; those of them that make no filter in the column
        // (a cut-off of 0 Hz or of 1e308 Hz) are refused as filters that cannot be designed.
        for (const char* value : taken)
        {
            const std::string line = FormatLine(c.line, value);
            CFilterLists lists;
            std::string error;
            const int nLine = open(line, lists, error);
            if (nLine == 0)
                EXPECT_EQ(lists.GetTotalCount(), 2) << line;
            else
            {
                EXPECT_EQ(nLine, 2) << line;
                EXPECT_NE(error.find(" on this line cannot be taken as the line gives it: it "
                                     "cannot be designed at any sample rate"),
                          std::string::npos)
                    << line << ": " << error;
            }
        }
    }
    // The first fault of a line is named: a parameter before its order.
    CFilterLists lists;
    std::string error;
    EXPECT_EQ(open("EQ-2, 1.0, inf, nan, Yes, Yes, 1e20", lists, error), 2);
    EXPECT_EQ(error, refusal("EQ-2", "Bandwidth", "inf", "1.0"));
}

// Filters whose parameters are finite numbers but which cannot be designed as the line gives
// them (poles on the unit circle, band edges out of order, a cut-off of 0 Hz), or whose
// six-decimal text, as the program writes it, would read back as another filter: opening
// refuses the file at the line, naming the filter and why, and leaves the lists; a save of
// lists that hold such a filter is refused, and the older file stays.
TEST(ParameterFile, AFilterThatCannotBeDesignedAsItIsIsNeitherOpenedNorSaved)
{
    const struct
    {
        const char* line; // at line 2
        const char* opening;
        const char* saving;
    } cases[] = {
        {"EQ-2, -1e308, 1.0, 1000.0, Yes, No, 2",
         "The filter EQ-2 on this line cannot be taken as the line gives it: it cannot be "
         "designed at any sample rate the settings accept, from 1 Hz to 200000 Hz: its "
         "parameters give no stable filter section.  The file was not opened.  Correct the "
         "line, or remove it.",
         "The filter parameter file was not written: the filter EQ-2 cannot be designed as it "
         "is, and a file holding it would not open again: it cannot be designed at any sample "
         "rate the settings accept, from 1 Hz to 200000 Hz: its parameters give no stable "
         "filter section.  Correct it in the filter editor."},
        {"HIPT-1, 3.0, 2000.0, 1000.0, Yes, 2",
         "The filter HIPT-1 on this line cannot be taken as the line gives it: it cannot be "
         "designed at any sample rate the settings accept, from 1 Hz to 200000 Hz: the Lower "
         "Bandedge must be below the Upper Bandedge.  The file was not opened.  Correct the "
         "line, or remove it.",
         "The filter parameter file was not written: the filter HIPT-1 cannot be designed as it "
         "is, and a file holding it would not open again: it cannot be designed at any sample "
         "rate the settings accept, from 1 Hz to 200000 Hz: the Lower Bandedge must be below "
         "the Upper Bandedge.  Correct it in the filter editor."},
        {"HPB-1, 0.0, Yes, 2",
         "The filter HPB-1 on this line cannot be taken as the line gives it: it cannot be "
         "designed at any sample rate the settings accept, from 1 Hz to 200000 Hz: the Cut "
         "Frequency must be above 0 Hz and below half the sample rate (100000 Hz).  The file was "
         "not opened.  Correct the line, or remove it.",
         "The filter parameter file was not written: the filter HPB-1 cannot be designed as it "
         "is, and a file holding it would not open again: it cannot be designed at any sample "
         "rate the settings accept, from 1 Hz to 200000 Hz: the Cut Frequency must be above 0 "
         "Hz and below half the sample rate (100000 Hz).  Correct it in the filter editor."},
        {"HPB-1, 0.0000004, Yes, 2",
         "The filter HPB-1 on this line cannot be taken as the line gives it: the Cut "
         "Frequency 4e-07 would be written with six decimals as 0.000000, and read back as "
         "another filter.  The file was not opened.  Correct the line, or remove it.",
         "The filter parameter file was not written: the filter HPB-1 cannot be designed as it "
         "is, and a file holding it would not open again: the Cut Frequency 4e-07 would be "
         "written with six decimals as 0.000000, and read back as another filter.  Correct it "
         "in the filter editor."},
        {"VQHP-1, 100.0, 0.0000004, Yes, 2",
         "The filter VQHP-1 on this line cannot be taken as the line gives it: the Q 4e-07 "
         "would be written with six decimals as 0.000000, and read back as another filter.  The "
         "file was not opened.  Correct the line, or remove it.",
         "The filter parameter file was not written: the filter VQHP-1 cannot be designed as it "
         "is, and a file holding it would not open again: the Q 4e-07 would be written with six "
         "decimals as 0.000000, and read back as another filter.  Correct it in the filter "
         "editor."},
    };
    for (const auto& c : cases)
    {
        TempFolder folder;
        const std::string path = folder.File("filters.par");
        const std::string older =
            "EQ-1, -3.0, 200.0, 1000.0, Yes, Yes, 1\r\n" + std::string(c.line) + "\r\n";
        std::ofstream(path, std::ios::binary) << older;
        CFilterLists lists;
        Read(lists, "NT-9, 50, 1000, Yes, 9\n");
        CFilterParameterFile file;
        std::string error;
        EXPECT_FALSE(file.OpenFile(path, lists, kFs, error)) << c.line;
        EXPECT_EQ(file.GetErrorLine(), 2) << c.line;
        EXPECT_EQ(error, c.opening);
        EXPECT_EQ(Labels(lists), "|||||||NT-9 ||||||||||") << c.line;

        Read(lists, older);
        error.clear();
        EXPECT_FALSE(CFilterParameterFile().SaveFile(path, lists, error)) << c.line;
        EXPECT_EQ(error, c.saving);
        std::ifstream in(path, std::ios::binary);
        EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), older) << c.line;
    }
}

// What the program writes reads back as what it wrote: a file that opens, saved and
// opened again, holds the same filters, designed to the same sections; every other file
// was refused where it came in. Values of every column, those six decimals keep and those
// they do not.
TEST(ParameterFile, WhatOpensIsSavedAndOpensAgainAsTheSameFilters)
{
    const char* const patterns[] = {
        "EQ-2, %s, 200.0, 1000.0, Yes, Yes, 2",
        "EQ-2, -3.0, %s, 1000.0, Yes, Yes, 2",
        "EQ-2, -3.0, 1.0, %s, Yes, Yes, 2",
        "TS-1, %s, 8000.0, Yes, 2",
        "HPB-1, %s, Yes, 2",
        "NT-1, %s, 1000.0, Yes, 2",
        "C1HP-1, 200.0, %s, Yes, 2",
        "LOPT-1, 4.0, %s, 400.0, Yes, 2",
        "VQHP-1, 60.0, %s, Yes, 2",
        "ALPS-1, 200.0, %s, Yes, 2",
    };
    const char* const values[] = {"0.0000004", "0.0000005", "4e-7",       "0.0012345",
                                  "0.5",       "0.707",     "40.1234567", "1000.1234567",
                                  "-1e308",    "0",         "1e-400",     "-6.0"};
    // The magnitude responses (dB) of the filters, designed, in list order, at frequencies
    // from 10 Hz to 20 kHz: coefficients can differ where the filter does not (a shelf of
    // 0 dB and one of 4e-7 dB).
    const auto responses = [](CFilterLists& lists)
    {
        std::vector<double> all;
        lists.ForEach(
            [&](EFilterKind, auto& list)
            {
                for (int i = 0; i < list.GetSize(); ++i)
                {
                    list.GetAt(i)->Calculate();
                    const auto at = [](const mwMatrix& m, std::complex<double> zInverse)
                    {
                        std::complex<double> sum = 0.0;
                        for (int k = m.NumberOfElements(); k >= 1; --k)
                            sum = sum * zInverse + m.RealElement(k);
                        return sum;
                    };
                    for (double f = 10.0; f <= 20000.0; f *= 1.25)
                    {
                        const auto zInverse = std::polar(1.0, -2.0 * M_PI * f / kFs);
                        all.push_back(20.0 *
                                      std::log10(std::abs(at(*list.GetAt(i)->GetB(), zInverse) /
                                                          at(*list.GetAt(i)->GetA(), zInverse))));
                    }
                }
            });
        return all;
    };
    int nTaken = 0;
    int nRefused = 0;
    for (const char* pattern : patterns)
        for (const char* value : values)
        {
            const std::string line = FormatLine(pattern, value);
            TempFolder folder;
            const std::string path = folder.File("taken.par");
            std::ofstream(path, std::ios::binary) << "EQ-1, -3.0, 200.0, 1000.0, Yes, Yes, 1\r\n"
                                                  << line << "\r\n";
            CFilterLists taken;
            std::string error;
            if (!CFilterParameterFile().OpenFile(path, taken, kFs, error))
            {
                EXPECT_FALSE(error.empty()) << line;
                EXPECT_EQ(taken.GetTotalCount(), 0) << line;
                ++nRefused;
                continue;
            }
            ++nTaken;
            const std::string saved = folder.File("saved.par");
            ASSERT_TRUE(CFilterParameterFile().SaveFile(saved, taken, error)) << line << error;
            CFilterLists again;
            ASSERT_TRUE(CFilterParameterFile().OpenFile(saved, again, kFs, error))
                << line << ": " << error;
            const std::vector<double> before = responses(taken);
            const std::vector<double> after = responses(again);
            ASSERT_EQ(after.size(), before.size()) << line;
            for (std::size_t k = 0; k < before.size(); ++k)
            {
                ASSERT_TRUE(std::isfinite(before[k]) && std::isfinite(after[k])) << line;
                EXPECT_NEAR(after[k], before[k], 1e-3 * std::max(1.0, std::fabs(before[k])))
                    << line << " point " << k;
            }
        }
    // Both kinds of outcome are exercised.
    EXPECT_GT(nTaken, 40);
    EXPECT_GT(nRefused, 10);
}
