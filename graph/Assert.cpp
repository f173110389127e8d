#include "graph/Assert.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace
{
AssertionHandler g_Handler = nullptr;
}

void SetAssertionHandler(AssertionHandler handler)
{
    g_Handler = handler;
}

const char* AssertionSourceName(const char* path)
{
    const char* slash = std::strrchr(path, '/');
    return slash ? slash + 1 : path;
}

void ReportAssertion(const char* expression, const char* file, int line)
{
    std::string name = AssertionSourceName(file);
    const auto dot = name.rfind('.');
    if (dot != std::string::npos)
        name.erase(dot);
    if (g_Handler)
        g_Handler(expression, name.c_str(), line);
    else
        std::fprintf(stderr, "Assertion failed: %s, file %s, line %d\n", expression, name.c_str(),
                     line);
}
