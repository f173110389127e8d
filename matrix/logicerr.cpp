#include "matrix/logicerr.h"

#include <cstdio>

const char* mwLogicError::Advice() const
{
    return "Please report this error to the run-time's vendor.";
}

const char* mwLogicError::Kind() const
{
    return "LogicError";
}

const char* mwSubclassResponsibility::Message() const
{
    static constexpr char prefix[] = "Subclass must implement this function: ";
    static char buffer[sizeof prefix + 21];
    const char* name = mwLogicError::Message();
    std::snprintf(buffer, sizeof buffer, "%s%s", prefix, name ? name : "");
    return buffer;
}
