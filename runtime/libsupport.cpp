#include "runtime/libsupport.h"

#include "runtime/handlers.h"

#include <algorithm>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <locale.h>

void mclCheckArgCount(int nlhs, int nrhs, int maxOut, int maxIn, int minIn)
{
    if (nrhs > maxIn)
        mclRaiseError("Too many input arguments.");
    if (nrhs < minIn)
        mclRaiseError("Not enough input arguments.");
    if (nlhs > std::max(maxOut, 1))
        mclRaiseError("Too many output arguments.");
}

const mxArray* mclDefined(const mxArray* a, const char* function)
{
    const mxClassID id = mxGetClassID(a);
    if (!a || id == mxUNINITIALIZED_CLASS || id == mxUNKNOWN_CLASS)
        mclRaiseError("Function '%s' is not defined for undefined values.", function);
    return a;
}

mclValues::mclValues(const mxArray* a, const char* function)
    : Operand(mclDefined(a, function), function)
{
}

double mclScalarArg(const mxArray* a, const char* function, const char* what)
{
    const mxClassID id = mxGetClassID(a);
    if (!a || (id != mxDOUBLE_CLASS && id != mxCHAR_CLASS) || mxIsEmpty(a))
        mclRaiseError("%s: %s must be a number.", function, what);
    return mclValues(a, function).re(0);
}

mxArray* mclCreateLike(const mxArray* shapeOf, bool complex)
{
    return mcl::newDoubleArray(mcl::dimsOf(shapeOf), complex);
}

int mclDefaultDim(const mxArray* a)
{
    const std::vector<int> dims = mcl::dimsOf(a);
    for (std::size_t i = 0; i < dims.size(); ++i)
        if (dims[i] != 1)
            return static_cast<int>(i) + 1;
    return 1;
}

int mclDimArg(const mxArray* dim, const char* function)
{
    const double d = mclScalarArg(dim, function, "Dimension argument");
    if (!(d >= 1.0) || d != std::floor(d) || d > 32.0)
        mclRaiseError("Dimension argument must be a positive integer scalar within indexing "
                      "range.");
    return static_cast<int>(d);
}

std::string mclText(const mxArray* a)
{
    const int n = mclGetString(a, nullptr, 0);
    std::string s(static_cast<std::size_t>(n), '\0');
    mclGetString(a, s.data(), n + 1);
    return s;
}

namespace
{
locale_t cNumericLocale()
{
    static const locale_t locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
    return locale;
}
} // namespace

mclCNumericLocale::mclCNumericLocale() : previous_(static_cast<void*>(uselocale(cNumericLocale())))
{
}

mclCNumericLocale::~mclCNumericLocale()
{
    uselocale(static_cast<locale_t>(previous_));
}

std::string mclFormatV(const char* format, va_list args)
{
    mclCNumericLocale c;
    va_list again;
    va_copy(again, args);
    const int n = std::vsnprintf(nullptr, 0, format, args);
    std::string out;
    if (n > 0)
    {
        out.resize(static_cast<std::size_t>(n) + 1);
        std::vsnprintf(out.data(), out.size(), format, again);
        out.resize(static_cast<std::size_t>(n));
    }
    va_end(again);
    return out;
}

std::string mclFormat(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    std::string out = mclFormatV(format, args);
    va_end(args);
    return out;
}
