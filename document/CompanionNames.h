// Names of a design's companion files, derived from the raw response file's full path:
// the path without the file name's extension, followed by each companion's ending. Only
// the file name's own extension is cut: a dot in a folder name is not one, and a name
// without extension keeps its whole name.
#pragma once

#include <string>

struct CCompanionNames
{
    std::string desiredCurve; // base + ".crv"
    std::string coefficients; // base + ".flt"
    std::string modifiedRaw;  // base + "Mod" + ".raw"
    std::string parameters;   // base + ".par"
    std::string masterPoints; // base + ".mpt"
    std::string deviceData;   // base + ".eq"
};

std::string CompanionBaseName(const std::string& rawPath);
CCompanionNames DeriveCompanionNames(const std::string& rawPath);
