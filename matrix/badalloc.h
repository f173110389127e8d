// mwBadAlloc: an allocation failed. Nothing of it allocates: the message is the static
// "A memory allocation request failed." whatever text is passed, the source name must be a
// static text, and Throw() neither records the last error nor copies any text.
#pragma once

#include "matrix/runerr.h"

class mwBadAlloc : public mwRuntimeError
{
public:
    explicit mwBadAlloc(const char* text = nullptr, int line = 0, const char* file = nullptr);

    [[noreturn]] void Throw() const override;
};
