#include "shell/FileDialogFilter.h"
#include "shell/NamedColorTable.h"

#include <gtest/gtest.h>

namespace
{
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
