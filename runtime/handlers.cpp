#include "runtime/handlers.h"

#include "runtime/memory.h"

#include <cstdarg>
#include <cstdio>
#include <stdexcept>
#include <string>

namespace
{
void printToStdout(const char* text)
{
    std::fputs(text, stdout);
    std::fflush(stdout);
}

mclPrintHandlerFcn g_print = printToStdout;
mclErrorHandlerFcn g_error = nullptr;
bool g_outOfMemory = false;
std::string g_lastError;

constexpr std::size_t kMaxMessage = 4096;

std::string formatBounded(const char* format, va_list args)
{
    char buffer[kMaxMessage];
    const int n = std::vsnprintf(buffer, sizeof buffer, format ? format : "", args);
    return n < 0 ? std::string() : std::string(buffer);
}

[[noreturn]] void report(const std::string& text, bool outOfMemory)
{
    // The condition holds while the handler runs, however the handler leaves.
    struct Condition
    {
        explicit Condition(bool oom) { g_outOfMemory = oom; }
        ~Condition() { g_outOfMemory = false; }
    } condition(outOfMemory);
    if (!outOfMemory)
        g_lastError = text;
    if (g_error)
        g_error(text.c_str(), 1);
    // An error handler must not return; without one the error still leaves the call.
    if (outOfMemory)
        throw std::bad_alloc();
    throw std::runtime_error(text);
}

std::string textOf(const mxArray* a)
{
    const int n = mclGetString(a, nullptr, 0);
    std::string s(static_cast<std::size_t>(n), '\0');
    mclGetString(a, s.data(), n + 1);
    return s;
}
} // namespace

void mlfSetPrintHandler(mclPrintHandlerFcn handler) { g_print = handler ? handler : printToStdout; }

void mclSetCppErrorHandler(mclErrorHandlerFcn handler) { g_error = handler; }

mclPrintHandlerFcn mlfGetPrintHandler() { return g_print; }

mclErrorHandlerFcn mclGetCppErrorHandler() { return g_error; }

bool mclIsOutOfMemoryError() { return g_outOfMemory; }

void mclRaiseError(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    std::string text = formatBounded(format, args);
    va_end(args);
    report(text, false);
}

void mclRaiseOutOfMemory() { report("Out of memory.", true); }

void mclRaiseWarning(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    std::string text = formatBounded(format, args);
    va_end(args);
    if (g_error)
        g_error(text.c_str(), 0);
    else
        mclPrint(("Warning: " + text + "\n").c_str());
}

void mclPrint(const char* text) { g_print(text ? text : ""); }

const char* mclGetLastError() { return g_lastError.c_str(); }

void mclSetLastError(const char* text) { g_lastError = text ? text : ""; }

void mclErrorIfUnassigned(const mxArray* a)
{
    if (a && a == mclGetUnassignedArray())
        mclRaiseError("Variable used before it was assigned a value.");
}

void mlfInitFcn() {}
void mlfCleanupFcn() {}

void mlxLasterr(int nlhs, mxArray* plhs[], int nrhs, mxArray* prhs[])
{
    std::string previous = g_lastError;
    if (nrhs > 0 && prhs[0])
        g_lastError = textOf(prhs[0]);
    if (nlhs > 0)
        plhs[0] = mclCreateString(previous.c_str());
}

void mlxWarning(int nlhs, mxArray* plhs[], int nrhs, mxArray* prhs[])
{
    std::string text = nrhs > 0 && prhs[0] ? textOf(prhs[0]) : std::string();
    if (!text.empty())
        mclRaiseWarning("%s", text.c_str());
    if (nlhs > 0)
        plhs[0] = mclCreateString(text.c_str());
}

void mlxEps(int nlhs, mxArray* plhs[], int, mxArray*[])
{
    if (nlhs > 0)
        plhs[0] = mlfScalar(2.220446049250313e-16);
}
