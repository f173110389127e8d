#include "numerics/EntrySeam.h"

#include "runtime/handlers.h"

#include <algorithm>
#include <cstdio>
#include <string>

namespace numerics
{
namespace
{
mwLibraryInit s_libraryInit;

// An output that holds no value: the unassigned marker or a never-assigned (class -1)
// array, which is how every output of a body starts.
bool HoldsNoValue(const mwMatrix& m)
{
    return m.IsUnassigned() || !m.IsInitialized();
}
} // namespace

void CheckUndefinedInputs(const char* name, std::span<mwMatrix* const> inputs)
{
    for (std::size_t k = 0; k < inputs.size(); ++k)
    {
        mwMatrix& input = *inputs[k];
        if (input.IsUnassigned())
            error(mwMatrix(("Input argument #" + std::to_string(k + 1) + " to function " + name +
                            " is undefined.")
                               .c_str()));
        else if (input.IsNotSupplied())
            input.SetUnassigned();
    }
}

void WarnUnassignedOutputs(const char* name, int declared, int nargout,
                           std::span<mwMatrix* const> outputs)
{
    if (declared <= 0)
    {
        if (!outputs.empty() && outputs[0] && HoldsNoValue(*outputs[0]))
            outputs[0]->SetUninitialized();
        return;
    }
    const int count = std::min(nargout, declared);
    for (int k = 0; k < count && std::size_t(k) < outputs.size(); ++k)
    {
        mwMatrix* output = outputs[std::size_t(k)];
        if (!output || !HoldsNoValue(*output))
            continue;
        warning(mwMatrix(("Output argument #" + std::to_string(k + 1) +
                          " was not assigned during call to " + name + ".")
                             .c_str()));
        output->SetUninitialized();
    }
}

void CFevalContext::Fail(const mwException& e)
{
    m_failed = true;
    std::snprintf(m_message, sizeof m_message, "%s", e.Message() ? e.Message() : "");
}

void CFevalContext::Leave()
{
    if (m_failed)
        mclRaiseError("%s", m_message);
}
} // namespace numerics
