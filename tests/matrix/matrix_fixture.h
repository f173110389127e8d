// A fixture for matrix layer tests: records what reaches the print handler and the
// assertion report, restores the allocator and handlers, and checks that every array
// created during the test was destroyed exactly once (the live-array count is back where
// it started).
#pragma once

#include "matrix/matrix.h"
#include "runtime/runtime.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

struct ReportedAssertion
{
    std::string expression;
    std::string source;
    int line;
};

class MatrixTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        mwLibraryInit::Start();
        (void)mwNotSupplied; // markers are built once and never counted as live
        printed().clear();
        assertions().clear();
        m_print = mwGetPrintHandler();
        mwSetPrintHandler(recordPrint);
        m_assertion = mclSetAssertionHandler(recordAssertion);
        m_live = mclLiveArrayCount();
    }

    void TearDown() override
    {
        mclResetLibraryAllocFcns();
        mwSetPrintHandler(m_print);
        mclSetAssertionHandler(m_assertion);
        EXPECT_EQ(m_live, mclLiveArrayCount()) << "an array was leaked or destroyed twice";
    }

    static std::vector<std::string>& printed()
    {
        static std::vector<std::string> calls;
        return calls;
    }
    static std::vector<ReportedAssertion>& assertions()
    {
        static std::vector<ReportedAssertion> reports;
        return reports;
    }
    static void recordPrint(const char* text) { printed().push_back(text); }
    static void recordAssertion(const char* expression, const char* source, int line)
    {
        assertions().push_back({expression, source, line});
    }

    long m_live = 0;

private:
    mwPrintHandler m_print = nullptr;
    mclAssertionHandlerFcn m_assertion = nullptr;
};

inline void* failingMalloc(std::size_t)
{
    return nullptr;
}
inline void* failingCalloc(std::size_t, std::size_t)
{
    return nullptr;
}
inline void* failingRealloc(void*, std::size_t)
{
    return nullptr;
}
