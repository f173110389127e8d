// What the fuzz targets of the coefficient file compare: rows of coefficients as the file
// keeps them, fifteen decimals.
#pragma once

#include "filters/MatrixPtrArray.h"
#include "graph/CFormat.h"

// Row k of both lists is the same to the file's fifteen decimals.
inline bool SameRows(const CMatrixPtrArray& x, const CMatrixPtrArray& y)
{
    if (x.GetSize() != y.GetSize())
        return false;
    for (int k = 0; k < x.GetSize(); ++k)
    {
        const int n = x.GetAt(k).NumberOfElements();
        if (y.GetAt(k).NumberOfElements() != n)
            return false;
        for (int i = 1; i <= n; ++i)
            if (FormatC("%.15lf", x.GetAt(k).RealElement(i)) !=
                FormatC("%.15lf", y.GetAt(k).RealElement(i)))
                return false;
    }
    return true;
}
