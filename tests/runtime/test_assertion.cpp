// Active checks and the minimal printer.
#include "runtime/runtime.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
std::vector<std::string> g_reports;
void record(const char* expression, const char* source, int line)
{
    g_reports.push_back(std::string(expression) + "|" + source + "|" + std::to_string(line));
}

std::vector<std::string> g_printed;
void recordPrint(const char* text)
{
    g_printed.push_back(text);
}
} // namespace

TEST(Assertion, FailedCheckIsReportedAndTheProgramGoesOn)
{
    g_reports.clear();
    const mclAssertionHandlerFcn previous = mclSetAssertionHandler(record);
    int evaluations = 0;
    const int* data = nullptr;
    MW_ASSERT(++evaluations == 1, "unit");
    MW_ASSERT(data != 0, "dblmtrx");
    const int line = __LINE__ - 1;
    MW_ASSERT_AT(false, "fixed", 639);
    EXPECT_EQ(1, evaluations) << "the expression is evaluated once";
    EXPECT_EQ(
        (std::vector<std::string>{"data != 0|dblmtrx|" + std::to_string(line), "false|fixed|639"}),
        g_reports);
    EXPECT_EQ(record, mclSetAssertionHandler(nullptr));
    EXPECT_NE(record, mclGetAssertionHandler()) << "null restores the default";
    testing::internal::CaptureStderr();
    MW_ASSERT(1 + 1 == 3, "unit");
    EXPECT_NE(std::string::npos, testing::internal::GetCapturedStderr().find("1 + 1 == 3"));
    mclSetAssertionHandler(previous);
}

TEST(PrintArray, OneCallPerArray)
{
    g_printed.clear();
    mlfSetPrintHandler(recordPrint);
    mxArray* a = mlfScalar(2.5);
    mxArray* s = mclCreateString("hi");
    mclPrintArray(a, "x");
    mclPrintArray(s, "");
    mlfSetPrintHandler(nullptr);
    EXPECT_EQ((std::vector<std::string>{"x =\n\n  [\n    2.50000\n  ]\n\n", "'hi'\n\n"}),
              g_printed);
    mxDestroyArray(a);
    mxDestroyArray(s);
}
