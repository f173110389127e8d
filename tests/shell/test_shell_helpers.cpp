#include "matrix/badalloc.h"
#include "matrix/mwexcept.h"
#include "shell/CommandFailure.h"
#include "shell/CommandPrompts.h"
#include "shell/DeviceDataLines.h"
#include "shell/FileDialogFilter.h"
#include "shell/NamedColorTable.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <new>
#include <set>
#include <stdexcept>

namespace
{
TEST(CommandFailure, TheCommandIsNamedByItsMenuText)
{
    const std::pair<const char*, const char*> cases[] = {
        {"&Open Raw Response File ...", "Open Raw Response File"},
        {"Save As Raw Response File    &Z  ...", "Save As Raw Response File"},
        {"Save Raw Response File         &Y", "Save Raw Response File"},
        {"Save As  Des&ired Response ...", "Save As Desired Response"},
        {"Modified &Response and Pause", "Modified Response and Pause"},
        {"&Calculate", "Calculate"},
        {"", ""},
    };
    for (const auto& [text, name] : cases)
        EXPECT_EQ(CommandNameOfMenuText(text), name) << text;
}

TEST(CommandFailure, TheMessageSaysWhatWasStoppedAndWhy)
{
    const std::pair<std::function<void()>, const char*> cases[] = {
        {[] { throw std::bad_alloc(); },
         "The command \"Open\" was stopped because memory ran out."},
        {[] { throw std::runtime_error("disk full"); },
         "The command \"Open\" was stopped by an error: disk full"},
        {[] { throw mwBadAlloc(); },
         "The command \"Open\" was stopped because memory ran out."},
        {[] { throw mwException("Matrix dimensions must agree."); },
         "The command \"Open\" was stopped by an error: Matrix dimensions must agree."},
    };
    for (const auto& [work, expected] : cases)
    {
        CFailure failure;
        ASSERT_FALSE(RunCatchingFailure(work, failure));
        const std::string text = FailureMessage(CommandSubject("Open"), failure);
        EXPECT_EQ(text.substr(0, text.find('\n')), expected);
        EXPECT_NE(text.find("Save your work"), std::string::npos) << text;
    }
    CFailure failure;
    EXPECT_TRUE(RunCatchingFailure([] {}, failure));
    EXPECT_THROW(RunCatchingFailure([] { throw 7; }, failure), int) << "not ours: it passes on";
}

TEST(FileDialogFilter, ProgramFiltersBecomeQtFilters)
{
    const std::pair<const char*, const char*> cases[] = {
        {"Text and  Raw Files (*.txt; *.raw) |*.txt; *.raw| All Files (*.*) |*.*||",
         "Text and  Raw Files (*.txt *.raw);;All Files (*.*)"},
        {"Curve Files (*.crv) |*.crv||", "Curve Files (*.crv)"},
        {"Header|*.h||", "Header (*.h)"},
        {"", "All Files (*)"},
        {"No pattern||", "All Files (*)"},
    };
    for (const auto& [filter, expected] : cases)
        EXPECT_EQ(ToQtFileFilter(filter), expected) << filter;
}

TEST(NamedColorTable, FourteenColoursInTheirOrder)
{
    const CNamedColorList colors = BuildNamedColorTable();
    ASSERT_EQ(int(colors.size()), kNamedColorCount);
    EXPECT_EQ(colors[0]->GetName(), "Red");
    EXPECT_EQ(colors[3]->GetColor(), RGB(255, 128, 92));
    EXPECT_EQ(colors[8]->GetName(), "Blueish Green");
    EXPECT_EQ(colors[13]->GetColor(), RGB(234, 182, 26));
}
} // namespace

namespace
{
TEST(DeviceDataLines, TheEditorShowsOneTextLinePerLine)
{
    const std::vector<std::string> lines = {"!# header\r\n", "0A 000000\r\n", "\r\n"};
    EXPECT_EQ(DeviceLinesToText(lines), "!# header\n0A 000000\n\n");
}

TEST(DeviceDataLines, TodayHasMonthDayAndTwoDigitYear)
{
    const std::string date = DeviceDateText();
    int month = 0, day = 0, year = -1;
    ASSERT_EQ(std::sscanf(date.c_str(), "%d/%d/%d", &month, &day, &year), 3) << date;
    EXPECT_TRUE(month >= 1 && month <= 12 && day >= 1 && day <= 31 && year >= 0 && year < 100);
}

TEST(CommandPrompts, EachCommandHasOneRowWithBothTexts)
{
    std::set<int> ids;
    for (const CCommandPrompt* row = CommandPromptsBegin(); row != CommandPromptsEnd(); ++row)
    {
        EXPECT_TRUE(ids.insert(row->id).second) << row->id;
        EXPECT_TRUE(row->prompt && *row->prompt) << row->id;
        EXPECT_TRUE(row->tooltip && *row->tooltip) << row->id;
    }
    EXPECT_EQ(FindCommandPrompt(1), nullptr);
}
} // namespace
