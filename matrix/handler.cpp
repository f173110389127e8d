#include "matrix/handler.h"

#include "matrix/badalloc.h"
#include "matrix/runerr.h"
#include "runtime/handlers.h"

#include <iostream>
#include <sstream>
#include <string>

namespace
{
constexpr const char* kSource = "handler";

mwPrintHandler g_printHandler = mwDefaultPrintHandler;
mwErrorMessageHandler g_errorMessageHandler = mwDefaultErrorMessageHandler;
mwExceptionMessageHandler g_exceptionMessageHandler = mwDefaultExceptionMessageHandler;
mwErrorHandler g_errorHandler = mwDefaultErrorHandler;

// Stores handler in slot, refusing null with message (thrown from line).
template <class Handler> void setSlot(Handler& slot, Handler handler, const char* message, int line)
{
    if (!handler)
        mwDomainError(message, line, kSource).Throw();
    slot = handler;
}
} // namespace

void mwSetPrintHandler(mwPrintHandler handler)
{
    setSlot(g_printHandler, handler, "Don't set library print handler to NULL.", __LINE__);
}

mwPrintHandler mwGetPrintHandler()
{
    return g_printHandler;
}

void mwSetErrorMessageHandler(mwErrorMessageHandler handler)
{
    setSlot(g_errorMessageHandler, handler, "Don't set library error message handler to NULL.",
            __LINE__);
}

mwErrorMessageHandler mwGetErrorMessageHandler()
{
    return g_errorMessageHandler;
}

void mwSetExceptionMessageHandler(mwExceptionMessageHandler handler)
{
    setSlot(g_exceptionMessageHandler, handler,
            "Don't set library exception message handler to NULL.", __LINE__);
}

mwExceptionMessageHandler mwGetExceptionMessageHandler()
{
    return g_exceptionMessageHandler;
}

void mwSetErrorHandler(mwErrorHandler handler)
{
    setSlot(g_errorHandler, handler, "Don't set library error handler to NULL.", __LINE__);
}

mwErrorHandler mwGetErrorHandler()
{
    return g_errorHandler;
}

void mwSetLibraryAllocFcns(mclCallocFcn callocFcn, mclFreeFcn freeFcn, mclReallocFcn reallocFcn,
                           mclMallocFcn mallocFcn)
{
    if (!callocFcn || !freeFcn || !reallocFcn || !mallocFcn)
        mwDomainError("Don't set library allocation functions to NULL", __LINE__, kSource).Throw();
    mlfSetLibraryAllocFcns(callocFcn, freeFcn, reallocFcn, mallocFcn);
}

void mwSetAllocHandler(void* (*)(std::size_t))
{
    mwDomainError("mwSetAllocHandler() is obsolete. Use mwSetLibraryAllocFcns instead", __LINE__,
                  kSource)
        .Throw();
}

void mwSetFreeHandler(void (*)(void*))
{
    mwDomainError("mwSetFreeHandler() is obsolete. Use mwSetLibraryAllocFcns instead", __LINE__,
                  kSource)
        .Throw();
}

void mwSetCompactHandler(void (*)())
{
    mwDomainError("mwSetCompactHandler() is obsolete. Use mwSetLibraryAllocFcns instead", __LINE__,
                  kSource)
        .Throw();
}

void mwDisplayException(const mwException& e)
{
    g_exceptionMessageHandler(e);
}

void mwPrintTrampoline(const char* text)
{
    g_printHandler(text);
}

void mwErrorTrampoline(const char* text, int isError)
{
    g_errorHandler(text, isError);
}

void mwDefaultPrintHandler(const char* text)
{
    std::cout << (text ? text : "") << std::flush;
}

// One print call per message, so that a print handler showing message boxes shows one box.
void mwDefaultErrorMessageHandler(const char* text, int isError)
{
    const char* body = text ? text : "";
    if (isError)
        g_printHandler(body);
    else
        g_printHandler(("WARNING: " + std::string(body) + "\n").c_str());
}

void mwDefaultExceptionMessageHandler(const mwException& e)
{
    std::ostringstream report;
    report << e;
    g_errorMessageHandler(report.str().c_str(), 1);
}

void mwDefaultErrorHandler(const char* text, int isError)
{
    if (!isError)
    {
        g_errorMessageHandler(text, 0);
        return;
    }
    if (mclIsOutOfMemoryError())
        mwBadAlloc(nullptr, __LINE__, kSource).Throw();
    mwRuntimeError(text, __LINE__, kSource).Throw();
}

std::ostream& operator<<(std::ostream& out, const mwException& e)
{
    if (const char* kind = e.Kind())
        out << kind << std::endl;
    out << "Exception!  File: " << (e.File() ? e.File() : "No File Info.") << ", Line: " << e.Line()
        << std::endl;
    out << "    " << (e.Message() ? e.Message() : "No message") << std::endl;
    if (const char* advice = e.Advice())
        out << advice << std::endl;
    return out;
}
