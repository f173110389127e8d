// Text files of the library: identifiers, lines, formatted reading and writing.
//
// File identifiers: 0 standard input, 1 standard output and 2 standard error (both go to
// the print handler), 3 and up the files opened with fopen. Numbers are read and written in
// the C numeric locale whatever the program's locale.
#pragma once

#include "runtime/mxarray.h"

#include <cstdio>
#include <string>

// fopen(name, mode, format): the new identifier (3 or more), or -1 when the file cannot be
// opened; a second output receives the system's message ("" on success). The mode (default
// "r") is one of r, w, a, r+, w+, a+ with an optional t or b; format is accepted and
// ignored (files are byte streams). r and r+ open only a regular file, and never wait on a
// named pipe or device (message "Not a regular file.").
void mlxFopen(int nlhs, mxArray* plhs[], int nrhs, mxArray* prhs[]);

// fclose(fid) or fclose('all'): 0 when closed, -1 when the system reports a failure.
void mlxFclose(int nlhs, mxArray* plhs[], int nrhs, mxArray* prhs[]);

// fgetl(fid): the next line without its line end (a trailing carriage return is dropped
// too), or -1 at the end of the file.
mxArray* mlfFgetl(mxArray* fid);

// fscanf(fid, format, size): applies the format again and again from the current position
// until the end of the file or the first text that does not match, and returns the values
// read so far as one column (a char row when every conversion is %s or %c); a mismatch is
// not an error. size n or [m n] (n may be Inf) bounds the count and shapes the result. A
// second output receives the count.
void mlxFscanf(int nlhs, mxArray* plhs[], int nrhs, mxArray* prhs[]);

// fprintf(fid, format, values...) or fprintf(format, values...): writes the values through
// the repeating format; the result (when asked for) is the number of bytes written.
void mlxFprintf(int nlhs, mxArray* plhs[], int nrhs, mxArray* prhs[]);

// The open stream of an identifier; raises the language's error for any other identifier.
std::FILE* mclFileOf(const mxArray* fid, const char* function);

// Closes every file opened with fopen (used by tests and at exit).
void mclCloseAllFiles();
