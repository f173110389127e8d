#include "numerics/EntryForms.h"

namespace numerics
{
std::string CountMessage(const CFunctionInfo& info, const char* what, int count)
{
    return std::string("Run-time Error: File: ") + info.name +
           " Line: " + std::to_string(info.line) + " Column: 0 The function \"" + info.name +
           "\" was called with more than the declared number of " + what + " (" +
           std::to_string(count) + ")";
}
} // namespace numerics
