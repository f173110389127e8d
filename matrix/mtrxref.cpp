#include "matrix/mtrxref.h"

#include "matrix/libinit.h"
#include "matrix/logicerr.h"
#include "runtime/assertion.h"
#include "runtime/memory.h"

#include <new>

namespace
{
constexpr const char* kSource = "mtrxref";
constexpr int kNonzeroCountLine = 127;
} // namespace

void* MatrixRef::Allocate(std::size_t size)
{
    MW_ASSERT(size == sizeof(MatrixRef), kSource);
    return mclSafeMalloc(size);
}

MatrixRef* MatrixRef::Create(mxArray* array, int owns)
{
    mwLibraryInit::Start();
    mclCppOwnsArray(array);
    void* storage = nullptr;
    try
    {
        storage = Allocate(sizeof(MatrixRef));
    }
    catch (...)
    {
        if (owns)
            mxDestroyArray(array);
        throw;
    }
    return new (storage) MatrixRef(array, owns);
}

void MatrixRef::Free(MatrixRef* ref, OnFault onFault)
{
    if (!ref)
        return;
    if (ref->m_array && ref->m_owns)
    {
        if (ref->m_count != 0)
        {
            const char* text =
                mwFormatMessage("Deleting matrix with nonzero reference count = %d.", ref->m_count);
            if (onFault == OnFault::Throw)
                mwLogicError(text, kNonzeroCountLine, kSource).Throw();
            mclReportAssertion(text, kSource, kNonzeroCountLine);
            return;
        }
        mxDestroyArray(ref->m_array);
    }
    ref->m_array = nullptr;
    ref->~MatrixRef();
    mclSafeFree(ref);
}

mxArray* MatrixRef::GiveAway()
{
    mxArray* array = m_array;
    m_array = nullptr;
    m_count = 0;
    return array;
}
