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

bool AskDeviceFilePath(bool save, const std::string& defaultExtension, const std::string& filter,
                       const std::string& initialName, std::string& folder, std::string& path)
{
    CFileDialogRequest request;
    request.save = save;
    request.defaultExtension = defaultExtension;
    request.filter = filter;
    request.initialDirectory = folder;
    request.overwritePrompt = save;
    std::string chosen = initialName;
    if (!Services::FileDialogs().AskPath(request, chosen) || chosen.empty())
        return false;
    const std::size_t slash = chosen.find_last_of("/\\");
    if (slash != std::string::npos)
        folder = chosen.substr(0, slash);
    path = chosen;
    return true;
}

bool AskAndWriteDeviceTextFile(const std::string& defaultExtension, const std::string& filter,
                               const std::string& text, const std::string& baseName)
{
    std::string folder = Services::WorkingDirectory().Get();
    std::string path;
    const std::string name = baseName.empty() ? std::string() : baseName + defaultExtension;
    if (!AskDeviceFilePath(true, defaultExtension, filter, name, folder, path))
        return false;
    Services::WorkingDirectory().Set(folder);
    std::string error;
    if (!WriteDeviceTextFile(path, text, error))
    {
        Services::MessageBox().Show(error);
        return false;
    }
    return true;
}
