#include "graph/Mode.h"

#include "graph/Assert.h"
#include "graph/BinaryStream.h"

bool CMode::TurnOn()
{
    m_nState = 1;
    return true;
}

bool CMode::TurnOff()
{
    m_nState = 0;
    return true;
}

bool CMode::Write(CBinaryWriter* pFile) const
{
    if (!MORVANE_CHECK(pFile))
        return false;
    pFile->WriteInt32(m_nState);
    return true;
}

bool CMode::Read(CBinaryReader* pFile)
{
    if (!MORVANE_CHECK(pFile))
        return false;
    return pFile->ReadInt32(m_nState);
}

bool CMode::SetState(int nState)
{
    m_nState = nState;
    return true;
}
