// Starting the external chip-programming tool KT47 from its configured folder: the
// program path and an argument list go to the platform's detached process start (no
// shell, so folders with blanks work); the tool is not awaited.
#pragma once

#include <string>
#include <vector>

class IProcessLauncher
{
public:
    virtual ~IProcessLauncher() = default;
    // Starts program detached in workingDirectory. False when it could not be started.
    virtual bool StartDetached(const std::string& program, const std::vector<std::string>& args,
                               const std::string& workingDirectory) = 0;
};

// Records the starts it is asked for; answers with result.
class CRecordingProcessLauncher : public IProcessLauncher
{
public:
    bool StartDetached(const std::string& program, const std::vector<std::string>& args,
                       const std::string& workingDirectory) override;
    struct CStart
    {
        std::string program;
        std::vector<std::string> args;
        std::string workingDirectory;
    };
    std::vector<CStart> m_Starts;
    bool m_bResult = true;
};

// The tool's path in the folder: folder + "/KT47.EXE".
std::string KT47ProgramPath(const std::string& kt47Directory);

// Starts the tool from kt47Directory. False with a message for the user in error when the
// program is missing or could not be started.
bool StartKT47Tool(IProcessLauncher& launcher, const std::string& kt47Directory,
                   std::string& error);
