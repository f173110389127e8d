// The run-time's allocator. Every block of the run-time and of the matrix layer comes from
// here, so that one set of allocation functions serves both. A failing allocation is
// reported as an out-of-memory error through the error handler (it does not return).
#pragma once

#include <cstddef>

using mclCallocFcn = void* (*)(std::size_t count, std::size_t size);
using mclFreeFcn = void (*)(void* block);
using mclReallocFcn = void* (*)(void* block, std::size_t size);
using mclMallocFcn = void* (*)(std::size_t size);

// Replaces the allocation functions; null arguments are the caller's to refuse.
void mlfSetLibraryAllocFcns(mclCallocFcn callocFcn, mclFreeFcn freeFcn,
                            mclReallocFcn reallocFcn, mclMallocFcn mallocFcn);
// Puts the standard library's functions back (used by tests).
void mclResetLibraryAllocFcns();

// Prepares the allocator; called once by the library start-up.
void mclInitMemoryCache();

void* mclMalloc(std::size_t size);                    // size 0 gives a valid block
void* mclCalloc(std::size_t count, std::size_t size); // zero-filled
void mxFree(void* block);                             // null is ignored

// Allocation that returns null instead of reporting, for callers that must clean up first.
void* mclTryMalloc(std::size_t size);

// Record allocation of the matrix layer: same allocator, same rules.
void* mclSafeMalloc(std::size_t size);
void mclSafeFree(void* block);
