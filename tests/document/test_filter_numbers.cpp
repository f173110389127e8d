// Label numbers, output orders and parameters a parameter file gives its filters, opened
// with File > Open Filter Parameter File into the filter grids as the program runs it: a
// number above the largest the grids count to, and a parameter that is no finite number,
// is refused at its line, and the grids number new rows and orders on from what the file
// brings without passing that largest number.
#include "filters/FilterGridRows.h"
#include "filters/FilterParameterFile.h"
#include "tests/document/DocumentFixture.h"
#include "tests/document/FilterGridApp.h"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace
{
class FilterNumberTest : public DocumentTestOf<CFilterGridApp>
{
protected:
    void SetUp() override
    {
        DocumentTestOf<CFilterGridApp>::SetUp();
        doc->m_nSamplingFrequency = 48000;
        CFilterGridRows::SetNextOutputOrder(0);
        // Filters in the grids before the open, as the user left them.
        std::istringstream start("EQ-3, -3.000000, 100.000000, 1000.000000, No, Yes, 3\n");
        CFilterParameterFile::ReadFilters(doc->m_FilterLists, start, doc->m_nSamplingFrequency);
        app.ReloadFilterGrids();
        doc->m_ParameterFile.SetName(folder.Path("before.par"));
    }
    void Open(const std::string& text)
    {
        WriteFileBytes(folder.Path("opened.par"), text);
        dialogs.answers.push_back(folder.Path("opened.par"));
        doc->OnFileOpenFilterParameterFile();
    }
    // Opens the text: one File Read Error at nLine with error, and the lists (EQ-3 alone),
    // the grids and the file record as they were before.
    void ExpectRefusedAt(const std::string& text, int nLine, const std::string& error)
    {
        const auto cellsBefore = app.Cells();
        app.fileReadErrors.clear();
        Open(text);
        ASSERT_EQ(app.fileReadErrors.size(), 1u) << text;
        EXPECT_EQ(app.fileReadErrors[0].file, folder.Path("opened.par"));
        EXPECT_EQ(app.fileReadErrors[0].nLine, nLine) << text;
        EXPECT_EQ(app.fileReadErrors[0].error, error) << text;
        EXPECT_TRUE(messages.texts.empty());
        EXPECT_EQ(app.Cells(), cellsBefore) << text;
        ASSERT_EQ(doc->m_FilterLists.GetTotalCount(), 1);
        const CDigEQFilter* pFilter = doc->m_FilterLists.m_EQFilters.GetAt(0);
        EXPECT_EQ(pFilter->GetOutputOrder(), 3);
        EXPECT_DOUBLE_EQ(pFilter->GetGain(), -3.0);
        EXPECT_EQ(doc->m_ParameterFile.GetName(), folder.Path("before.par"));
    }
    CFilterGridRows& Grid(EFilterKind kind) { return *app.m_Grids[std::size_t(kind)]; }
};

// The message that refuses a parameter file at the line of the filter label.
std::string Refusal(const std::string& label, const std::string& problem)
{
    return "The filter " + label +
           " on this line cannot be taken as the line gives it: " + problem +
           "  The file was not opened.  Correct the line, or remove it.";
}
} // namespace

TEST_F(FilterNumberTest, ALabelNumberOrOutputOrderAboveTheLargestIsRefusedAtItsLine)
{
    const struct
    {
        const char* text;
        int nLine;
    } cases[] = {
        // The grid would make its next name above INT_MAX.
        {"EQ-2147483647, -3.0, 200.0, 1000.0, Yes, Yes, 1\r\n", 1},
        // The grid would hand EQ-2, which has no order, one above INT_MAX.
        {"EQ-1, -3.0, 200.0, 1000.0, Yes, Yes, 2147483647\r\nEQ-2\r\n", 1},
        // Read as INT_MAX.
        {"EQ-1, -3.0, 200.0, 1000.0, Yes, Yes, 12999999999999999\r\nEQ-2\r\n", 1},
        // Just above the largest, on a later line, in kinds of other lines.
        {"HPB-1, 40.0, Yes, 1\r\n\r\nTS-1000000001, 2.0, 5000.0, Yes, 2\r\n", 3},
        {"; foreign\nVQLP-1, 100.0, 0.7, Yes, 1000000001\n", 2},
    };
    const auto cellsBefore = app.Cells();
    for (const auto& c : cases)
    {
        app.fileReadErrors.clear();
        Open(c.text);
        ASSERT_EQ(app.fileReadErrors.size(), 1u) << c.text;
        EXPECT_EQ(app.fileReadErrors[0].file, folder.Path("opened.par"));
        EXPECT_EQ(app.fileReadErrors[0].nLine, c.nLine) << c.text;
        EXPECT_NE(app.fileReadErrors[0].error.find("above 1000000000"), std::string::npos)
            << app.fileReadErrors[0].error;
        EXPECT_TRUE(messages.texts.empty());
        // The lists, the grids and the file record stay as they were.
        EXPECT_EQ(app.Cells(), cellsBefore) << c.text;
        ASSERT_EQ(doc->m_FilterLists.GetTotalCount(), 1);
        EXPECT_EQ(doc->m_ParameterFile.GetName(), folder.Path("before.par"));
    }
}

