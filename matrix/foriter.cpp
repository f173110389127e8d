#include "matrix/foriter.h"

#include <cstring>

mwForIterator::mwForIterator()
{
    std::memset(static_cast<void*>(&m_state), 0, sizeof m_state);
}

mwForIterator::~mwForIterator()
{
    mclDestroyForLoopIterator(&m_state);
}

void mwForIterator::Start(const mwMatrix& a, const mwMatrix& b, const mwMatrix& c)
{
    mxArray* second = &b == &mwNotSupplied ? nullptr : b.GetData();
    mxArray* third = &c == &mwNotSupplied ? nullptr : c.GetData();
    mclForStart(&m_state, a.GetData(), second, third);
}

int mwForIterator::Next(mwMatrix& var)
{
    mxArray* slot = var.GetData();
    const int more = mclForNext(&m_state, &slot);
    if (slot != var.GetData())
        var = mwMatrix(slot, 1);
    return more;
}
