// An on/off state held as one 32-bit int: 0 is off, any other value on. Used by value for
// document, view, filter and menu state; subclasses add what they carry.
#pragma once

#include <cstdint>

class CBinaryReader;
class CBinaryWriter;

class CMode
{
public:
    CMode() = default;
    virtual ~CMode() = default;

    virtual bool TurnOn();
    virtual bool TurnOff();
    // The state itself: a state of 2 read from a file is returned as 2.
    virtual int IsOn() const { return m_nState; }
    virtual bool IsOff() const { return m_nState == 0; }
    // The state as 4 bytes, little-endian.
    virtual bool Write(CBinaryWriter* pFile) const;
    // False, with the state unchanged, when fewer than 4 bytes are left.
    virtual bool Read(CBinaryReader* pFile);
    virtual int GetState() const { return m_nState; }
    virtual bool SetState(int nState);

private:
    std::int32_t m_nState = 0;
};
