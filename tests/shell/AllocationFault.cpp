#include "AllocationFault.h"

#include <cstdlib>
#include <new>

namespace
{
thread_local std::size_t g_nAllocationLimit = 0;
thread_local void (*g_pAllocationFault)() = nullptr;
thread_local std::size_t g_nAllocations = 0;

void* Allocate(std::size_t size)
{
    ++g_nAllocations;
    if (g_nAllocationLimit != 0 && size > g_nAllocationLimit && g_pAllocationFault)
        g_pAllocationFault();
    if (void* block = std::malloc(size ? size : 1))
        return block;
    throw std::bad_alloc();
}
} // namespace

CAllocationFault::CAllocationFault(std::size_t nLimit, void (*raise)())
{
    g_pAllocationFault = raise;
    g_nAllocationLimit = nLimit;
}

CAllocationFault::~CAllocationFault()
{
    g_nAllocationLimit = 0;
}

CAllocationCount::CAllocationCount() : m_nStart(g_nAllocations) {}

std::size_t CAllocationCount::Count() const
{
    return g_nAllocations - m_nStart;
}

void* operator new(std::size_t size)
{
    return Allocate(size);
}
void* operator new[](std::size_t size)
{
    return Allocate(size);
}
// The run-time makes its arrays with the nothrow form, and they are freed by the delete
// below: it allocates from the same heap, without the fault (it could not throw it).
void* operator new(std::size_t size, const std::nothrow_t&) noexcept
{
    ++g_nAllocations;
    return std::malloc(size ? size : 1);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept
{
    ++g_nAllocations;
    return std::malloc(size ? size : 1);
}
void operator delete(void* block) noexcept
{
    std::free(block);
}
void operator delete[](void* block) noexcept
{
    std::free(block);
}
void operator delete(void* block, std::size_t) noexcept
{
    std::free(block);
}
void operator delete[](void* block, std::size_t) noexcept
{
    std::free(block);
}
