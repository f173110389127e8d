// Companion file names: only the file name's own extension is cut.
#include "document/CompanionNames.h"
#include "document/FileRecord.h"

#include <gtest/gtest.h>

struct NameCase
{
    std::string raw;
    std::string base;
};

class CompanionNames : public ::testing::TestWithParam<NameCase>
{
};

TEST_P(CompanionNames, BaseAndEveryCompanion)
{
    const NameCase& c = GetParam();
    EXPECT_EQ(CompanionBaseName(c.raw), c.base);
    const CCompanionNames names = DeriveCompanionNames(c.raw);
    EXPECT_EQ(names.desiredCurve, c.base + ".crv");
    EXPECT_EQ(names.coefficients, c.base + ".flt");
    EXPECT_EQ(names.modifiedRaw, c.base + "Mod.raw");
    EXPECT_EQ(names.parameters, c.base + ".par");
    EXPECT_EQ(names.masterPoints, c.base + ".mpt");
    EXPECT_EQ(names.deviceData, c.base + ".eq");
}

INSTANTIATE_TEST_SUITE_P(Paths, CompanionNames,
                         ::testing::Values(NameCase{"/data/spk1.raw", "/data/spk1"},
                                           NameCase{"/data/x.txt", "/data/x"},
                                           NameCase{"/data/a.b/speaker", "/data/a.b/speaker"},
                                           NameCase{"/data/a.b/speaker.raw", "/data/a.b/speaker"},
                                           NameCase{"/data/two.dots.raw", "/data/two.dots"},
                                           NameCase{"speaker", "speaker"},
                                           NameCase{"/data/.hidden", "/data/.hidden"},
                                           NameCase{"/data/name.", "/data/name"}));

TEST(PendingFlag, AcknowledgeOnlyWhatIsPending)
{
    CPendingFlag flag;
    EXPECT_FALSE(flag.Acknowledge());
    EXPECT_TRUE(flag.IsNotAcknowledged());
    flag.Set();
    EXPECT_TRUE(flag.IsPending());
    EXPECT_TRUE(flag.Acknowledge());
    EXPECT_TRUE(flag.IsAcknowledged());
    EXPECT_TRUE(flag.IsNotPending());
    EXPECT_FALSE(flag.Acknowledge());
    EXPECT_TRUE(flag.IsAcknowledged());
    flag.Reset();
    EXPECT_TRUE(flag.IsNotPending());
    EXPECT_TRUE(flag.IsNotAcknowledged());
}
