// The exception that ends a running filter calculation from the inside.
//
// Thrown by value by CheckUserAbort and caught by reference by the speaker document's
// calculation command, which tells the two reasons apart by the code. No numerical function
// catches it.
#pragma once

#include <exception>

class CUserAbortException : public std::exception
{
public:
    // 0: the user asked to stop ("User Stopped Calculation");
    // 1: the message loop met its quit message ("User Exited Program").
    // Any other code gets an empty text. The code is stored as given.
    explicit CUserAbortException(int code);
    CUserAbortException(const CUserAbortException& other);
    CUserAbortException& operator=(const CUserAbortException& other);
    ~CUserAbortException() override;

    const char* what() const noexcept override;
    int Code() const noexcept { return m_nCode; }

    static constexpr int kMessageSize = 100;

private:
    int m_nCode;
    char m_szMessage[kMessageSize];
};
