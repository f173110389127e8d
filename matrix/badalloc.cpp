#include "matrix/badalloc.h"

mwBadAlloc::mwBadAlloc(const char*, int line, const char* file)
    : mwRuntimeError("A memory allocation request failed.", line, file, 0)
{
}

void mwBadAlloc::Throw() const
{
    throw mwBadAlloc(*this);
}
