// The feval forms' call context: a caught error is reported once the context is left.
#include "numerics/FevalContext.h"

#include <gtest/gtest.h>

namespace
{
mwLibraryInit s_libraryInit;

TEST(FevalContext, FailedCallReportsAfterLeaving)
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
