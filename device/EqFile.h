// The ".eq" device program data file on disk: plain single-byte text, CR LF after every
// line, nothing but the lines.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

struct CDeviceDataRules;

class CEqFile
{
public:
    static constexpr const char* kDefaultExtension = ".eq";
    static constexpr const char* kFilter = "QZX2201  Files [*.eq] |*.eq||";
    static constexpr const char* kDefaultFileName = "*.eq";

    // A device data file holds a few hundred short lines; anything larger is no such file.
    static constexpr std::size_t kMaxFileBytes = std::size_t(1) << 20;

    // Replaces lines by the file's lines (SplitDeviceDataText: each ending in "\r\n"
    // whatever the file used). False, lines unchanged and a message in error, when the file
    // cannot be read or is larger than kMaxFileBytes.
    static bool ReadLines(const std::string& path, std::vector<std::string>& lines,
                          std::string& error);
    // As ReadLines, and refused (lines unchanged, the file and the fault named in error,
    // "The file "<path>" was not opened: <fault>.") when the lines are no device data of
    // the rules' family (FindDeviceDataFault).
    static bool ReadDeviceData(const std::string& path, const CDeviceDataRules& rules,
                               std::vector<std::string>& lines, std::string& error);
    // Writes DeviceDataFileText of the lines (every line end as CR LF) through a temporary
    // file renamed into place. False with a message in error; an older file then keeps
    // its bytes.
    static bool WriteLines(const std::string& path, const std::vector<std::string>& lines,
                           std::string& error);
    // As WriteLines, and refused (nothing written, the file and the fault named in error)
    // when ReadDeviceData would refuse the file written (FindDeviceDataFault): what the
    // program writes opens again, with the lines written.
    static bool WriteDeviceData(const std::string& path, const std::vector<std::string>& lines,
                                const CDeviceDataRules& rules, std::string& error);
};
