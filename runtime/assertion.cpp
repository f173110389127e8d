#include "runtime/assertion.h"

#include <cstdio>

namespace
{
void reportToStderr(const char* expression, const char* source, int line)
{
    std::fprintf(stderr, "Assertion failed: %s, file %s, line %d\n", expression, source, line);
    std::fflush(stderr);
}

mclAssertionHandlerFcn g_assertionHandler = reportToStderr;
} // namespace

mclAssertionHandlerFcn mclSetAssertionHandler(mclAssertionHandlerFcn handler)
{
    mclAssertionHandlerFcn previous = g_assertionHandler;
    g_assertionHandler = handler ? handler : reportToStderr;
    return previous;
}

mclAssertionHandlerFcn mclGetAssertionHandler()
{
    return g_assertionHandler;
}

void mclReportAssertion(const char* expression, const char* source, int line)
{
    g_assertionHandler(expression ? expression : "", source ? source : "", line);
}
