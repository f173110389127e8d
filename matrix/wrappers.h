// Function wrappers: matrix-language functions of the run-time called on matrix values.
#pragma once

#include "matrix/dblmtrx.h"

#include <initializer_list>

// A run-time function in the argument-array convention.
using mlxFunction = void (*)(int nlhs, mxArray* plhs[], int nrhs, mxArray* prhs[]);

// Calls f with the arrays of args up to the first not-supplied one (later ones are never
// passed) and nlhs (0 or 1) outputs. With one output the result takes over the output array
// (a null output gives the empty matrix of class -1); with none an output the run-time left
// anyway is destroyed and the result is that empty matrix.
mwMatrix mwCallMlx(mlxFunction f, int nlhs, std::initializer_list<const mwMatrix*> args);

// error(message): raises the message as a matrix-language error (an exception through the
// error handler) unless it is empty or not supplied; then returns normally.
void error(const mwMatrix& message = mwNotSupplied);

// lasterr(message): the run-time's last-error text before the call; a supplied message
// becomes the new one.
mwMatrix lasterr(const mwMatrix& message = mwNotSupplied);
