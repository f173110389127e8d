#include "device/EqFile.h"

#include "device/DeviceDataText.h"
#include "device/DeviceTextFile.h"

#include <fstream>
#include <sstream>

bool CEqFile::ReadLines(const std::string& path, std::vector<std::string>& lines,
                        std::string& error)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
    {
        error = "The file " + path + " could not be opened.";
        return false;
    }
    std::ostringstream text;
    text << in.rdbuf();
    if (in.bad())
    {
        error = "The file " + path + " could not be read.";
        return false;
    }
    lines = SplitDeviceDataText(text.str());
    return true;
}

bool CEqFile::WriteLines(const std::string& path, const std::vector<std::string>& lines,
                         std::string& error)
{
    std::string text;
    for (const std::string& line : lines)
        for (char ch : line)
            if (ch != '\r')
                text += ch;
    return WriteDeviceTextFile(path, text, error);
}
