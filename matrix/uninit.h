// mwUninitMatrix: the holder of a fresh uninitialized matrix, the default target of
// optional outputs. Its matrix has a record of its own over the run-time's shared
// uninitialized array (not the record of mwNotSupplied); the holder destroys it.
#pragma once

#include "matrix/dblmtrx.h"

class mwUninitMatrix
{
public:
    mwUninitMatrix();
    mwUninitMatrix(const mwUninitMatrix&) = delete;
    mwUninitMatrix& operator=(const mwUninitMatrix&) = delete;

    mwMatrix& Matrix() { return m_matrix; }
    const mwMatrix& Matrix() const { return m_matrix; }
    operator mwMatrix&() { return m_matrix; }
    operator mwMatrix*() { return &m_matrix; }

private:
    mwMatrix m_matrix;
};
