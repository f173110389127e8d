#include "matrix/arrayidx.h"

#include "matrix/matmtxif.h"
#include "matrix/nsubarry.h"
#include "matrix/runerr.h"
#include "runtime/colon.h"
#include "runtime/operators.h"

namespace
{
constexpr const char* kSource = "arrayidx";
constexpr int kColonCountLine = 145;
} // namespace

mwColonIndex::mwColonIndex(const mwMatrix& start, const mwMatrix& stop)
{
    Hold(mwMatrix(mlfColon(start.GetData(), stop.GetData(), nullptr), 1));
}

mwColonIndex::mwColonIndex(const mwMatrix& first, const mwMatrix& second, const mwMatrix& third)
{
    Hold(mwMatrix(mlfColon(first.GetData(), second.GetData(), third.GetData()), 1));
}

mwColonIndex::mwColonIndex(double v)
{
    Hold(mwMatrix(v));
}

mwColonIndex::mwColonIndex(const mwMatrix& m)
{
    Hold(m);
}

mwColonIndex::mwColonIndex(const mwSubMatrix& part)
{
    Hold(mwMatrix(part));
}

mwColonIndex::mwColonIndex(const mwColonIndex& other) : mwColonIndex(other.m_ref) {}

mwColonIndex::mwColonIndex(MatrixRef* ref) : m_ref(ref)
{
    m_ref->AddRef();
}

mwColonIndex::~mwColonIndex()
{
    if (m_ref->Release() == 0)
        MatrixRef::Free(m_ref, MatrixRef::OnFault::Report);
}

void mwColonIndex::Hold(const mwMatrix& m)
{
    m_ref = m.GetRef();
    if (!m_ref)
        mwMatrix copy(m); // throws the layer's "Null matrix data."
    m_ref->AddRef();
}

mwColonIndex::operator mwMatrix() const
{
    return mwMatrix(m_ref);
}

int mwColonIndex::IsColon() const
{
    return mlfIsColonIndex(m_ref->Array());
}

int mwColonIndex::Extent(const mwMatrix& source, int dim) const
{
    return IsColon() ? source.Size(dim) : Count();
}

int mwColonIndex::Count() const
{
    if (IsColon())
        mwDomainError("Need array pointer to determine size of ':'.", kColonCountLine, kSource)
            .Throw();
    const mxArray* a = m_ref->Array();
    const int n = mxGetNumberOfElements(a);
    if (!mxIsLogical(a))
        return n;
    const double* re = mclGetPr(a);
    int selected = 0;
    for (int i = 0; i < n; ++i)
        selected += re[i] != 0.0 ? 1 : 0;
    return selected;
}

int mwColonIndex::operator==(const mwColonIndex& other) const
{
    return mlfTobool((mwMatrix(*this) == mwMatrix(other)).GetData());
}

int mwColonIndex::operator!=(const mwColonIndex& other) const
{
    return mlfTobool((mwMatrix(*this) != mwMatrix(other)).GetData());
}
