// mwForIterator: the loop state of a numerical function's for statements.
//
// Made once with the function's locals; each for statement calls Start with its range and
// then Next with the loop variable until Next returns 0. The range values may be released
// right after Start. The state is released once, when the iterator is destroyed (also while
// an exception leaves the function).
#pragma once

#include "matrix/dblmtrx.h"
#include "runtime/forloop.h"

class mwForIterator
{
public:
    mwForIterator();
    ~mwForIterator();
    mwForIterator(const mwForIterator&) = delete;
    mwForIterator& operator=(const mwForIterator&) = delete;

    // for v = a (b and c are the object mwNotSupplied itself), v = a:b (c is) or v = a:b:c.
    void Start(const mwMatrix& a, const mwMatrix& b = mwNotSupplied,
               const mwMatrix& c = mwNotSupplied);
    // Assigns the next loop value to var and returns not 0; returns 0 once the range is
    // exhausted, leaving var alone.
    int Next(mwMatrix& var);

private:
    mclForLoopIterator m_state;
};
