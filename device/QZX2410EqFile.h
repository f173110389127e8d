// The family's device data file: an ".EQ241X" file for the QZX2410, an ".EQ606X" file for
// the QZX6060; the same lines and line ends as the ".eq" file, only the dialog texts differ.
#pragma once

#include "device/EqFile.h"

#include <string>

class CQZX2410EqFile : public CEqFile
{
public:
    // The dialog texts of the QZX6060 or of the QZX2410.
    explicit CQZX2410EqFile(bool bQZX6060);

    std::string m_strDefaultExtension; // ".EQ241X", ".EQ606X"
    std::string m_strFilter;
    std::string m_strDefaultFileName; // "*.EQ241X", "*.EQ606X"
};
