// A 1-by-n real matrix of the values, as coefficient vectors are held.
#pragma once

#include "matrix/dblmtrx.h"

#include <vector>

inline mwMatrix Row(std::vector<double> values)
{
    return mwMatrix(1, int(values.size()), values.data(), nullptr, 1);
}