// Read with "%ld", an order of 1e20 gave 1, and -1 a list order the grid showed as the
// next one: the list and the grid disagreed. Such an order refuses the file at its line.
TEST_F(FilterNumberTest, AnOutputOrderThatIsNoWholeNumberIsRefusedAtItsLine)
{
    const struct
    {
        const char* text;
        int nLine;
    } cases[] = {
        {"EQ-1, -3.0, 200.0, 1000.0, Yes, Yes, 1e20\r\n", 1},
        {"EQ-1, -3.0, 200.0, 1000.0, Yes, Yes, 1\r\nEQ-2, -3.0, 200.0, 2000.0, Yes, Yes, -1\r\n",
         2},
        {"HPB-1, 40.0, Yes, 1\r\n\r\nTS-1, 2.0, 5000.0, Yes, 2.5\r\n", 3},
    };
    const char* const labels[] = {"EQ-1", "EQ-2", "TS-1"};
    for (std::size_t i = 0; i < std::size(cases); ++i)
        ExpectRefusedAt(cases[i].text, cases[i].nLine,
                        Refusal(labels[i], "its output order is not a whole number in digits, "
                                           "such as 3: an order has no sign '-', decimal point "
                                           "or exponent."));
}

// A gain of nan opened with no message, the grid showed it, and the coefficient file and
// the device data were written from it. A parameter that is no finite number refuses the
// file at its line, and the grids, the lists and the file record stay as they were.
TEST_F(FilterNumberTest, AParameterThatIsNoFiniteNumberIsRefusedAtItsLine)
{
    const struct
    {
        const char* text;
        int nLine;
        const char* problem;
    } cases[] = {
        {"EQ-1, nan, 200.0, 1000.0, Yes, Yes, 1\r\n", 1,
         "its Gain in DB \"nan\" is not a finite number; give it one number in digits alone, "
         "such as -3.0."},
        {"EQ-1, -3.0, 200.0, 1000.0, Yes, Yes, 1\r\nEQ-2, -3.0, -nan, 2000.0, Yes, Yes, 2\r\n", 2,
         "its Bandwidth \"-nan\" is not a finite number; give it one number in digits alone, "
         "such as 1.0."},
        {"; foreign\r\nHPB-1, 1e999, Yes, 1\r\n", 2,
         "its Cut Frequency \"1e999\" is not a finite number; give it one number in digits "
         "alone, such as 1000.0."},
        {"TS-1, 2.0, 5000.0, Yes, 1\r\n\r\nBS-1, -inf, 100.0, Yes, 2\r\n", 3,
         "its Gain in DB \"-inf\" is not a finite number; give it one number in digits alone, "
         "such as -3.0."},
        {"NT-1, 1e400, 1000.0, Yes, 1\r\n", 1,
         "its Bandwidth \"1e400\" is not a finite number; give it one number in digits alone, "
         "such as 1.0."},
    };
    for (const auto& c : cases)
    {
        const std::string line = c.text;
        // The last line's label: npos + 1 is 0 for a text of one line.
        const std::size_t start = line.rfind('\n', line.size() - 2) + 1;
        const std::string label = line.substr(start, line.find(',', start) - start);
        ExpectRefusedAt(c.text, c.nLine, Refusal(label, c.problem));
    }
}

