// The platform's detached process start for the KT47 tool: the program path and its
// argument list go straight to the operating system (no shell, so blanks in the folder or
// the arguments need no quoting); the started program is not awaited.
#pragma once

#include "device/KT47Launcher.h"

class CQtProcessLauncher : public IProcessLauncher
{
public:
    // False when the program could not be started (missing, not executable, a folder that
    // does not exist).
    bool StartDetached(const std::string& program, const std::vector<std::string>& args,
                       const std::string& workingDirectory) override;
};
