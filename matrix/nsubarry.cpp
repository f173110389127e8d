#include "matrix/nsubarry.h"

#include "matrix/arrayidx.h"
#include "matrix/logicerr.h"
#include "runtime/memory.h"

namespace
{
constexpr const char* kSource = "nsubarry";
constexpr int kAssignLine = 74;
constexpr int kMultiAssignLine = 99;
constexpr int kDoubleLine = 115;
constexpr int kValueLine = 124;

[[noreturn]] void raise(const char* message, int line)
{
    mwLogicError(message, line, kSource).Throw();
}

// The run-time array handles of a list, in the storage scheme of index lists.
struct Handles
{
    explicit Handles(const mwIndexList& list) : slots(list.Count())
    {
        list.GetArrays(slots.Data());
        slots.SetCount(list.Count());
    }
    mwSlots<mxArray*> slots;
};
} // namespace

// Entry points of mwMatrix.

mwMatrix::mwMatrix(const mwSubMatrix& part) : mwMatrix(part.GetValue(), 1) {}

mwSubMatrix mwMatrix::operator()(const mwIndexList& list)
{
    return mwSubMatrix(this, list, 1);
}

mwMatrix mwMatrix::operator()(const mwIndexList& list) const
{
    return mwMatrix(mwSubMatrix(const_cast<mwMatrix*>(this), list, 1));
}

mwSubMatrix mwMatrix::operator()(const mwMatrix& row, const mwMatrix& column)
{
    return mwSubMatrix(this, mwGatherSubscripts(row, column), 1);
}

// Construction.

mwSubMatrix::mwSubMatrix(mwMatrix* source, const mwIndexList& list, int kind)
    : m_subscripts(list), m_source(source)
{
    InitIndex(kind);
}

mwSubMatrix::mwSubMatrix(mwMatrix* source, const char* field) : m_source(source)
{
    mclInitIndex(&m_definition);
    try
    {
        mclAddFieldToLastIndex(&m_definition, field);
    }
    catch (...)
    {
        mclDestroyIndexDef(&m_definition, 0);
        throw;
    }
    m_definition.target = nullptr;
}

mwSubMatrix::mwSubMatrix(const mwMatrix* subscripts, int n, mwMatrix* source) : m_source(source)
{
    for (int i = 0; i < n; ++i)
        m_subscripts.Append(subscripts[i].GetRef());
    InitIndex(1);
}

mwSubMatrix::mwSubMatrix(int i, mwMatrix* source)
    : m_subscripts(static_cast<double>(i)), m_source(source)
{
    InitIndex(1);
}

mwSubMatrix::mwSubMatrix(int i, int j, mwMatrix* source)
    : m_subscripts(static_cast<double>(i)), m_source(source)
{
    m_subscripts.AppendSubscript(mwMatrix(j));
    InitIndex(1);
}

mwSubMatrix::mwSubMatrix(const mwSubMatrix& other)
    : m_subscripts(other.m_subscripts), m_source(other.m_source)
{
    mclCopyIndexDef(&m_definition, &other.m_definition);
}

mwSubMatrix::~mwSubMatrix()
{
    mclDestroyIndexDef(&m_definition, 0);
}

void* mwSubMatrix::operator new(std::size_t size)
{
    return mclMalloc(size);
}

void mwSubMatrix::operator delete(void* block)
{
    mxFree(block);
}

void mwSubMatrix::InitIndex(int kind)
{
    Handles handles(m_subscripts);
    mclInitIndex(&m_definition);
    try
    {
        mclAddIndex(&m_definition, kind, m_subscripts.Count(), handles.slots.Data());
    }
    catch (...)
    {
        mclDestroyIndexDef(&m_definition, 0);
        throw;
    }
    m_definition.target = nullptr;
}

void mwSubMatrix::AddLevel(const mwIndexList& list, int kind)
{
    Handles handles(list);
    mclAddIndex(&m_definition, kind, list.Count(), handles.slots.Data());
    m_subscripts.AppendAll(list);
}

// Further levels.

mwSubMatrix& mwSubMatrix::operator()(const mwIndexList& list)
{
    AddLevel(list, 1);
    return *this;
}

mwSubMatrix& mwSubMatrix::AddField(const char* name)
{
    mclAddFieldToLastIndex(&m_definition, name);
    return *this;
}

// Reading.

mxArray* mwSubMatrix::GetValue() const
{
    if (!m_source)
        raise("Null rep pointer!", kValueLine);
    return mclComplexRef(m_source->GetData(), &m_definition);
}

mwSubMatrix::operator double() const
{
    if (!m_source)
        raise("Null reference matrix in index operation.", kDoubleLine);
    const mwMatrix value(GetValue(), 1);
    return static_cast<double>(value);
}

// Assignment.

template <class Assign> void mwSubMatrix::AssignThrough(Assign assign)
{
    m_source->MakeUnique();
    mxArray* handle = m_source->GetData();
    m_definition.target = &handle;
    try
    {
        assign();
    }
    catch (...)
    {
        m_definition.target = nullptr;
        throw;
    }
    m_definition.target = nullptr;
    if (handle != m_source->GetData())
        *m_source = mwMatrix(handle, 1);
}

mwMatrix mwSubMatrix::operator=(const mwMatrix& value)
{
    if (!m_source)
        raise("Null reference matrix in index operation.", kAssignLine);
    const mxArray* array = value.IsEmpty() ? nullptr : value.GetData();
    AssignThrough([&] { mclComplexAssign(&m_definition, array, 1); });
    return *m_source;
}

mwMatrix mwSubMatrix::operator=(const mwSubMatrix& other)
{
    return *this = mwMatrix(other);
}

void mwSubMatrix::MultiAssign(mxArray** values, int count)
{
    if (!m_source)
        raise("Null reference matrix in index operation.", kMultiAssignLine);
    if (NumberOfIndexedElements() <= 1)
        raise("Not enough outputs for multi assign", kMultiAssignLine);
    AssignThrough([&] { mclMultiAssign(&m_definition, values, count); });
}

int mwSubMatrix::NumberOfIndexedElements() const
{
    mxArray* handle = m_source ? m_source->GetData() : nullptr;
    mclIndexDef view = m_definition;
    view.target = &handle;
    return mclGetNumberOfIndexedElements(&view);
}

int mwSubMatrix::GetExtents(int* out) const
{
    if (!m_source)
        return 0;
    for (int j = 0; j < m_subscripts.Count(); ++j)
        out[j] = GetExtent(j + 1);
    return m_subscripts.Count();
}

int mwSubMatrix::GetExtent(int i) const
{
    if (!m_source || i < 1 || i > m_subscripts.Count())
        return 0;
    const mwColonIndex subscript(m_subscripts.Entry(i - 1));
    return subscript.Extent(mwMatrix(*this), i);
}
