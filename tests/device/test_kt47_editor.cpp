#include "device/KT47Editor.h"

#include <gtest/gtest.h>

namespace
{
struct CScriptedTextDialog : ITextEditDialog
{
    bool EditText(const std::string& caption, std::string& text) override
    {
        captions.push_back(caption);
        shown = text;
        if (ok)
            text = answer;
        return ok;
    }
    bool ok = true;
    std::string answer;
    std::string shown;
    std::vector<std::string> captions;
};
} // namespace

TEST(KT47Editor, JoinsTheLinesAndSplitsTheEditedTextBack)
{
    CScriptedTextDialog dialog;
    CKT47Editor editor(dialog);
    std::vector<std::string> lines = {"! NAME: a\r\n", "0A 100000\r\n"};
    const struct
    {
        std::string answer;
        std::vector<std::string> lines;
    } cases[] = {
        {"a\r\nb\r\n", {"a\r\n", "b\r\n"}},
        {"a\nb\n", {"a\r\n", "b\r\n"}},
        {"a\r\ntyped", {"a\r\n", "typed\r\n"}},
        {"", {}},
    };
    for (const auto& c : cases)
    {
        std::vector<std::string> edited = lines;
        dialog.answer = c.answer;
        ASSERT_TRUE(editor.Edit(edited));
        EXPECT_EQ(dialog.shown, "! NAME: a\r\n0A 100000\r\n");
        EXPECT_EQ(edited, c.lines) << c.answer;
    }
    dialog.ok = false;
    EXPECT_FALSE(editor.EditCaptioned(lines, "Edit DSP Data"));
    EXPECT_EQ(lines.size(), 2u);
    EXPECT_EQ(dialog.captions.front(), "Edit QZX2xxx Data");
    EXPECT_EQ(dialog.captions.back(), "Edit DSP Data");
}
