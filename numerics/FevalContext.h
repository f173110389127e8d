// The run-time call context of a feval form.
//
// The math run-time of this program has no call contexts of its own; this class takes the
// place of entering a context, handing a caught error over to the run-time and leaving the
// context. A caught error reaches the caller of the feval form as a run-time error raised
// once the context has been left.
#pragma once

#include "matrix/matrix.h"

namespace numerics
{
// Entered on construction. Fail hands a caught error over; Leave leaves the context and
// then reports a handed-over error. An exception of another kind passing through leaves
// the context with the object.
class CFevalContext
{
public:
    CFevalContext() = default;
    CFevalContext(const CFevalContext&) = delete;
    CFevalContext& operator=(const CFevalContext&) = delete;

    void Fail(const mwException& e);
    void Leave();

private:
    bool m_failed = false;
    char m_message[1024] = {};
};
} // namespace numerics
