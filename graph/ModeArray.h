// A set of modes of which turning one on turns the others off (device selection, window
// layout). Holds pointers it does not own; it must not outlive its modes.
#pragma once

#include "graph/Mode.h"

#include <vector>

class CModeArray
{
public:
    int Add(CMode* pMode);
    int GetSize() const { return int(m_Modes.size()); }
    // Null for an index out of range.
    CMode* GetAt(int i) const;
    void RemoveAll() { m_Modes.clear(); }

    // Turns pTurnOnMode on and every element that is a different object off; FALSE, with
    // nothing changed, when pTurnOnMode is null or not an element.
    bool TurnOnMode(CMode* pTurnOnMode);
    bool TurnOnAll();
    bool TurnOffAll();

private:
    std::vector<CMode*> m_Modes;
};
