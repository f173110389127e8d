// Point-pair text files: two header lines, then points of two or three numbers, each
// number after the first of a point preceded by a comma straight after the number before
// it and optional white space ("%g, %g" or "%g, %g, %g", applied again and again). White
// space, line breaks included, may stand before each number. The first text that does not
// fit ends the data.
#pragma once

#include "numerics/engine/NumericsError.h"

#include <string>
#include <string_view>
#include <vector>

namespace numerics
{
// All numbers of the points in reading order, a last point that was cut short included.
// Numbers are read in the C format whatever the locale; a number too large for a double
// reads as an infinity, one too small as zero.
std::vector<double> ParsePointNumbers(std::string_view text, int perPoint);

// A file that cannot be opened for reading.
class CPointFileNotOpened : public CNumericsError
{
public:
    using CNumericsError::CNumericsError;
};

// The numbers of the file at path. Raises CPointFileNotOpened, or CNumericsError when the
// file cannot be read or its last point has too few numbers, with the reader's name in the
// text.
std::vector<double> ReadPointFile(const std::string& path, int perPoint, const char* reader);
} // namespace numerics
