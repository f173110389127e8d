// Device data lines as the plain-text editor shows them: each line of the data ends in
// "\r\n"; the editor shows them one per text line and hands its text back to
// SplitDeviceDataText, which keeps every line, the last one too.
#pragma once

#include <string>
#include <vector>

// The lines joined with "\n" in place of their line ends.
std::string DeviceLinesToText(const std::vector<std::string>& lines);
// Today's date as the device files show it: month/day/two-digit year ("3/7/26").
std::string DeviceDateText();
