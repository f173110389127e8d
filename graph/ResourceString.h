// Texts of the program's string table, loaded by identifier. The program takes the texts
// it shows (titles, file-dialog filters and extensions, messages, labels) from here,
// usually through a temporary CResourceString.
#pragma once

#include <string>
#include <vector>

// The text of the identifier; empty when the table has none.
std::string LoadResourceString(unsigned id);

class CResourceString : public std::string
{
public:
    CResourceString() = default;
    explicit CResourceString(unsigned id) : std::string(LoadResourceString(id)) {}
    virtual ~CResourceString() = default;
};

// A string-table text with a writable copy of its own, for callers that need a char
// buffer (help keywords).
class CHelpString : public CResourceString
{
public:
    explicit CHelpString(unsigned id);
    // The owned copy, zero-terminated.
    char* GetText() { return m_Buffer.data(); }

private:
    std::vector<char> m_Buffer;
};
