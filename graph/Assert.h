// Checks of the graph code: they stay active in the shipped program. A failed check goes
// to the run-time's assertion report with its expression, the source file's base name
// ("Curve" for graph/Curve.cpp) and the line, and the program goes on: the caller decides
// what to return.
#pragma once

#include "runtime/assertion.h"

// Reports through mclReportAssertion with the base name of path.
void ReportAssertion(const char* expression, const char* path, int line);

// Evaluates to the truth of the expression, reporting when it is false.
#define MORVANE_CHECK(expr)                                                                        \
    (static_cast<bool>(expr) ? true : (ReportAssertion(#expr, __FILE__, __LINE__), false))

// An unexpected branch: reports "FALSE".
#define MORVANE_CHECK_FAILED() ReportAssertion("FALSE", __FILE__, __LINE__)
