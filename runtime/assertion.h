// Active checks: they stay in release builds. A failed check reports the expression text,
// the source name and the line through a replaceable report handler and the program goes
// on; the default handler writes one line to standard error. Tests install a recording
// handler to see what was reported.
#pragma once

// Called with the text of the failed expression, the source name and the line.
using mclAssertionHandlerFcn = void (*)(const char* expression, const char* source, int line);

// Installs a report handler and returns the previous one; null restores the default.
mclAssertionHandlerFcn mclSetAssertionHandler(mclAssertionHandlerFcn handler);
mclAssertionHandlerFcn mclGetAssertionHandler();

// Reports one failed check through the current handler. Null texts are reported as "".
void mclReportAssertion(const char* expression, const char* source, int line);

// MW_ASSERT(expr, source): checks expr (evaluated once) and reports it with the line of the
// statement. MW_ASSERT_AT gives the line explicitly, for checks whose reported line is fixed.
#define MW_ASSERT_AT(expr, source, line)                                                           \
    ((expr) ? static_cast<void>(0) : ::mclReportAssertion(#expr, (source), (line)))
#define MW_ASSERT(expr, source) MW_ASSERT_AT(expr, source, __LINE__)
