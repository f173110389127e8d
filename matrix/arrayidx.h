// mwColonIndex: the value of one subscript — a colon range, a scalar, a whole matrix, an
// indexed part's value, or the bare ':' that selects a whole dimension. Holds one
// reference to the record of that value.
#pragma once

#include "matrix/dblmtrx.h"

class mwSubMatrix;

class mwColonIndex
{
public:
    mwColonIndex(const mwMatrix& start, const mwMatrix& stop); // start:stop
    // first:second:third, the three passed to the colon operator in this order.
    mwColonIndex(const mwMatrix& first, const mwMatrix& second, const mwMatrix& third);
    mwColonIndex(double v);
    mwColonIndex(const mwMatrix& m);
    mwColonIndex(const mwSubMatrix& part);
    mwColonIndex(const mwColonIndex& other);
    explicit mwColonIndex(MatrixRef* ref);
    mwColonIndex& operator=(const mwColonIndex&) = delete;
    ~mwColonIndex();

    operator mwMatrix() const; // a handle sharing the record

    int IsColon() const; // not 0 for the bare ':'
    // The bare ':' selects the source's extent along the 1-based dimension dim; any other
    // value selects Count() elements.
    int Extent(const mwMatrix& source, int dim) const;
    // The number of elements selected: the non-zero elements of a logical value, else all;
    // the bare ':' throws mwDomainError (its extent depends on the indexed value).
    int Count() const;

    // Element-wise == and != of the two values, made a truth value.
    int operator==(const mwColonIndex& other) const;
    int operator!=(const mwColonIndex& other) const;

private:
    void Hold(const mwMatrix& m);

    MatrixRef* m_ref = nullptr;
};
