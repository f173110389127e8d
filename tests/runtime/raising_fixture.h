// A fixture for run-time tests: errors raised by the run-time arrive as RaisedError, and
// every array made during a test must be destroyed by its end.
#pragma once

#include "runtime/runtime.h"

#include <gtest/gtest.h>

#include <stdexcept>

struct RaisedError : std::runtime_error
{
    using std::runtime_error::runtime_error;
};

inline void throwingHandler(const char* text, int isError)
{
    if (isError)
        throw RaisedError(text);
}

class RaisingTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        mclSetCppErrorHandler(throwingHandler);
        m_live = mclLiveArrayCount();
    }
    void TearDown() override
    {
        mclSetCppErrorHandler(nullptr);
        EXPECT_EQ(m_live, mclLiveArrayCount()) << "an array was leaked or destroyed twice";
    }
    long m_live = 0;
};
