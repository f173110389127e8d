#include "matrix/runerr.h"

const char* mwRuntimeError::Kind() const
{
    return "RuntimeError";
}
