// The optimizer's working memory for a whole calculation.
//
// Every placement of mvq83 builds an error model of the band and runs a peak search; on
// long responses (10000 points) their buffers are large enough that the allocator may hand
// them back to the system when they are freed and take them again at the next placement,
// page faults and all. The buffers below are kept instead: for the whole of one mvq83 call
// always, and from one call to the next while a COptimizerMemory is open on the calling
// thread (the calculation driver opens one for the calculation). Results do not depend on
// it: every buffer is written before it is read.
#pragma once

#include "numerics/engine/BandError.h"
#include "numerics/engine/Fndmx83.h"

#include <memory>

namespace numerics
{
struct COptimizerBuffers
{
    CBandErrorModel model;
    CPeakSearchBuffers peakSearch;
    bool bInUse = false; // by an mvq83 call: a nested call takes buffers of its own
};

// Keeps one set of buffers for the mvq83 calls of this thread while it lives. Scopes nest:
// an inner one shares the outer one's buffers. The memory is freed when the outermost one
// ends.
class COptimizerMemory
{
public:
    COptimizerMemory();
    ~COptimizerMemory();
    COptimizerMemory(const COptimizerMemory&) = delete;
    COptimizerMemory& operator=(const COptimizerMemory&) = delete;

    // The buffers of the open scope of this thread; null when none is open.
    static COptimizerBuffers* Current();

private:
    std::unique_ptr<COptimizerBuffers> m_pOwned;
};

// The buffers an mvq83 call works in for its whole length: the open scope's when they are
// free, otherwise its own. Marks them in use while it lives.
class COptimizerBuffersLease
{
public:
    COptimizerBuffersLease();
    ~COptimizerBuffersLease();
    COptimizerBuffersLease(const COptimizerBuffersLease&) = delete;
    COptimizerBuffersLease& operator=(const COptimizerBuffersLease&) = delete;

    COptimizerBuffers& Buffers() { return *m_pBuffers; }

private:
    std::unique_ptr<COptimizerBuffers> m_pOwn;
    COptimizerBuffers* m_pBuffers;
};
} // namespace numerics
