// The language's repeating print format (fprintf, error): C conversions in the C numeric
// locale, escapes in the format text, values of every argument taken element by element in
// column-major order, a char argument taken whole by %s.
#pragma once

#include "runtime/mxarray.h"

#include <string>
#include <vector>

std::string mclFormatValues(const std::string& format, const std::vector<const mxArray*>& args);
