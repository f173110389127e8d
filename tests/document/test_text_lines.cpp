// The lines of a text as the document's readers see them: split at each line feed, a
// carriage return before it dropped, a last line without line feed kept when not empty.
#include "document/TextLines.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
std::vector<std::string> Lines(const CTextLines& lines)
{
    std::vector<std::string> result;
    for (const std::string_view line : lines)
        result.emplace_back(line);
    return result;
}

struct CSplitCase
{
    const char* name;
    std::string text;
    std::vector<std::string> lines;
};

class TextLinesSplit : public ::testing::TestWithParam<CSplitCase>
{
};

TEST_P(TextLinesSplit, GivesEachLineAndCountsThem)
{
    const CSplitCase& c = GetParam();
    const CTextLines lines(c.text);
    EXPECT_EQ(Lines(lines), c.lines);
    EXPECT_EQ(lines.size(), c.lines.size());
    EXPECT_EQ(lines.empty(), c.lines.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TextLinesSplit,
    ::testing::Values(CSplitCase{"Empty", "", {}}, CSplitCase{"OneLineFeed", "\n", {""}},
                      CSplitCase{"OneCarriageReturn", "\r", {""}},
                      CSplitCase{"CrLfAndLf", "a\r\nb\nc\r\n", {"a", "b", "c"}},
                      CSplitCase{"LastLineWithoutLineFeed", "a\nb", {"a", "b"}},
                      CSplitCase{"EmptyLines", "\n\r\n\n", {"", "", ""}},
                      // Only the carriage return before a line feed goes.
                      CSplitCase{"CarriageReturnsInside", "a\rb\r\r\n\rc", {"a\rb\r", "\rc"}},
                      CSplitCase{
                          "NulBytesStay", std::string("a\0b\n", 4), {std::string("a\0b", 3)}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TextLines, ClearLeavesNoLine)
{
    CTextLines lines(std::string("a\nb\n"));
    lines.clear();
    EXPECT_TRUE(lines.empty());
    EXPECT_EQ(lines.begin(), lines.end());
}
} // namespace
