#include "matrix/indexlist.h"

#include "matrix/arrayidx.h"
#include "matrix/logicerr.h"
#include "matrix/nsubarry.h"
#include "runtime/cells.h"
#include "runtime/handlers.h"

mwIndexList::mwIndexList(double v)
{
    AppendOwned(mwMatrix(v));
}

mwIndexList::mwIndexList(int v)
{
    AppendOwned(mwMatrix(v));
}

mwIndexList::mwIndexList(const char* text)
{
    AppendOwned(mwMatrix(text));
}

mwIndexList::mwIndexList(const mwMatrix& m)
{
    AppendSubscript(m);
}

mwIndexList::mwIndexList(const mwSubMatrix& part)
{
    AppendSubscript(mwMatrix(part));
}

mwIndexList::mwIndexList(const mwColonIndex& index)
{
    AppendSubscript(mwMatrix(index));
}

mwIndexList::mwIndexList(const mwIndexList& other)
{
    m_entries.Grow(other.Count());
    for (int i = 0; i < other.Count(); ++i)
        Append(other.Entry(i));
}

mwIndexList::~mwIndexList()
{
    for (int i = 0; i < Count(); ++i)
    {
        MatrixRef* ref = m_entries[i];
        if (ref->Release() == 0)
            MatrixRef::Free(ref, MatrixRef::OnFault::Report);
    }
}

void mwIndexList::Append(MatrixRef* ref)
{
    ref->AddRef();
    try
    {
        m_entries.Append(ref);
    }
    catch (...)
    {
        ref->Release();
        throw;
    }
}

void mwIndexList::AppendOwned(const mwMatrix& value)
{
    Append(value.GetRef());
}

int mwIndexList::AppendSubscript(const mwMatrix& m)
{
    if (m.IsNotSupplied())
        return 0;
    if (!m.GetRef())
        mwLogicError("Null matrix data.", __LINE__, "indexlist").Throw();
    mxArray* a = m.GetData();
    if (!mclIsCommaList(a))
    {
        mclErrorIfUnassigned(a);
        Append(m.GetRef());
        return 1;
    }
    const int n = mxGetNumberOfElements(a);
    mwSlots<mxArray*> handles(n);
    const int written = mclUnpackCommaList(handles.Data(), a, 0, 1);
    for (int i = 0; i < written; ++i)
    {
        mxArray* h = handles[i];
        handles[i] = nullptr;
        try
        {
            AppendOwned(mwMatrix(h, 1));
        }
        catch (...)
        {
            for (int j = i + 1; j < written; ++j)
                mxDestroyArray(handles[j]);
            throw;
        }
    }
    return 1;
}

void mwIndexList::AppendAll(const mwIndexList& other)
{
    for (int i = 0; i < other.Count(); ++i)
        Append(other.Entry(i));
}

int mwIndexList::NumberOfElements(int i) const
{
    return i >= Count() ? -1 : mxGetNumberOfElements(Entry(i)->Array());
}

void mwIndexList::GetArrays(mxArray** out) const
{
    for (int i = 0; i < Count(); ++i)
        out[i] = Entry(i)->Array();
}

mwMatrix mwIndexList::ToCell() const
{
    const mwMatrix rows(Count() > 0 ? 1.0 : 0.0);
    const mwMatrix cols(Count());
    mwMatrix cell(mlfCell(rows.GetData(), cols.GetData(), nullptr), 1);
    mlfInitFcn();
    for (int i = 0; i < Count(); ++i)
        mclSetCell(cell.GetData(), i, mclCreateSharedCopy(Entry(i)->Array()));
    mlfCleanupFcn();
    return cell;
}
