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
