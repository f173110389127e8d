// Checks that stay active in the shipped program. A failed check reports its expression,
// the source file (without folder and extension) and the line through the installed
// handler, and the program goes on: the caller decides what to return.
#pragma once

using AssertionHandler = void (*)(const char* expression, const char* file, int line);

// Null restores the default, which writes one line to standard error.
void SetAssertionHandler(AssertionHandler handler);
void ReportAssertion(const char* expression, const char* file, int line);

// The source's base name, "Curve" for ".../graph/Curve.cpp".
const char* AssertionSourceName(const char* path);

// Evaluates to the truth of the expression, reporting when it is false.
#define MORVANE_CHECK(expr)                                                                        \
    (static_cast<bool>(expr) ? true : (ReportAssertion(#expr, __FILE__, __LINE__), false))

// An unexpected branch: reports "FALSE".
#define MORVANE_CHECK_FAILED() ReportAssertion("FALSE", __FILE__, __LINE__)
