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
    for (const auto& c : cases)
        ExpectRefusedAt(c.text, c.nLine,
                        "The output order of this filter is not a whole number in digits, such "
                        "as 3: the file was not opened.  An order has no sign '-', decimal point "
                        "or exponent; give the filter one in digits alone.");
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
        const char* parameter;
        const char* example;
    } cases[] = {
        {"EQ-1, nan, 200.0, 1000.0, Yes, Yes, 1\r\n", 1, "Gain in DB", "-3.0"},
        {"EQ-1, -3.0, 200.0, 1000.0, Yes, Yes, 1\r\nEQ-2, -3.0, -nan, 2000.0, Yes, Yes, 2\r\n", 2,
         "Bandwidth", "1.0"},
        {"; foreign\r\nHPB-1, 1e999, Yes, 1\r\n", 2, "Cut Frequency", "1000.0"},
        {"TS-1, 2.0, 5000.0, Yes, 1\r\n\r\nBS-1, -inf, 100.0, Yes, 2\r\n", 3, "Gain in DB", "-3.0"},
        {"NT-1, 1e400, 1000.0, Yes, 1\r\n", 1, "Bandwidth", "1.0"},
    };
    for (const auto& c : cases)
        ExpectRefusedAt(c.text, c.nLine,
                        std::string("The ") + c.parameter +
                            " of this filter is not a finite number: the file was not opened.  "
                            "\"nan\", \"inf\" and numbers too large to hold, such as 1e400, "
                            "give no filter; give it a number such as " +
                            c.example + ".");
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
