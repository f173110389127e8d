#include "numerics/engine/OptimizerMemory.h"

namespace numerics
{
namespace
{
thread_local COptimizerBuffers* t_pCurrent = nullptr;
} // namespace

COptimizerMemory::COptimizerMemory()
{
    if (!t_pCurrent)
    {
        m_pOwned = std::make_unique<COptimizerBuffers>();
        t_pCurrent = m_pOwned.get();
    }
}

COptimizerMemory::~COptimizerMemory()
{
    if (m_pOwned)
        t_pCurrent = nullptr;
}

COptimizerBuffers* COptimizerMemory::Current()
{
    return t_pCurrent;
}

COptimizerBuffersLease::COptimizerBuffersLease() : m_pBuffers(COptimizerMemory::Current())
{
    if (!m_pBuffers || m_pBuffers->bInUse)
    {
        m_pOwn = std::make_unique<COptimizerBuffers>();
        m_pBuffers = m_pOwn.get();
    }
    m_pBuffers->bInUse = true;
}

COptimizerBuffersLease::~COptimizerBuffersLease()
{
    m_pBuffers->bInUse = false;
}
} // namespace numerics
