// Small member types of the speaker document: the record of one companion file and the
// two-step flag of the raw curve's log sampling.
#pragma once

#include "graph/Mode.h"

#include <string>

// One companion file of the design. Its own state says that the document holds content
// for the file; m_ChangedMode that the content changed since it was last saved or
// opened. The name is the file's full path.
class CFileRecord : public CMode
{
public:
    bool SetName(const std::string& name)
    {
        m_strName = name;
        return true;
    }
    std::string GetName() const { return m_strName; }
    // New content was produced: present and not saved.
    void MarkNewContent()
    {
        TurnOn();
        m_ChangedMode.TurnOn();
    }
    // Neither present nor unsaved.
    void Clear()
    {
        TurnOff();
        m_ChangedMode.TurnOff();
    }

    CMode m_ChangedMode;

private:
    std::string m_strName;
};

// Pending (to be done) and acknowledged (done), both false at first.
class CPendingFlag
{
public:
    virtual ~CPendingFlag() = default;

    bool Reset()
    {
        m_bPending = m_bAcknowledged = false;
        return true;
    }
    bool Set()
    {
        m_bPending = true;
        m_bAcknowledged = false;
        return true;
    }
    bool IsPending() const { return m_bPending; }
    bool IsNotPending() const { return !m_bPending; }
    // A pending flag becomes acknowledged (TRUE); any other state stays (FALSE).
    bool Acknowledge()
    {
        if (!m_bPending)
            return false;
        m_bPending = false;
        m_bAcknowledged = true;
        return true;
    }
    bool IsAcknowledged() const { return m_bAcknowledged; }
    bool IsNotAcknowledged() const { return !m_bAcknowledged; }

private:
    bool m_bPending = false;
    bool m_bAcknowledged = false;
};
