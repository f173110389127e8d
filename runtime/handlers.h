// How the run-time reports: text output goes to the print handler, errors and warnings to
// the C++ error handler. The matrix layer installs both at start-up; the error handler
// throws for errors, so mclRaiseError never returns to its caller.
#pragma once

#include "runtime/mxarray.h"

using mclPrintHandlerFcn = void (*)(const char* text);
using mclErrorHandlerFcn = void (*)(const char* text, int isError);

void mlfSetPrintHandler(mclPrintHandlerFcn handler);   // null restores standard output
void mclSetCppErrorHandler(mclErrorHandlerFcn handler); // null restores the fallback
mclPrintHandlerFcn mlfGetPrintHandler();
mclErrorHandlerFcn mclGetCppErrorHandler(); // null while the fallback is in place

// True while the error being reported is an allocation failure.
bool mclIsOutOfMemoryError();

// Reporting, for the run-time's own functions. Texts are formatted with bounds (longer
// ones are cut at 4095 characters).
[[noreturn]] void mclRaiseError(const char* format, ...)
    __attribute__((format(printf, 1, 2)));
[[noreturn]] void mclRaiseOutOfMemory();
void mclRaiseWarning(const char* format, ...) __attribute__((format(printf, 1, 2)));
void mclPrint(const char* text);

// The last error text, as the matrix language's lasterr keeps it.
const char* mclGetLastError();
void mclSetLastError(const char* text);

// Raises the run-time's error when a is the shared unassigned array.
void mclErrorIfUnassigned(const mxArray* a);

// Brackets of a library call; nothing to do in this run-time.
void mlfInitFcn();
void mlfCleanupFcn();

// Function forms used by the matrix layer (argument-array convention: outputs preset to
// null are set to new arrays the caller owns).
void mlxLasterr(int nlhs, mxArray* plhs[], int nrhs, mxArray* prhs[]);
void mlxWarning(int nlhs, mxArray* plhs[], int nrhs, mxArray* prhs[]);
void mlxEps(int nlhs, mxArray* plhs[], int nrhs, mxArray* prhs[]);
// error(message) or error(format, values...): raises the message (formatted as fprintf
// does when values follow) as an error unless it is empty or missing (textformat.cpp).
void mlxError(int nlhs, mxArray* plhs[], int nrhs, mxArray* prhs[]);
