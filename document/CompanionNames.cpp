#include "document/CompanionNames.h"

#include "document/DocumentStrings.h"
#include "graph/ResourceString.h"

std::string CompanionBaseName(const std::string& rawPath)
{
    const std::size_t nameStart =
        rawPath.rfind('/') == std::string::npos ? 0 : rawPath.rfind('/') + 1;
    const std::size_t dot = rawPath.rfind('.');
    // A dot that opens the file name marks a hidden file, not an extension.
    if (dot == std::string::npos || dot <= nameStart)
        return rawPath;
    return rawPath.substr(0, dot);
}

CCompanionNames DeriveCompanionNames(const std::string& rawPath)
{
    const std::string base = CompanionBaseName(rawPath);
    CCompanionNames names;
    names.desiredCurve = base + CResourceString(IDS_CURVE_EXTENSION);
    names.coefficients = base + CResourceString(IDS_COEFF_EXTENSION);
    names.modifiedRaw =
        base + CResourceString(IDS_MODIFIED_SUFFIX) + CResourceString(IDS_RAW_EXTENSION);
    names.parameters = base + CResourceString(IDS_PARAMETER_EXTENSION);
    names.masterPoints = base + CResourceString(IDS_MASTER_PT_EXTENSION);
    names.deviceData = base + CResourceString(IDS_EQ_EXTENSION);
    return names;
}
