// Input and output checks of the numerical functions.
#include "matrix_fixture.h"
#include "values.h"

using namespace matrix_values;

namespace
{
using ArgumentChecks = MatrixTest;
} // namespace

TEST_F(ArgumentChecks, AnUndefinedInputStopsTheCallWithItsNumber)
{
    mwMatrix first(1.0), second(mwUnassigned), third(mwUnassigned);
    EXPECT_EQ("Input argument #2 to function apcoef80 is undefined.",
              messageOf<mwRuntimeError>(
                  [&] { mwErrorIfUndefinedInput("apcoef80", 3, &first, &second, &third); }));
    EXPECT_EQ(1.0, static_cast<double>(first));
}

TEST_F(ArgumentChecks, OmittedInputsBecomeUnassigned)
{
    mwMatrix given(2.0), omitted(mwNotSupplied);
    mwErrorIfUndefinedInput("f", 2, &given, &omitted);
    EXPECT_TRUE(omitted.IsUnassigned());
    EXPECT_FALSE(omitted.IsNotSupplied());
    EXPECT_EQ(2.0, static_cast<double>(given));
    EXPECT_TRUE(printed().empty());
}

TEST_F(ArgumentChecks, OnlyRequestedUnassignedOutputsWarn)
{
    mwMatrix out1(mwUnassigned), out2(mwUnassigned), out3(3.0);
    mwWarnIfUnassignedOutput("mvq83", 3, 1, &out1, &out2, &out3);
    ASSERT_EQ(1u, printed().size());
    EXPECT_EQ("WARNING: Output argument #1 was not assigned during call to mvq83.\n", printed()[0]);
    EXPECT_FALSE(out1.IsUnassigned());
    EXPECT_FALSE(out1.IsInitialized());
    EXPECT_TRUE(out2.IsUnassigned()) << "beyond the requested count";

    printed().clear();
    mwMatrix a(mwUnassigned), b(mwUnassigned);
    mwWarnIfUnassignedOutput("g", 2, 2, nullptr, &b);
    ASSERT_EQ(1u, printed().size());
    EXPECT_EQ("WARNING: Output argument #2 was not assigned during call to g.\n", printed()[0]);
}

TEST_F(ArgumentChecks, WithoutDeclaredOutputsTheFirstIsResetSilently)
{
    mwMatrix out(mwUnassigned);
    mwWarnIfUnassignedOutput("h", 0, 1, &out);
    EXPECT_TRUE(printed().empty());
    EXPECT_FALSE(out.IsUnassigned());
    mwWarnIfUnassignedOutput("h", 0, 1, nullptr);
}

TEST_F(ArgumentChecks, PointerArraysAreCheckedAlike)
{
    mwMatrix given(1.0), omitted(mwNotSupplied), missing(mwUnassigned);
    mwMatrix* inputs[] = {&given, &omitted};
    mwErrorIfUndefinedInput("f", inputs);
    EXPECT_TRUE(omitted.IsUnassigned());
    mwMatrix* withMissing[] = {&given, &missing};
    EXPECT_EQ("Input argument #2 to function f is undefined.",
              messageOf<mwRuntimeError>([&] { mwErrorIfUndefinedInput("f", withMissing); }));
    mwMatrix* outputs[] = {&missing};
    mwWarnIfUnassignedOutput("f", 1, 3, outputs);
    ASSERT_EQ(1u, printed().size());
    EXPECT_FALSE(missing.IsUnassigned());
}
