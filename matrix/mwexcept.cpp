#include "matrix/mwexcept.h"

#include "matrix/dblmtrx.h"
#include "matrix/wrappers.h"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace
{
// A heap copy of text, or null when text is null or no memory is left: an exception is
// being built to report a failure and must not fail itself.
const char* copyOf(const char* text)
{
    if (!text)
        return nullptr;
    const std::size_t size = std::strlen(text) + 1;
    auto* copy = static_cast<char*>(std::malloc(size));
    if (copy)
        std::memcpy(copy, text, size);
    return copy;
}
} // namespace

mwException::mwException(const char* message) : mwException(message, 0, nullptr, 1) {}

mwException::mwException(const char* message, int line, const char* file)
    : mwException(message, line, file, 1)
{
}

mwException::mwException(const char* message, int line, const char* file, int owns)
    : m_message(owns ? copyOf(message) : message), m_ownsTexts(owns ? 1 : 0),
      m_file(owns ? copyOf(file) : file), m_line(line)
{
}

mwException::mwException(const mwException& other)
    : m_message(nullptr), m_ownsTexts(0), m_file(nullptr), m_line(0)
{
    Take(other);
}

mwException& mwException::operator=(const mwException& other)
{
    if (this != &other)
    {
        Release();
        Take(other);
    }
    return *this;
}

mwException::~mwException()
{
    Release();
}

void mwException::Release()
{
    if (m_ownsTexts)
    {
        std::free(const_cast<char*>(m_message));
        std::free(const_cast<char*>(m_file));
    }
    m_message = nullptr;
    m_file = nullptr;
}

void mwException::Take(const mwException& other)
{
    m_ownsTexts = other.m_ownsTexts;
    m_line = other.m_line;
    m_message = m_ownsTexts ? copyOf(other.m_message) : other.m_message;
    m_file = m_ownsTexts ? copyOf(other.m_file) : other.m_file;
}

const char* mwException::Advice() const
{
    return nullptr;
}
const char* mwException::Message() const
{
    return m_message;
}
const char* mwException::Kind() const
{
    return nullptr;
}
const char* mwException::File() const
{
    return m_file;
}
int mwException::Line() const
{
    return m_line;
}

void mwException::Throw() const
{
    RecordLastError();
    throw mwException(*this);
}

// Best effort: when recording fails (memory is short), the exception being thrown is the
// more useful report, so the failure to record is dropped.
void mwException::RecordLastError() const
{
    const char* message = Message();
    try
    {
        lasterr(mwMatrix(message ? message : ""));
    }
    catch (const mwException&)
    {
    }
}

const char* mwFormatMessage(const char* format, ...)
{
    static char buffer[4096];
    if (!format)
        format = "No message\n";
    va_list args;
    va_start(args, format);
    if (std::vsnprintf(buffer, sizeof buffer, format, args) < 0)
        buffer[0] = '\0';
    va_end(args);
    return buffer;
}
