// The named-matrix table: keys compared by their text, owned key copies, growth, removal
// that keeps the other keys reachable, and slots that stay inside the table.
#include "matrix_fixture.h"
#include "values.h"

#include <cstring>
#include <string>

using namespace matrix_values;

namespace
{
class NamedMatrices : public MatrixTest
{
protected:
    void SetUp() override
    {
        mwResetNamedMatrices();
        MatrixTest::SetUp();
    }
    void TearDown() override
    {
        mwResetNamedMatrices(); // the stored matrices die before the count is checked
        MatrixTest::TearDown();
    }
};
} // namespace

TEST_F(NamedMatrices, AbsentNamesGiveAnUninitializedEmptyMatrix)
{
    const mwMatrix none = mwGetNamedMatrix("nothing");
    EXPECT_EQ(0, none.NumberOfElements());
    EXPECT_FALSE(none.IsInitialized());
    mwMatrix target(1.0);
    target = none;
    ASSERT_EQ(1u, printed().size());
    EXPECT_NE(std::string::npos, printed()[0].find("Reference to uninitialized variable"));
    mwClearNamedMatrix("nothing");
}

TEST_F(NamedMatrices, KeysAreComparedByTextAndCopied)
{
    char name[16] = "gain";
    mwSetNamedMatrix(name, mwMatrix(3.0));
    std::strcpy(name, "other");
    EXPECT_EQ(3.0, static_cast<double>(mwGetNamedMatrix("gain")))
        << "the table keeps its own copy of the key";
    EXPECT_FALSE(mwGetNamedMatrix("other").IsInitialized());

    const std::string again = "gain";
    mwSetNamedMatrix(again.c_str(), mwMatrix(4.0));
    EXPECT_EQ(4.0, static_cast<double>(mwGetNamedMatrix("gain")));
    EXPECT_EQ(1, mwGetNamedMatrixTable()->Count());
    mwClearNamedMatrix(std::string("gain").c_str());
    EXPECT_FALSE(mwGetNamedMatrix("gain").IsInitialized());
}

TEST_F(NamedMatrices, StoredMatricesShareTheirRecords)
{
    const mwMatrix m = rowOf({1, 2});
    mwSetNamedMatrix("m", m);
    EXPECT_EQ(m.GetData(), mwGetNamedMatrix("m").GetData());
}

TEST_F(NamedMatrices, CollidingKeysBeyondTheirSlotAreFoundByText)
{
    // Same byte sums, so the same home slot.
    const char* keys[] = {"ab", "ba", "ca", "ac"};
    EXPECT_EQ(mwNamedMatrixTable::Hash("ab", 101), mwNamedMatrixTable::Hash("ba", 101));
    for (int i = 0; i < 4; ++i)
        mwSetNamedMatrix(keys[i], mwMatrix(static_cast<double>(i)));
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(i, static_cast<double>(mwGetNamedMatrix(std::string(keys[i]).c_str())));
    mwClearNamedMatrix("ab");
    EXPECT_EQ(1.0, static_cast<double>(mwGetNamedMatrix("ba"))) << "the probe run survives";
    EXPECT_EQ(3.0, static_cast<double>(mwGetNamedMatrix("ac")));
    mwSetNamedMatrix("ba", mwMatrix(5.0));
    EXPECT_EQ(3, mwGetNamedMatrixTable()->Count());
}

TEST_F(NamedMatrices, KeysWithHighBytesHashInsideTheTable)
{
    const char high[] = {'\xff', '\xfe', '\xfd', 0};
    EXPECT_GE(mwNamedMatrixTable::Hash(high, 101), 0);
    EXPECT_LT(mwNamedMatrixTable::Hash(high, 101), 101);
    mwSetNamedMatrix(high, mwMatrix(8.0));
    EXPECT_EQ(8.0, static_cast<double>(mwGetNamedMatrix(high)));
}

TEST_F(NamedMatrices, AFullTableGrowsAndKeepsEveryMatrix)
{
    EXPECT_EQ(101, mwGetNamedMatrixTable()->Size());
    for (int i = 0; i < 102; ++i)
        mwSetNamedMatrix(("name" + std::to_string(i)).c_str(), mwMatrix(static_cast<double>(i)));
    EXPECT_EQ(203, mwGetNamedMatrixTable()->Size());
    EXPECT_EQ(102, mwGetNamedMatrixTable()->Count());
    for (int i = 0; i < 102; ++i)
        EXPECT_EQ(i, static_cast<double>(mwGetNamedMatrix(("name" + std::to_string(i)).c_str())));
}

TEST_F(NamedMatrices, RemovingAnAbsentKeyIsRefusedByTheTable)
{
    EXPECT_EQ("Attempt to remove a key that doesn't exist.",
              messageOf<mwDomainError>([] { mwGetNamedMatrixTable()->Remove("absent"); }));
}

TEST_F(NamedMatrices, ResetEmptiesTheTable)
{
    mwSetNamedMatrix("a", mwMatrix(1.0));
    mwResetNamedMatrices();
    EXPECT_FALSE(mwGetNamedMatrix("a").IsInitialized());
    EXPECT_EQ(101, mwGetNamedMatrixTable()->Size());
}
