#include "matrix/chainerr.h"

mwChainError::mwChainError(const mwException& inner, const char* message, int line,
                           const char* file)
    : mwThrowable(message, line, file), m_inner(inner.Message(), inner.Line(), inner.File())
{
}

const char* mwChainError::Message() const
{
    const char* own = mwRuntimeError::Message();
    return own ? own : m_inner.Message();
}

const char* mwChainError::File() const
{
    const char* own = mwRuntimeError::File();
    return own ? own : m_inner.File();
}

int mwChainError::Line() const
{
    return mwRuntimeError::File() ? mwRuntimeError::Line() : m_inner.Line();
}