// Read from the front of a field, "abc" and an empty gain read 0, "-3.5dB" -3.5, "1000Hz"
// 1000, an Active field of "Maybe" No, and a gain of "-3,5" was refused for its output
// order. Every field is read whole or its line refuses the file, naming the field; the
// grids, lists and file record stay as they were.
TEST_F(FilterNumberTest, AFieldThatIsNotWhatItStandsForRefusesTheFileNamingIt)
{
    const struct
    {
        const char* line;
        const char* problem;
    } cases[] = {
        {"EQ-1, abc, 200.0, 1000.0, Yes, Yes, 1",
         "its Gain in DB \"abc\" is not a finite number; give it one number in digits alone, "
         "such as -3.0."},
        {"EQ-1, , 200.0, 1000.0, Yes, Yes, 1",
         "its Gain in DB is empty; give it one number in digits alone, such as -3.0."},
        {"EQ-1, -3.5dB, 200.0, 1000.0, Yes, Yes, 1",
         "its Gain in DB \"-3.5dB\" is not a finite number; give it one number in digits alone, "
         "such as -3.0."},
        {"EQ-1, -3.5, 200.0, 1000Hz, Yes, Yes, 1",
         "its Center Frequency \"1000Hz\" is not a finite number; give it one number in digits "
         "alone, such as 1000.0."},
        {"EQ-1, -3.5, 200.0, 1000.0, Yes, Maybe, 1",
         "its Active field \"Maybe\" is neither Yes nor No."},
        {"EQ-1, -3.5, 200.0, 1000.0, eyes, Yes, 1",
         "its Modifiable field \"eyes\" is neither Yes nor No."},
        {"HPB-1, 40.0, Maybe, 1", "its Active field \"Maybe\" is neither Yes nor No."},
        {"HPB-1, 40.0, , 1", "its Active field is empty; give it Yes or No."},
        {"EQ-1, -3,5, 200.0, 1000.0, Yes, Yes, 1",
         "its Gain in DB \"-3,5\" has a decimal comma; write the number with a decimal point, "
         "such as -3.5."},
        {"BS-1, 85,5, 100.0, Yes, 2",
         "its Gain in DB \"85,5\" has a decimal comma; write the number with a decimal point, "
         "such as 85.5."},
        {"NT-1, 50.0, 1000,25, Yes, 2",
         "its Cut Frequency \"1000,25\" has a decimal comma; write the number with a decimal "
         "point, such as 1000.25."},
        {"LOPT-1, 4.0, 100.0, 1.0.5, Yes, 2",
         "its Upper Bandedge \"1.0.5\" is not a finite number; give it one number in digits "
         "alone, such as 1000.0."},
    };
    for (const auto& c : cases)
    {
        const std::string line = c.line;
        ExpectRefusedAt(line + "\r\n", 1, Refusal(line.substr(0, line.find(',')), c.problem));
    }
}

// Stored files rely on lines that end early and on any blanks between the fields: such
// lines read as the fields they hold, missing ones as a missing field reads.
TEST_F(FilterNumberTest, LinesThatReadAsWrittenOpen)
{
    const struct
    {
        const char* line;
        const char* read; // the line as the grids write it back
    } cases[] = {
        {"EQ-1,-3,200,1000,No,Yes,1", "EQ-1, -3.000000, 200.000000, 1000.000000, No, Yes, 1"},
        {"EQ-1, -3.0, 200.0, 1000.0, n, YES, 1",
         "EQ-1, -3.000000, 200.000000, 1000.000000, No, Yes, 1"},
        {"HPB-1,\t40.0 ,  Yes ,\t2 ", "HPB-1, 40.000000, Yes, 2"},
        {"HPB-1, 40.0, Yes, 2, a note", "HPB-1, 40.000000, Yes, 2"},
        // Missing at the end: the Active mode off, the next order given by the grids.
        {"HPB-1, 40.0", "HPB-1, 40.000000, No, 1"},
        {"HPB-1, 40.0, ", "HPB-1, 40.000000, No, 1"},
        {"C1LP-2, 5000.0, 0.5", "C1LP-2, 5000.000000, 0.500000, No, 1"},
        {"TS-1, 6.0, 8000.0, Yes", "TS-1, 6.000000, 8000.000000, Yes, 1"},
    };
    for (const auto& c : cases)
    {
        app.fileReadErrors.clear();
        CFilterGridRows::SetNextOutputOrder(0);
        Open(std::string(c.line) + "\r\n");
        ASSERT_TRUE(app.fileReadErrors.empty()) << c.line << ": " << app.fileReadErrors[0].error;
        EXPECT_TRUE(messages.texts.empty()) << c.line;
        dialogs.answers.push_back(folder.Path("saved.par"));
        doc->OnFileSaveAsFilterParameters();
        EXPECT_EQ(ReadFileBytes(folder.Path("saved.par")), std::string(c.read) + "\r\n") << c.line;
    }
}

