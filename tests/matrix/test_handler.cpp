// Handler slots, the default handlers, the road of run-time errors and warnings, and the
// allocation setters.
#include "matrix_fixture.h"

#include <functional>

namespace
{
using Handlers = MatrixTest;

std::vector<std::pair<std::string, int>>& messages()
{
    static std::vector<std::pair<std::string, int>> calls;
    return calls;
}
void recordMessage(const char* text, int isError)
{
    messages().emplace_back(text, isError);
}
void otherPrint(const char*) {}

int g_customErrors = 0;
void countingErrorHandler(const char*, int)
{
    ++g_customErrors;
}
} // namespace

TEST_F(Handlers, SettersRefuseNullAndKeepTheSlot)
{
    struct Case
    {
        std::function<void()> setNull;
        std::function<bool()> unchanged;
        const char* message;
    };
    const Case cases[] = {
        {[] { mwSetPrintHandler(nullptr); }, [] { return mwGetPrintHandler() == recordPrint; },
         "Don't set library print handler to NULL."},
        {[] { mwSetErrorMessageHandler(nullptr); },
         [] { return mwGetErrorMessageHandler() == mwDefaultErrorMessageHandler; },
         "Don't set library error message handler to NULL."},
        {[] { mwSetExceptionMessageHandler(nullptr); },
         [] { return mwGetExceptionMessageHandler() == mwDefaultExceptionMessageHandler; },
         "Don't set library exception message handler to NULL."},
        {[] { mwSetErrorHandler(nullptr); },
         [] { return mwGetErrorHandler() == mwDefaultErrorHandler; },
         "Don't set library error handler to NULL."},
        {[] { mwSetAllocHandler(); }, [] { return true; },
         "mwSetAllocHandler() is obsolete. Use mwSetLibraryAllocFcns instead"},
        {[] { mwSetFreeHandler(); }, [] { return true; },
         "mwSetFreeHandler() is obsolete. Use mwSetLibraryAllocFcns instead"},
        {[] { mwSetCompactHandler(); }, [] { return true; },
         "mwSetCompactHandler() is obsolete. Use mwSetLibraryAllocFcns instead"},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.message);
        try
        {
            c.setNull();
            ADD_FAILURE() << "no exception";
        }
        catch (const mwDomainError& e)
        {
            EXPECT_STREQ(c.message, e.Message());
            EXPECT_STREQ("handler", e.File());
            EXPECT_LT(0, e.Line());
        }
        EXPECT_TRUE(c.unchanged());
    }
    mwSetPrintHandler(otherPrint);
    EXPECT_EQ(otherPrint, mwGetPrintHandler());
}

TEST_F(Handlers, AllocationFunctionsWithANullOneNeverReachTheRunTime)
{
    const mclCallocFcn c = failingCalloc;
    const mclFreeFcn f = std::free;
    const mclReallocFcn r = failingRealloc;
    const mclMallocFcn m = failingMalloc;
    for (int missing = 0; missing < 4; ++missing)
    {
        SCOPED_TRACE(missing);
        EXPECT_THROW(mwSetLibraryAllocFcns(missing == 0 ? nullptr : c, missing == 1 ? nullptr : f,
                                           missing == 2 ? nullptr : r, missing == 3 ? nullptr : m),
                     mwDomainError);
        void* block = mclMalloc(16);
        EXPECT_NE(nullptr, block) << "the failing allocator was installed";
        mxFree(block);
    }
}

TEST_F(Handlers, FailingAllocatorGivesBadAlloc)
{
    mwSetLibraryAllocFcns(failingCalloc, std::free, failingRealloc, failingMalloc);
    try
    {
        mwMatrix m(2, 2, mwMatrix::kOnes);
        FAIL() << "the allocation failure was not reported";
    }
    catch (const mwBadAlloc& e)
    {
        EXPECT_STREQ("A memory allocation request failed.", e.Message());
        EXPECT_STREQ("handler", e.File());
    }
    EXPECT_THROW(new mwMatrix(mwNotSupplied), mwBadAlloc) << "heap handles use the allocator";
    EXPECT_THROW(mwMatrix(2, 2, mwMatrix::kZeros), mwBadAlloc);
    EXPECT_FALSE(mclIsOutOfMemoryError());
    try
    {
        mwDomainError("recorded or not, this is what arrives", 1, "x").Throw();
    }
    catch (const mwDomainError& e)
    {
        EXPECT_STREQ("recorded or not, this is what arrives", e.Message());
    }
}

TEST_F(Handlers, RunTimeErrorBecomesRuntimeErrorWithItsText)
{
    const mwMatrix a(2, 2, mwMatrix::kOnes);
    const mwMatrix b(3, 3, mwMatrix::kOnes);
    try
    {
        (void)(a > b);
        FAIL() << "no exception";
    }
    catch (const mwRuntimeError& e)
    {
        EXPECT_STREQ("Matrix dimensions must agree.", e.Message());
        EXPECT_STREQ("Matrix dimensions must agree.", mclGetLastError());
        EXPECT_EQ(nullptr, dynamic_cast<const mwBadAlloc*>(&e));
    }
    EXPECT_TRUE(printed().empty()) << "an error prints nothing";
    EXPECT_THROW(error(mwMatrix("stop here")), mwRuntimeError);
    error(mwMatrix(""));
    error();
}

TEST_F(Handlers, WarningIsOnePrintCall)
{
    mclRaiseWarning("watch %s", "out");
    ASSERT_EQ((std::vector<std::string>{"WARNING: watch out\n"}), printed());

    mwSetPrintHandler(mwDefaultPrintHandler);
    testing::internal::CaptureStdout();
    mclRaiseWarning("to stdout");
    EXPECT_EQ("WARNING: to stdout\n", testing::internal::GetCapturedStdout());

    mwSetPrintHandler(recordPrint);
    printed().clear();
    mwDefaultErrorMessageHandler("an error", 1);
    EXPECT_EQ((std::vector<std::string>{"an error"}), printed());
}

TEST_F(Handlers, ExceptionDisplayGoesToTheErrorMessageHandler)
{
    messages().clear();
    mwSetErrorMessageHandler(recordMessage);
    mwDisplayException(mwRuntimeError("shown", 4, "here"));
    mwSetErrorMessageHandler(mwDefaultErrorMessageHandler);
    ASSERT_EQ(1u, messages().size());
    EXPECT_EQ("RuntimeError\nException!  File: here, Line: 4\n    shown\n", messages()[0].first);
    EXPECT_EQ(1, messages()[0].second);
}

TEST_F(Handlers, TrampolinesForwardToTheCurrentHandlers)
{
    EXPECT_EQ(mwErrorTrampoline, mclGetCppErrorHandler());
    EXPECT_EQ(mwPrintTrampoline, mlfGetPrintHandler());
    mclPrint("through");
    EXPECT_EQ((std::vector<std::string>{"through"}), printed());

    g_customErrors = 0;
    mwSetErrorHandler(countingErrorHandler);
    EXPECT_ANY_THROW(mclRaiseError("custom")); // a handler that returns still ends the call
    mclRaiseWarning("custom");
    mwSetErrorHandler(mwDefaultErrorHandler);
    EXPECT_EQ(2, g_customErrors);
}
