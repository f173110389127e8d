#include "device/EqFile.h"

#include "device/DeviceDataCheck.h"
#include "device/DeviceDataText.h"
#include "device/DeviceTextFile.h"
#include "graph/BinaryStream.h"

#include <cstdint>
#include <utility>

bool CEqFile::ReadLines(const std::string& path, std::vector<std::string>& lines,
                        std::string& error)
{
    std::vector<std::uint8_t> bytes;
    if (!ReadWholeFile(path, kMaxFileBytes, bytes, error))
        return false;
    lines = SplitDeviceDataText(std::string(bytes.begin(), bytes.end()));
    return true;
}

bool CEqFile::ReadDeviceData(const std::string& path, const CDeviceDataRules& rules,
                             std::vector<std::string>& lines, std::string& error)
{
    std::vector<std::string> read;
    if (!ReadLines(path, read, error))
        return false;
    if (const std::string fault = FindDeviceDataFault(read, rules); !fault.empty())
    {
        error = "The file \"" + path + "\" was not opened: " + fault + ".";
        return false;
    }
    lines = std::move(read);
    return true;
}

bool CEqFile::WriteLines(const std::string& path, const std::vector<std::string>& lines,
                         std::string& error)
{
    return WriteDeviceTextFile(path, DeviceDataFileText(lines), error);
}

bool CEqFile::WriteDeviceData(const std::string& path, const std::vector<std::string>& lines,
                              const CDeviceDataRules& rules, std::string& error)
{
    if (const std::string fault = FindDeviceDataFault(lines, rules); !fault.empty())
    {
        error = "The device data was not written to \"" + path + "\": " + fault + ".";
        return false;
    }
    return WriteLines(path, lines, error);
}
