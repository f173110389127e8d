#include "device/DeviceDataSession.h"
#include "tests/device/TestData.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace
{
// Answers OK or Cancel and counts the calls; OK leaves the lines as they are.
struct CScriptedEditor : IDeviceDataEditor
{
    bool Edit(std::vector<std::string>& lines) override
    {
        ++calls;
        seen = lines;
        return ok;
    }
    bool ok = true;
    int calls = 0;
    std::vector<std::string> seen;
};

std::string TempPath(const char* name)
{
    return ::testing::TempDir() + "/" + name;
}
} // namespace

TEST(DeviceDataSession, OpenShowsTheFilesOwnLines)
{
    const std::string path = std::string(MORVANE_TEST_DATA_DIR) + "/qzx2201.eq";
    // The editor's OK makes the lines accepted and unsaved; Cancel leaves both modes.
    const struct
    {
        bool acceptedBefore, savedBefore, ok;
        bool acceptedAfter, savedAfter;
    } cases[] = {
        {false, true, true, true, false},
        {true, true, false, true, true},
        {false, false, false, false, false},
    };
    for (const auto& c : cases)
    {
        CDeviceDataSession session(48000);
        session.m_Status.m_GeneratedMode.TurnOn();
        session.m_Status.m_AcceptedMode.SetState(c.acceptedBefore);
        session.m_Status.m_SavedMode.SetState(c.savedBefore);
        CScriptedEditor editor;
        editor.ok = c.ok;
        std::string error;
        ASSERT_TRUE(session.Open(path, editor, error)) << error;
        EXPECT_EQ(editor.seen, SplitDeviceDataText(ReadFile("qzx2201.eq")));
        EXPECT_EQ(session.m_Lines, editor.seen);
        EXPECT_EQ(session.m_Status.GetName(), path);
        EXPECT_TRUE(session.m_Status.m_OpenedFromFileMode.IsOn());
        EXPECT_TRUE(session.m_Status.m_HasFilterSectionMode.IsOn());
        EXPECT_FALSE(session.m_Status.m_GeneratedMode.IsOn());
        EXPECT_EQ(session.m_Status.m_AcceptedMode.IsOn() != 0, c.acceptedAfter) << c.ok;
        EXPECT_EQ(session.m_Status.m_SavedMode.IsOn() != 0, c.savedAfter) << c.ok;
    }
}

TEST(DeviceDataSession, CancellingTheEditorInsideSaveCancelsTheSave)
{
    CDeviceDataSession session(48000);
    CScriptedEditor editor;
    editor.ok = false;
    std::vector<std::string> warnings;
    session.Generate({"a.eq", "1/2/26", 48000}, CFilterBlock{}, 6, editor, warnings);
    std::string error;
    const std::string path = TempPath("cancelled_save.eq");
    std::remove(path.c_str());
    EXPECT_FALSE(session.Save(path, "cancelled_save.eq", "3/4/26", editor, error));
    EXPECT_EQ(editor.calls, 2);
    EXPECT_TRUE(ReadFileBytes(path).empty());
    EXPECT_FALSE(session.m_Status.m_SavedMode.IsOn());
}

TEST(DeviceDataSession, SaveWritesNameAndDateOrReportsTheFailure)
{
    CDeviceDataSession session(48000);
    CScriptedEditor editor;
    std::vector<std::string> warnings;
    ASSERT_TRUE(session.Generate({"a.eq", "1/2/26", 48000}, CFilterBlock{}, 6, editor, warnings));
    std::string error;
    const std::string path = TempPath("saved.eq");
    ASSERT_TRUE(session.Save(path, path, "3/4/26", editor, error)) << error;
    const std::vector<std::string> back = SplitDeviceDataText(ReadFileBytes(path));
    ASSERT_EQ(back.size(), 15u);
    EXPECT_EQ(back[0], "! NAME: " + path + "\r\n");
    EXPECT_EQ(back[1], "! Date                : 3/4/26\r\n");
    EXPECT_TRUE(session.m_Status.m_SavedMode.IsOn());

    EXPECT_FALSE(session.Save("/nonexistent/dir/x.eq", "x.eq", "3/4/26", editor, error));
    EXPECT_FALSE(error.empty());
}
