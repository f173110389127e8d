#include "runtime/operand.h"

#include "runtime/handlers.h"

namespace mcl
{
Operand::Operand(const mxArray* a, const char* operation) : m_dims{0, 0}
{
    const mxClassID id = mxGetClassID(a);
    if (!a || id == mxUNINITIALIZED_CLASS || id == mxUNKNOWN_CLASS)
        return;
    if (id == mxCELL_CLASS)
        mclRaiseError("Function '%s' is not defined for values of class '%s'.", operation,
                      classNameOf(a));
    m_dims = dimsOf(a);
    m_count = countOf(m_dims);
    m_logical = mxIsLogical(a);
    if (id == mxCHAR_CLASS)
    {
        const mxChar* chars = mclGetChars(a);
        m_chars.assign(chars, chars + m_count);
        m_re = m_chars.data();
        return;
    }
    m_re = mclGetPr(a);
    m_im = mclGetPi(a);
}

int Operand::cols() const
{
    std::size_t n = 1;
    for (std::size_t i = 1; i < m_dims.size(); ++i)
        n *= static_cast<std::size_t>(m_dims[i]);
    return static_cast<int>(n);
}

mxArray* newDoubleArray(const std::vector<int>& dims, bool complex)
{
    return mclCreateNumericArray(static_cast<int>(dims.size()), dims.data(), mxDOUBLE_CLASS,
                                 complex ? mxCOMPLEX : mxREAL);
}

void dropZeroImaginary(mxArray* a)
{
    const double* im = mclGetPi(a);
    if (!im)
        return;
    const int n = mxGetNumberOfElements(a);
    for (int i = 0; i < n; ++i)
        if (im[i] != 0.0)
            return;
    mclSetPi(a, nullptr);
}

std::size_t countOf(const std::vector<int>& dims)
{
    std::size_t n = 1;
    for (int d : dims)
        n *= static_cast<std::size_t>(d);
    return n;
}

std::vector<int> dimsOf(const mxArray* a)
{
    const int* d = mxGetDimensions(a);
    return std::vector<int>(d, d + mxGetNumberOfDimensions(a));
}

const char* classNameOf(const mxArray* a)
{
    switch (mxGetClassID(a))
    {
    case mxCELL_CLASS:
        return "cell";
    case mxCHAR_CLASS:
        return "char";
    case mxDOUBLE_CLASS:
        return mxIsLogical(a) ? "logical" : "double";
    default:
        return "unknown";
    }
}
} // namespace mcl