// Whether a file opens does not hang on the sample rate set when it is opened. A filter
// that the current rate cannot design but another rate the settings accept can (above half
// of the current rate, active or not) comes in as written and is named once, in one
// message; Draw then leaves it out with its message. A filter that no rate designs is
// refused at every rate with the same message.
TEST_F(FilterNumberTest, WhetherAFileOpensDoesNotHangOnTheSampleRate)
{
    const std::string text = "HPB-1, 40.000000, Yes, 1\r\n"
                             "LPB-1, 30000.000000, No, 2\r\n"
                             "EQ-2, -3.000000, 8000.000000, 60000.000000, Yes, No, 3\r\n";
    const struct
    {
        int nRate;
        std::vector<std::string> named; // the filters its rate cannot design
    } rates[] = {
        {8000, {"LPB-1", "EQ-2"}},
        {44100, {"LPB-1", "EQ-2"}},
        {48000, {"LPB-1", "EQ-2"}},
        {96000, {"EQ-2"}},
        {192000, {}},
        {200000, {}},
    };
    for (const auto& r : rates)
    {
        doc->m_nSamplingFrequency = r.nRate;
        app.fileReadErrors.clear();
        messages.texts.clear();
        Open(text);
        EXPECT_TRUE(app.fileReadErrors.empty()) << r.nRate;
        EXPECT_EQ(doc->m_ParameterFile.GetName(), folder.Path("opened.par")) << r.nRate;
        ASSERT_EQ(doc->m_FilterLists.GetTotalCount(), 3) << r.nRate;
        if (r.named.empty())
        {
            EXPECT_TRUE(messages.texts.empty()) << r.nRate;
            continue;
        }
        ASSERT_EQ(messages.texts.size(), 1u) << r.nRate;
        const std::string& message = messages.texts[0];
        EXPECT_EQ(message.rfind("These filters were taken as they are written, but the sample "
                                "rate of " +
                                    std::to_string(r.nRate) + " Hz cannot design them:\n\n",
                                0),
                  0u)
            << message;
        EXPECT_EQ(message.find("HPB-1"), std::string::npos) << message;
        for (const std::string& label : r.named)
            EXPECT_NE(message.find("\n" + label + ": "), std::string::npos) << message;
        EXPECT_NE(message.find("Draw and every file written leave them out"), std::string::npos);
    }
    // Draw names the filter it leaves out; the grids keep it as written.
    doc->m_nSamplingFrequency = 48000;
    Open("HPB-1, 40.000000, Yes, 1\r\nLPB-1, 30000.000000, Yes, 2\r\n");
    messages.texts.clear();
    doc->OnViewDrawFilters();
    ASSERT_EQ(messages.texts.size(), 1u);
    EXPECT_NE(messages.texts[0].find("These filters cannot be designed from their parameters:\n\n"
                                     "LPB-1: the Cut Frequency must be above 0 Hz and below "
                                     "half the sample rate (24000 Hz)."),
              std::string::npos)
        << messages.texts[0];
    EXPECT_EQ(Grid(kKindLPB).GetTextMatrix(1, 1), "30000.000000");
}

TEST_F(FilterNumberTest, AFilterThatNoSampleRateDesignsIsRefusedAtEveryRate)
{
    const struct
    {
        const char* line;
        const char* problem;
    } never[] = {
        {"HPB-1, 0.0, Yes, 1", "the Cut Frequency must be above 0 Hz and below half the "
                               "sample rate (100000 Hz)."},
        {"LPB-1, 150000.0, No, 1", "the Cut Frequency must be above 0 Hz and below half the "
                                   "sample rate (100000 Hz)."},
        {"HIPT-1, 3.0, 2000.0, 1000.0, Yes, 2", "the Lower Bandedge must be below the Upper "
                                                "Bandedge."},
    };
    for (const int nRate : {8000, 44100, 48000, 96000, 192000, 200000})
        for (const auto& c : never)
        {
            doc->m_nSamplingFrequency = nRate;
            const std::string line = c.line;
            ExpectRefusedAt(line + "\r\n", 1,
                            Refusal(line.substr(0, line.find(',')),
                                    std::string("it cannot be designed at any sample rate the "
                                                "settings accept, from 1 Hz to 200000 Hz: ") +
                                        c.problem));
        }
}

TEST_F(FilterNumberTest, AtTheLargestTheGridsNumberOnWithoutPassingIt)
{
    Open("EQ-1000000000, -3.0, 200.0, 1000.0, Yes, Yes, 1000000000\r\n"
         "EQ-2, -3.0, 200.0, 2000.0, Yes, Yes\r\n");
    ASSERT_TRUE(app.fileReadErrors.empty());
    CFilterGridRows& grid = Grid(kKindEQ);
    ASSERT_EQ(grid.GetRows(), 5);
    EXPECT_EQ(grid.GetOutputOrder(2), kMaxFilterNumber); // EQ-2 had none
    EXPECT_EQ(grid.GetName(3), "EQ-1000000000");         // the new row's name

    // What the grids hold is saved and opens again.
    dialogs.answers.push_back(folder.Path("saved.par"));
    doc->OnFileSaveAsFilterParameters();
    const auto cells = app.Cells();
    dialogs.answers.push_back(folder.Path("saved.par"));
    doc->OnFileOpenFilterParameterFile();
    EXPECT_TRUE(app.fileReadErrors.empty());
    EXPECT_EQ(app.Cells(), cells);
    EXPECT_EQ(doc->m_ParameterFile.GetName(), folder.Path("saved.par"));

    // A key press into the new row gives it the largest order again.
    grid.PrepareRowForEdit(3, 1);
    EXPECT_EQ(grid.GetOutputOrder(3), kMaxFilterNumber);
    EXPECT_EQ(grid.GetName(4), "*");
}
