#include "matrix/libinit.h"

#include "matrix/handler.h"
#include "runtime/handlers.h"
#include "runtime/memory.h"

namespace
{
unsigned char g_started = 0;
} // namespace

void mwLibraryInit::Start()
{
    if (g_started)
        return;
    mclInitMemoryCache();
    mclSetCppErrorHandler(mwErrorTrampoline);
    mlfSetPrintHandler(mwPrintTrampoline);
    g_started = 1;
}

bool mwLibraryInit::IsStarted()
{
    return g_started != 0;
}
