// Device data lines as the plain-text editor shows them: each line of the data ends in
// "\r\n"; the editor shows them one per text line and hands back every complete line.
#pragma once

#include <string>
#include <vector>

// The lines joined with "\n" in place of their line ends.
std::string DeviceLinesToText(const std::vector<std::string>& lines);
// Every line of text that ends in a line break, with "\r\n" as its end; text after the
// last line break is dropped. "\r\n" and "\n" both end a line.
std::vector<std::string> TextToDeviceLines(const std::string& text);
// Today's date as the device files show it: month/day/two-digit year ("3/7/26").
std::string DeviceDateText();
