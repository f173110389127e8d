#include "matrix/uninit.h"

mwUninitMatrix::mwUninitMatrix() : m_matrix(mclGetUninitializedArray(), 0) {}
