// The argument checks and the feval context that the entry forms rely on.
#include "numerics/EntrySeam.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
mwLibraryInit s_libraryInit;

std::string g_printed;
void Capture(const char* text)
{
    g_printed += text;
}

class EntrySeam : public ::testing::Test
{
protected:
    EntrySeam() : m_previous(mwGetPrintHandler())
    {
        g_printed.clear();
        mwSetPrintHandler(Capture);
    }
    ~EntrySeam() override { mwSetPrintHandler(m_previous); }

private:
    mwPrintHandler m_previous;
};

TEST_F(EntrySeam, NotSuppliedInputsBecomeUnassignedAndUnassignedOnesFail)
{
    mwMatrix first(1.0), omitted, undefined(mwUnassigned);
    omitted.SetNotSupplied();
    mwMatrix* inputs[] = {&first, &omitted};
    numerics::CheckUndefinedInputs("soBUT", inputs);
    EXPECT_TRUE(omitted.IsUnassigned());
    EXPECT_EQ(1.0, double(first));

    mwMatrix* withUndefined[] = {&first, &undefined, &omitted};
    try
    {
        numerics::CheckUndefinedInputs("soBUT", withUndefined);
        ADD_FAILURE() << "no error";
    }
    catch (const mwException& e)
    {
        EXPECT_STREQ("Input argument #2 to function soBUT is undefined.", e.Message());
    }
}

TEST_F(EntrySeam, UnassignedOutputsWarnUpToTheOutputCount)
{
    mwMatrix first(mwUnassigned), second(mwUnassigned), third(mwUnassigned);
    mwMatrix* outputs[] = {&first, &second, &third};
    numerics::WarnUnassignedOutputs("notch", 3, 1, outputs);
    EXPECT_EQ("WARNING: Output argument #1 was not assigned during call to notch.\n", g_printed);
    EXPECT_FALSE(first.IsUnassigned());
    EXPECT_FALSE(first.IsInitialized());
    EXPECT_TRUE(second.IsUnassigned()) << "beyond the output count";

    g_printed.clear();
    numerics::WarnUnassignedOutputs("notch", 0, 2, outputs);
    EXPECT_EQ("", g_printed);
    numerics::WarnUnassignedOutputs("notch", 3, 0, outputs);
    EXPECT_EQ("", g_printed);
}

TEST_F(EntrySeam, FailedFevalReportsAfterLeavingTheContext)
{
    numerics::CFevalContext context;
    context.Fail(mwException("went wrong"));
    try
    {
        context.Leave();
        ADD_FAILURE() << "no error";
    }
    catch (const mwException& e)
    {
        EXPECT_STREQ("went wrong", e.Message());
    }
    numerics::CFevalContext quiet;
    EXPECT_NO_THROW(quiet.Leave());
}
} // namespace
