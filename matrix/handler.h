// The layer's replaceable handlers, its trampolines registered with the run-time, and the
// setter of the run-time's allocation functions.
//
// Everything the run-time prints goes to the print handler; every error or warning it
// raises goes to the error handler. The default error handler turns errors into exceptions
// (mwBadAlloc when memory ran out, else mwRuntimeError with the run-time's text) and
// passes warnings to the error-message handler, which prints "WARNING: " + text + "\n" in
// one call of the print handler. The slots are never null: the setters refuse null with
// mwDomainError and leave the slot as it was.
#pragma once

#include "matrix/mwexcept.h"
#include "runtime/memory.h"

#include <cstddef>
#include <iosfwd>

using mwPrintHandler = void (*)(const char* text);
using mwErrorMessageHandler = void (*)(const char* text, int isError);
using mwExceptionMessageHandler = void (*)(const mwException& e);
using mwErrorHandler = void (*)(const char* text, int isError);

void mwSetPrintHandler(mwPrintHandler handler);
mwPrintHandler mwGetPrintHandler();
void mwSetErrorMessageHandler(mwErrorMessageHandler handler);
mwErrorMessageHandler mwGetErrorMessageHandler();
void mwSetExceptionMessageHandler(mwExceptionMessageHandler handler);
mwExceptionMessageHandler mwGetExceptionMessageHandler();
void mwSetErrorHandler(mwErrorHandler handler);
mwErrorHandler mwGetErrorHandler();

// Passes the four functions, in this order, to the run-time; refuses any null one.
void mwSetLibraryAllocFcns(mclCallocFcn callocFcn, mclFreeFcn freeFcn, mclReallocFcn reallocFcn,
                           mclMallocFcn mallocFcn);

// Obsolete: each always throws mwDomainError naming mwSetLibraryAllocFcns.
void mwSetAllocHandler(void* (*handler)(std::size_t) = nullptr);
void mwSetFreeHandler(void (*handler)(void*) = nullptr);
void mwSetCompactHandler(void (*handler)() = nullptr);

// Calls the current exception-message handler with e.
void mwDisplayException(const mwException& e);

// Registered with the run-time by the library start-up; they forward to the current
// print handler and error handler.
void mwPrintTrampoline(const char* text);
void mwErrorTrampoline(const char* text, int isError);

// The defaults. The print handler writes to standard output and flushes; the exception-
// message handler passes the report of operator<< to the error-message handler as an error.
void mwDefaultPrintHandler(const char* text);
void mwDefaultErrorMessageHandler(const char* text, int isError);
void mwDefaultExceptionMessageHandler(const mwException& e);
void mwDefaultErrorHandler(const char* text, int isError);

// The report of an exception, each line ended by a flushing end of line:
//   Kind (when not null)
//   "Exception!  File: " File (or "No File Info.") ", Line: " Line
//   "    " Message (or "No message")
//   Advice (when not null)
std::ostream& operator<<(std::ostream& out, const mwException& e);
