#include "numerics/UserAbortException.h"

#include <cstring>

CUserAbortException::CUserAbortException(int code) : std::exception(), m_nCode(0), m_szMessage{}
{
    const char* text = "";
    if (code == 0)
        text = "User Stopped Calculation";
    else if (code == 1)
        text = "User Exited Program";
    std::strncpy(m_szMessage, text, kMessageSize - 1);
    m_nCode = code;
}

CUserAbortException::CUserAbortException(const CUserAbortException& other)
    : std::exception(other), m_nCode(other.m_nCode)
{
    std::memcpy(m_szMessage, other.m_szMessage, kMessageSize);
}

CUserAbortException& CUserAbortException::operator=(const CUserAbortException& other)
{
    std::exception::operator=(other);
    m_nCode = other.m_nCode;
    std::memcpy(m_szMessage, other.m_szMessage, kMessageSize);
    return *this;
}

CUserAbortException::~CUserAbortException() = default;

const char* CUserAbortException::what() const noexcept
{
    return m_szMessage;
}
