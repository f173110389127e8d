#include "device/DeviceTextFile.h"

#include "framework/core/Services.h"
#include "graph/BinaryStream.h"

#include <cstdint>
#include <vector>

bool WriteDeviceTextFile(const std::string& path, const std::string& text, std::string& error)
{
    std::vector<std::uint8_t> bytes;
    bytes.reserve(text.size() + text.size() / 8);
    for (std::size_t i = 0; i < text.size(); ++i)
    {
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r'))
            bytes.push_back('\r');
        bytes.push_back(std::uint8_t(text[i]));
    }
    return ReplaceFile(path, bytes, error);
}

bool AskAndWriteDeviceTextFile(const std::string& defaultExtension, const std::string& filter,
                               const std::string& text)
{
    CFileDialogRequest request;
    request.save = true;
    request.defaultExtension = defaultExtension;
    request.filter = filter;
    request.initialDirectory = Services::WorkingDirectory().Get();
    request.overwritePrompt = true;
    std::string path;
    if (!Services::FileDialogs().AskPath(request, path))
        return false;
    const std::size_t slash = path.find_last_of("/\\");
    if (slash != std::string::npos)
        Services::WorkingDirectory().Set(path.substr(0, slash));
    std::string error;
    if (!WriteDeviceTextFile(path, text, error))
    {
        Services::MessageBox().Show(error);
        return false;
    }
    return true;
}
