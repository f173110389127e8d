#include "framework/core/Services.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

namespace
{
class CStderrMessageBox : public IMessageBox
{
public:
    int Show(const std::string& text) override
    {
        std::fprintf(stderr, "%s\n", text.c_str());
        return IDOK;
    }
};

class CCancellingFileDialogs : public IFileDialogs
{
public:
    bool AskPath(const CFileDialogRequest&, std::string&) override { return false; }
};

std::string CurrentFolder()
{
    std::error_code ec;
    const auto path = std::filesystem::current_path(ec);
    return ec ? std::string() : path.string();
}

CStderrMessageBox g_DefaultMessageBox;
CCancellingFileDialogs g_DefaultFileDialogs;
CMemoryWorkingDirectory g_DefaultWorkingDirectory{CurrentFolder()};

IMessageBox* g_pMessageBox = nullptr;
IFileDialogs* g_pFileDialogs = nullptr;
IWorkingDirectory* g_pWorkingDirectory = nullptr;
} // namespace

namespace Services
{
void SetMessageBox(IMessageBox* box)
{
    g_pMessageBox = box;
}
IMessageBox& MessageBox()
{
    return g_pMessageBox ? *g_pMessageBox : g_DefaultMessageBox;
}

void SetFileDialogs(IFileDialogs* dialogs)
{
    g_pFileDialogs = dialogs;
}
IFileDialogs& FileDialogs()
{
    return g_pFileDialogs ? *g_pFileDialogs : g_DefaultFileDialogs;
}

void SetWorkingDirectory(IWorkingDirectory* directory)
{
    g_pWorkingDirectory = directory;
}
IWorkingDirectory& WorkingDirectory()
{
    return g_pWorkingDirectory ? *g_pWorkingDirectory : g_DefaultWorkingDirectory;
}
} // namespace Services

int CRecordingMessageBox::Show(const std::string& text)
{
    texts.push_back(text);
    return IDOK;
}

bool CScriptedFileDialogs::AskPath(const CFileDialogRequest& request, std::string& path)
{
    requests.push_back(request);
    initialNames.push_back(path);
    if (requests.size() > answers.size() || answers[requests.size() - 1].empty())
        return false;
    path = answers[requests.size() - 1];
    return true;
}
