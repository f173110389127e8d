// Loop state of the language's for statement.
//
// The caller owns the 40-byte record, zero-fills it before the first start, and releases it
// once with mclDestroyForLoopIterator; starting again on the same record begins a fresh
// loop. The loop does not keep the range arrays: they may be destroyed right after the
// start.
#pragma once

#include "runtime/mxarray.h"

struct mclForLoopIterator
{
    mxArray* columns; // owned: a copy of the matrix looped over, or the colon range made
    int count;        // loop values in all
    int next;         // 0-based index of the next value
    int started;
    int reserved[5];
};
static_assert(sizeof(mclForLoopIterator) == 40, "the loop state is a 40-byte record");

// for v = a            (b and c null): the columns of a, one per loop;
// for v = a:b          (c null):       the colon range from a to b in steps of 1;
// for v = a:b:c:                       the colon range from a in steps of b to c;
// the ranges have exactly the values of mlfColon.
// Releases what an earlier loop on the record left.
void mclForStart(mclForLoopIterator* iter, mxArray* a, mxArray* b, mxArray* c);

// Puts the next loop value into *var as a new array the caller takes over (the array that
// was in *var is left to the caller) and returns 1; returns 0 once the range is exhausted,
// leaving *var alone.
int mclForNext(mclForLoopIterator* iter, mxArray** var);

void mclDestroyForLoopIterator(mclForLoopIterator* iter);
