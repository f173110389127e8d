// Elementary matrices of the matrix language: eye, ones, rand, randn and magic.
//
// Explicit calling convention: every argument is an array or null when omitted, and the
// result is a new real double array that the caller owns. The size arguments follow the
// matrix language:
//   f()       1-by-1
//   f(n)      n-by-n; with a vector [m n p ...] the array of those extents (eye: 2 only)
//   f(m, n)   m-by-n, both scalars
// Negative extents count as 0. Sizes that are not real integers raise an error.
#pragma once

#include "runtime/mxarray.h"

#include <cstdint>

mxArray* mlfEye(const mxArray* m, const mxArray* n);
mxArray* mlfOnes(const mxArray* m, const mxArray* n);
mxArray* mlfRand(const mxArray* m, const mxArray* n);  // uniform on the open interval (0, 1)
mxArray* mlfRandn(const mxArray* m, const mxArray* n); // standard normal

// The n-by-n magic square: the integers 1 to n*n with equal row, column and diagonal sums
// for every order n >= 3 (odd, doubly even and singly even orders). magic(1) is 1,
// magic(2) is [1 3; 4 2], and n < 1 gives the 0-by-0 empty matrix.
mxArray* mlfMagic(const mxArray* n);

// Restarts the generator shared by rand and randn, for reproducible sequences.
void mclSeedRandom(std::uint32_t seed);
