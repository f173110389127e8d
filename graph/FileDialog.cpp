#include "graph/FileDialog.h"

#include "framework/core/Services.h"

#include <filesystem>

bool AskFilePath(bool save, const CFileDialogTexts& texts, std::string& path,
                 const std::string& initialName)
{
    if (!path.empty())
        return true;
    CFileDialogRequest request;
    request.save = save;
    request.defaultExtension = texts.defaultExtension;
    request.filter = texts.filter;
    request.initialDirectory = Services::WorkingDirectory().Get();
    request.overwritePrompt = true;
    std::string chosen = initialName;
    if (!Services::FileDialogs().AskPath(request, chosen) || chosen.empty())
        return false;
    const std::filesystem::path folder = std::filesystem::path(chosen).parent_path();
    if (!folder.empty())
        Services::WorkingDirectory().Set(folder.string());
    path = chosen;
    return true;
}
