#include "shell/DeviceDataLines.h"

#include <cstdio>
#include <ctime>

std::string DeviceLinesToText(const std::vector<std::string>& lines)
{
    std::string text;
    for (std::string line : lines)
    {
        while (!line.empty() && (line.back() == '\n' || line.back() == '\r'))
            line.pop_back();
        text += line + "\n";
    }
    return text;
}

std::vector<std::string> TextToDeviceLines(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end = text.find('\n'); end != std::string::npos;
         start = end + 1, end = text.find('\n', start))
    {
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line + "\r\n");
    }
    return lines;
}

std::string DeviceDateText()
{
    const std::time_t now = std::time(nullptr);
    std::tm date{};
    localtime_r(&now, &date);
    char text[32];
    std::snprintf(text, sizeof text, "%d/%d/%02d", date.tm_mon + 1, date.tm_mday,
                  date.tm_year % 100);
    return text;
}
