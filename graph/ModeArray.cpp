#include "graph/ModeArray.h"

#include "graph/Assert.h"

#include <algorithm>

int CModeArray::Add(CMode* pMode)
{
    m_Modes.push_back(pMode);
    return int(m_Modes.size()) - 1;
}

CMode* CModeArray::GetAt(int i) const
{
    if (!MORVANE_CHECK(i >= 0 && i < GetSize()))
        return nullptr;
    return m_Modes[std::size_t(i)];
}

bool CModeArray::TurnOnMode(CMode* pTurnOnMode)
{
    if (!MORVANE_CHECK(pTurnOnMode))
        return false;
    const bool bInArray = std::find(m_Modes.begin(), m_Modes.end(), pTurnOnMode) != m_Modes.end();
    if (!MORVANE_CHECK(bInArray))
        return false;
    pTurnOnMode->TurnOn();
    for (CMode* pMode : m_Modes)
        if (pMode != pTurnOnMode && pMode)
            pMode->TurnOff();
    return true;
}

bool CModeArray::TurnOnAll()
{
    for (CMode* pMode : m_Modes)
        if (pMode)
            pMode->TurnOn();
    return true;
}

bool CModeArray::TurnOffAll()
{
    for (CMode* pMode : m_Modes)
        if (pMode)
            pMode->TurnOff();
    return true;
}
