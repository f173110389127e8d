// The test program's allocator: every operator new of the program goes through it, so
// that a test can make the requests above a size fail with a fault of its choice, and
// count the requests a piece of code makes. Both apply to the thread that asks: the
// threads Qt runs beside the test are left alone.
#pragma once

#include <cstddef>

// Every allocation above the limit raises the fault while the object lives.
class CAllocationFault
{
public:
    CAllocationFault(std::size_t nLimit, void (*raise)());
    ~CAllocationFault();
    CAllocationFault(const CAllocationFault&) = delete;
    CAllocationFault& operator=(const CAllocationFault&) = delete;
};

// The allocations of this thread since the object was made.
class CAllocationCount
{
public:
    CAllocationCount();
    std::size_t Count() const;

private:
    std::size_t m_nStart;
};
