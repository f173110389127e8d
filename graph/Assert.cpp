#include "graph/Assert.h"

#include <string>

void ReportAssertion(const char* expression, const char* path, int line)
{
    std::string name = path ? path : "";
    const auto slash = name.find_last_of('/');
    if (slash != std::string::npos)
        name.erase(0, slash + 1);
    const auto dot = name.rfind('.');
    if (dot != std::string::npos)
        name.erase(dot);
    mclReportAssertion(expression, name.c_str(), line);
}
