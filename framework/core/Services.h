// Services the display-free code asks of the user interface: a message box, the file
// dialogs and the program's working directory. The application installs its
// implementations at start-up; until then the defaults below are in place (messages go
// to standard error, dialogs are cancelled, the working directory is held in memory).
// Installed objects are not owned and must outlive their use; pass null to go back to
// the default.
#pragma once

#include <string>
#include <utility>
#include <vector>

constexpr int IDOK = 1;

class IMessageBox
{
public:
    virtual ~IMessageBox() = default;
    // Shows the text with an OK button only; returns the button pressed (IDOK).
    virtual int Show(const std::string& text) = 0;
};

struct CFileDialogRequest
{
    bool save = false;
    std::string defaultExtension; // ".crv"
    std::string filter;           // "Curve Files (*.crv) |*.crv||"
    std::string initialDirectory;
    bool overwritePrompt = false;
};

class IFileDialogs
{
public:
    virtual ~IFileDialogs() = default;
    // Asks for a file; false when the user cancels. On true, path is the full path.
    virtual bool AskPath(const CFileDialogRequest& request, std::string& path) = 0;
};

// The folder the program's file dialogs start in.
class IWorkingDirectory
{
public:
    virtual ~IWorkingDirectory() = default;
    virtual std::string Get() const = 0;
    virtual void Set(const std::string& folder) = 0;
};

namespace Services
{
void SetMessageBox(IMessageBox* box);
IMessageBox& MessageBox();
void SetFileDialogs(IFileDialogs* dialogs);
IFileDialogs& FileDialogs();
void SetWorkingDirectory(IWorkingDirectory* directory);
IWorkingDirectory& WorkingDirectory();
} // namespace Services

// Implementations for tests and for running without a display.

class CRecordingMessageBox : public IMessageBox
{
public:
    int Show(const std::string& text) override;
    std::vector<std::string> texts;
};

// Answers each request with the next scripted path; an empty path, or no path left,
// is a cancel. Every request is kept, with the name the dialog opened with.
class CScriptedFileDialogs : public IFileDialogs
{
public:
    bool AskPath(const CFileDialogRequest& request, std::string& path) override;
    std::vector<std::string> answers;
    std::vector<CFileDialogRequest> requests;
    std::vector<std::string> initialNames;
};

class CMemoryWorkingDirectory : public IWorkingDirectory
{
public:
    explicit CMemoryWorkingDirectory(std::string folder = {}) : m_strFolder(std::move(folder)) {}
    std::string Get() const override { return m_strFolder; }
    void Set(const std::string& folder) override { m_strFolder = folder; }

private:
    std::string m_strFolder;
};
