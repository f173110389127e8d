#include "matrix/argcheck.h"

#include "matrix/dblmtrx.h"
#include "matrix/libinit.h"
#include "matrix/wrappers.h"

#include <algorithm>
#include <cstdarg>
#include <sstream>

namespace
{
mwLibraryInit g_init;

// prefix + number + middle + name + suffix as one character row.
mwMatrix message(const char* prefix, int number, const char* middle, const char* name,
                 const char* suffix)
{
    std::ostringstream digits;
    digits << number;
    const std::string text = digits.str();
    return horzcat(mwIndexList(prefix), mwMatrix(text.c_str()), mwMatrix(middle),
                   mwMatrix(name ? name : ""), mwMatrix(suffix));
}
} // namespace

void mwErrorIfUndefinedInput(const char* name, int n, ...)
{
    va_list args;
    va_start(args, n);
    try
    {
        for (int i = 1; i <= n; ++i)
        {
            mwMatrix* input = va_arg(args, mwMatrix*);
            if (!input)
                continue;
            if (input->IsUnassigned())
                error(message("Input argument #", i, " to function ", name, " is undefined."));
            else if (input->IsNotSupplied())
                input->SetUnassigned();
        }
    }
    catch (...)
    {
        va_end(args);
        throw;
    }
    va_end(args);
}

void mwWarnIfUnassignedOutput(const char* name, int declared, int nargout, ...)
{
    va_list args;
    va_start(args, nargout);
    try
    {
        if (declared <= 0)
        {
            mwMatrix* first = va_arg(args, mwMatrix*);
            if (first && first->IsUnassigned())
                first->SetUninitialized();
        }
        for (int i = 1; declared > 0 && i <= std::min(nargout, declared); ++i)
        {
            mwMatrix* output = va_arg(args, mwMatrix*);
            if (!output || !output->IsUnassigned())
                continue;
            warning(
                message("Output argument #", i, " was not assigned during call to ", name, "."));
            output->SetUninitialized();
        }
    }
    catch (...)
    {
        va_end(args);
        throw;
    }
    va_end(args);
}
