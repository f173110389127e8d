#include "numerics/FevalContext.h"

#include "runtime/handlers.h"

#include <cstdio>

namespace numerics
{
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
