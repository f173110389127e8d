#include "runtime/memory.h"

#include "runtime/handlers.h"

#include <cstdlib>

namespace
{
mclCallocFcn g_calloc = std::calloc;
mclFreeFcn g_free = std::free;
mclReallocFcn g_realloc = std::realloc;
mclMallocFcn g_malloc = std::malloc;
} // namespace

void mlfSetLibraryAllocFcns(mclCallocFcn callocFcn, mclFreeFcn freeFcn,
                            mclReallocFcn reallocFcn, mclMallocFcn mallocFcn)
{
    g_calloc = callocFcn;
    g_free = freeFcn;
    g_realloc = reallocFcn;
    g_malloc = mallocFcn;
}

void mclResetLibraryAllocFcns()
{
    mlfSetLibraryAllocFcns(std::calloc, std::free, std::realloc, std::malloc);
}

void mclInitMemoryCache() {}

void* mclTryMalloc(std::size_t size) { return g_malloc(size ? size : 1); }

void* mclMalloc(std::size_t size)
{
    void* block = mclTryMalloc(size);
    if (!block)
        mclRaiseOutOfMemory();
    return block;
}

void* mclCalloc(std::size_t count, std::size_t size)
{
    void* block = count && size ? g_calloc(count, size) : g_calloc(1, 1);
    if (!block)
        mclRaiseOutOfMemory();
    return block;
}

void mxFree(void* block)
{
    if (block)
        g_free(block);
}

void* mclSafeMalloc(std::size_t size) { return mclMalloc(size); }

void mclSafeFree(void* block) { mxFree(block); }
