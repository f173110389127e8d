#include "matrix/argcheck.h"

#include "matrix/dblmtrx.h"
#include "matrix/libinit.h"
#include "matrix/wrappers.h"

#include <algorithm>
#include <cstdarg>
#include <sstream>
#include <vector>

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

// The n pointers that follow in a variable argument list.
std::vector<mwMatrix*> pointersOf(va_list args, int n)
{
    std::vector<mwMatrix*> out;
    for (int i = 0; i < n; ++i)
        out.push_back(va_arg(args, mwMatrix*));
    return out;
}
} // namespace

void mwErrorIfUndefinedInput(const char* name, std::span<mwMatrix* const> inputs)
{
    for (std::size_t i = 0; i < inputs.size(); ++i)
    {
        mwMatrix* input = inputs[i];
        if (!input)
            continue;
        if (input->IsUnassigned())
            error(message("Input argument #", static_cast<int>(i) + 1, " to function ", name,
                          " is undefined."));
        else if (input->IsNotSupplied())
            input->SetUnassigned();
    }
}

void mwWarnIfUnassignedOutput(const char* name, int declared, int nargout,
                              std::span<mwMatrix* const> outputs)
{
    if (declared <= 0)
    {
        if (!outputs.empty() && outputs[0] && outputs[0]->IsUnassigned())
            outputs[0]->SetUninitialized();
        return;
    }
    const std::size_t count =
        std::min<std::size_t>(std::max(0, std::min(nargout, declared)), outputs.size());
    for (std::size_t i = 0; i < count; ++i)
    {
        mwMatrix* output = outputs[i];
        if (!output || !output->IsUnassigned())
            continue;
        warning(message("Output argument #", static_cast<int>(i) + 1,
                        " was not assigned during call to ", name, "."));
        output->SetUninitialized();
    }
}

void mwErrorIfUndefinedInput(const char* name, int n, ...)
{
    va_list args;
    va_start(args, n);
    const std::vector<mwMatrix*> inputs = pointersOf(args, std::max(n, 0));
    va_end(args);
    mwErrorIfUndefinedInput(name, inputs);
}

void mwWarnIfUnassignedOutput(const char* name, int declared, int nargout, ...)
{
    va_list args;
    va_start(args, nargout);
    const int n = declared <= 0 ? 1 : std::max(0, std::min(nargout, declared));
    const std::vector<mwMatrix*> outputs = pointersOf(args, n);
    va_end(args);
    mwWarnIfUnassignedOutput(name, declared, nargout, outputs);
}
