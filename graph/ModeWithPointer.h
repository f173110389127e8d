// A mode that also carries one pointer-sized value attached by its owner (the mode never
// dereferences it). Copies copy the state and the value.
#pragma once

#include "graph/Mode.h"

class CModeWithPointer : public CMode
{
public:
    bool SetPointer(void* pPointer)
    {
        m_pPointer = pPointer;
        return true;
    }
    void* GetPointer() const { return m_pPointer; }

private:
    void* m_pPointer = nullptr;
};
