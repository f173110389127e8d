// mwChainError: a failure reported on top of an inner exception. Message, file and line
// of the chain error stand in for the inner exception's when they are set: Message() is the
// own message or else the inner one; File() the own file or else the inner one; Line() the
// own line when the own file is set, else the inner line.
#pragma once

#include "matrix/runerr.h"

class mwChainError : public mwThrowable<mwChainError, mwRuntimeError>
{
public:
    explicit mwChainError(const mwException& inner, const char* message = nullptr, int line = 0,
                          const char* file = nullptr);

    const char* Message() const override;
    const char* File() const override;
    int Line() const override;

    const mwException& Inner() const { return m_inner; }

private:
    // Held by value, made from what the inner exception reports (its own copies of the
    // texts), so that it outlives the inner object whatever its class.
    mwException m_inner;
};
