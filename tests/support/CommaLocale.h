// A locale with a decimal comma, for the tests that check that the program's numbers keep
// their decimal point while it runs in the user's locale, as a Qt application does. Where
// none is installed (make test run without root cannot make one), one is compiled with
// localedef from the C library's sources into a folder of the test's own.
#pragma once

#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <string>

// Makes a comma-decimal locale current for the category and returns its name; empty when
// none can be had. A locale built into folder (created for it; the caller removes it) is
// named with " (built)" after it, and LOCPATH then names the folder: loading the locale
// again needs it, and the caller unsets it when that is done.
inline std::string UseCommaLocale(int category, const std::string& folder)
{
    for (const char* candidate :
         {"de_DE.UTF-8", "de_DE.utf8", "de_DE", "fr_FR.UTF-8", "fr_FR.utf8"})
        if (std::setlocale(category, candidate))
            return candidate;
    if (std::system("command -v localedef >/dev/null 2>&1") != 0)
        return {};
    const std::string built = folder + "/de_DE.UTF-8";
    std::filesystem::create_directories(folder);
    // localedef fails on warnings of the sources, though it writes the locale all the same.
    const std::string command = "localedef -i de_DE -f UTF-8 " + built + " >/dev/null 2>&1";
    if (std::system(command.c_str()) != 0 && !std::filesystem::exists(built))
        return {};
    ::setenv("LOCPATH", folder.c_str(), 1);
    return std::setlocale(category, "de_DE.UTF-8") ? "de_DE.UTF-8 (built)" : std::string();
}
