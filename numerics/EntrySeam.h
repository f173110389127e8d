// What the entry forms need of the matrix layer and the math run-time beyond mwMatrix:
// the argument checks of the numerical-function bodies and the run-time call context of
// the feval forms.
//
// STAND-IN: until the layer's own mwErrorIfUndefinedInput / mwWarnIfUnassignedOutput and
// the run-time's mclEnterCppContext / mclCppError / mclExitCppContext exist, EntrySeam.cpp
// implements these four with the same texts and effects. When they land, replace the
// bodies in EntrySeam.cpp by calls to them; nothing else has to change.
#pragma once

#include "matrix/matrix.h"

#include <span>

namespace numerics
{
// For each input in order: an unassigned one raises "Input argument #k to function name
// is undefined." (and ends the call); a not-supplied one becomes unassigned.
void CheckUndefinedInputs(const char* name, std::span<mwMatrix* const> inputs);

// For outputs 1 to min(nargout, declared): each non-null one still unassigned (or never
// given a value) gets the warning "Output argument #k was not assigned during call to
// name." and becomes uninitialized.
void WarnUnassignedOutputs(const char* name, int declared, int nargout,
                           std::span<mwMatrix* const> outputs);

// The run-time call context of a feval form: entered on construction. Fail hands a
// caught error over; Leave leaves the context and then reports a handed-over error to the
// caller of the feval form as a run-time error. The destructor leaves a context that was
// not left (an exception of another kind passing through).
class CFevalContext
{
public:
    CFevalContext() = default;
    ~CFevalContext() = default;
    CFevalContext(const CFevalContext&) = delete;
    CFevalContext& operator=(const CFevalContext&) = delete;

    void Fail(const mwException& e);
    void Leave();

private:
    bool m_failed = false;
    char m_message[1024] = {};
};
} // namespace numerics
