// Checks that every implementation body of a numerical function makes of its inputs on
// entry and of its outputs on exit.
#pragma once

#include <span>

class mwMatrix;

// name, n, then n pointers to the inputs (mwMatrix*), in order. An input holding the
// unassigned marker raises the matrix-language error "Input argument #<i> to function
// <name> is undefined." (no later input is looked at); a not-supplied input is made
// unassigned, so that the body sees an omitted input as unassigned.
void mwErrorIfUndefinedInput(const char* name, int n, ...);

// name, the declared output count, the count the caller asked for, then pointers to the
// outputs (mwMatrix*, null allowed). For outputs 1 to min(nargout, declared), each one
// still unassigned warns "Output argument #<i> was not assigned during call to <name>."
// and is made uninitialized. With declared 0 or less only the first output is looked at,
// and made uninitialized without a warning.
void mwWarnIfUnassignedOutput(const char* name, int declared, int nargout, ...);

// The same checks over pointers held in an array.
void mwErrorIfUndefinedInput(const char* name, std::span<mwMatrix* const> inputs);
void mwWarnIfUnassignedOutput(const char* name, int declared, int nargout,
                              std::span<mwMatrix* const> outputs);
