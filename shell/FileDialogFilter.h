// The program's file-dialog filters are written as "description|pattern|...||"
// ("Text and  Raw Files (*.txt; *.raw) |*.txt; *.raw| All Files (*.*) |*.*||"). Qt's
// file dialog takes "description (patterns);;...".
#pragma once

#include <string>

// Each pair becomes "description (patterns)", the description's own bracketed pattern
// list replaced by the pattern field with ';' turned into blanks. An empty filter, or
// one without a complete pair, gives "All Files (*)".
std::string ToQtFileFilter(const std::string& filter);
