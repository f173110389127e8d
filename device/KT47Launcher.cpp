#include "device/KT47Launcher.h"

#include <filesystem>
#include <system_error>

bool CRecordingProcessLauncher::StartDetached(const std::string& program,
                                              const std::vector<std::string>& args,
                                              const std::string& workingDirectory)
{
    m_Starts.push_back({program, args, workingDirectory});
    return m_bResult;
}

std::string KT47ProgramPath(const std::string& kt47Directory)
{
    if (kt47Directory.empty())
        return "KT47.EXE";
    const char last = kt47Directory.back();
    return kt47Directory + (last == '/' || last == '\\' ? "" : "/") + "KT47.EXE";
}

bool StartKT47Tool(IProcessLauncher& launcher, const std::string& kt47Directory, std::string& error)
{
    const std::string program = KT47ProgramPath(kt47Directory);
    std::error_code ec;
    if (!std::filesystem::is_regular_file(program, ec))
    {
        error = "The programming tool " + program + " was not found.";
        return false;
    }
    if (!launcher.StartDetached(program, {}, kt47Directory))
    {
        error = "The programming tool " + program + " could not be started.";
        return false;
    }
    return true;
}
