// The one read routine every file reader goes through: a named pipe, a folder, a socket or
// a device is refused at once with a message, never waited on.
#include "graph/BinaryStream.h"
#include "graph/Curve.h"
#include "graph/CurveFile.h"
#include "tests/document/TempFolder.h"
#include "tests/support/NonRegularFiles.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <vector>

TEST(ReadWholeFile, RefusesWhatIsNoRegularFileWithoutWaiting)
{
    TempFolder folder;
    for (const std::string& path : MakeNonRegularFiles(folder.Root()))
    {
        bool ok = true;
        std::string error;
        ASSERT_TRUE(ReturnsWithoutWaiting(
            [&]
            {
                std::vector<std::uint8_t> bytes;
                ok = ReadWholeFile(path, 1 << 20, bytes, error);
            },
            {path}))
            << path;
        EXPECT_FALSE(ok) << path;
        EXPECT_EQ(error, "Cannot open \"" + path + "\": it is not a regular file.");
    }
}

TEST(ReadWholeFile, ReadsARegularFileAndOneThroughALink)
{
    TempFolder folder;
    WriteFileBytes(folder.Path("a.raw"), "bytes");
    ASSERT_EQ(::symlink("a.raw", folder.Path("link.raw").c_str()), 0);
    for (const char* name : {"a.raw", "link.raw"})
    {
        std::vector<std::uint8_t> bytes;
        std::string error;
        ASSERT_TRUE(ReadWholeFile(folder.Path(name), 1 << 20, bytes, error)) << error;
        EXPECT_EQ(std::string(bytes.begin(), bytes.end()), "bytes");
    }
    std::vector<std::uint8_t> bytes;
    std::string error;
    EXPECT_FALSE(ReadWholeFile(folder.Path("missing.raw"), 1 << 20, bytes, error));
    EXPECT_NE(error.find("No such file"), std::string::npos) << error;
}

TEST(ReadWholeFile, CurveFileRefusesAPipe)
{
    TempFolder folder;
    const std::vector<std::string> paths = MakeNonRegularFiles(folder.Root());
    std::string error;
    bool ok = true;
    ASSERT_TRUE(ReturnsWithoutWaiting(
        [&]
        {
            std::vector<std::unique_ptr<CCurve>> curves;
            ok = CCurveFile::ReadCurves(paths[0], 2, CRect(), CDoubleRect(), curves, &error);
        },
        paths));
    EXPECT_FALSE(ok);
    EXPECT_NE(error.find("not a regular file"), std::string::npos) << error;
}
