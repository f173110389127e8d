// mwException: the root of the matrix layer's exception classes.
//
// Every exception carries a message, a source name and a line. With owns texts 1 the
// message and the source name are the object's own heap copies; with 0 they point to
// texts that outlive the object (static texts) and are never released. Either may be null.
//
// Throw sites construct the object on the stack and call Throw(), which records the message
// as the run-time's last-error text and throws a copy of the object as its own class.
#pragma once

#include <cstdint>

class mwException
{
public:
    explicit mwException(const char* message = nullptr);
    mwException(const char* message, int line, const char* file);
    mwException(const char* message, int line, const char* file, int owns);
    mwException(const mwException& other);
    mwException& operator=(const mwException& other);
    virtual ~mwException();

    virtual const char* Advice() const; // what the user should do, or null (static text)
    virtual const char* Message() const;
    virtual const char* Kind() const; // the family, or null (static text)
    virtual const char* File() const;
    virtual int Line() const;
    [[noreturn]] virtual void Throw() const;

protected:
    // Makes the message (virtual Message, "" for null) the run-time's last-error text.
    void RecordLastError() const;

private:
    void Release();
    void Take(const mwException& other);

    const char* m_message;
    std::uint8_t m_ownsTexts;
    const char* m_file;
    std::int32_t m_line;
};

// Gives every class of the tree a Throw() that records the last error and throws a copy
// of the object as Self, so that a handler of Self or any of its bases catches it.
template <class Self, class Base> class mwThrowable : public Base
{
public:
    using Base::Base;

    [[noreturn]] void Throw() const override
    {
        this->RecordLastError();
        throw Self(static_cast<const Self&>(*this));
    }
};

// Formats like sprintf into one static buffer of 4096 bytes, overwritten by the next call;
// longer texts are cut. A null format gives "No message\n".
const char* mwFormatMessage(const char* format, ...) __attribute__((format(printf, 1, 2)));
