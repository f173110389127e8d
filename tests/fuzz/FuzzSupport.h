// What the fuzz targets that run the program's own commands share: quiet assertion and
// print handlers, a folder of their own for the files the commands open and save, and the
// framework's services (message box, file dialogs, working directory) installed for one
// input.
#pragma once

#include "framework/core/Services.h"
#include "graph/Assert.h"
#include "matrix/handler.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

inline void FuzzQuiet(const char*, const char*, int) {}
inline void FuzzQuietPrint(const char*) {}

// No assertion report and no matrix-layer printing: the targets check results instead.
inline void SilenceFuzzReports()
{
    mclSetAssertionHandler(&FuzzQuiet);
    mwSetPrintHandler(&FuzzQuietPrint);
}

// A temporary folder of this process, made on first use; name tells the targets apart.
inline std::string FuzzFolder(const std::string& name)
{
    const auto path = std::filesystem::temp_directory_path() /
                      ("morvane-fuzz-" + name + "-" + std::to_string(::getpid()));
    std::filesystem::create_directories(path);
    return path.string();
}

// Replaces the file at path by the bytes.
inline void WriteFuzzFile(const std::string& path, const std::uint8_t* data, std::size_t size)
{
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), std::streamsize(size));
}

// The services of one input: installed by the constructor, removed by the destructor.
struct CFuzzServices
{
    explicit CFuzzServices(const std::string& folder) : directory(folder)
    {
        Services::SetMessageBox(&messages);
        Services::SetFileDialogs(&dialogs);
        Services::SetWorkingDirectory(&directory);
    }
    ~CFuzzServices()
    {
        Services::SetMessageBox(nullptr);
        Services::SetFileDialogs(nullptr);
        Services::SetWorkingDirectory(nullptr);
    }
    CFuzzServices(const CFuzzServices&) = delete;
    CFuzzServices& operator=(const CFuzzServices&) = delete;

    CRecordingMessageBox messages;
    CScriptedFileDialogs dialogs;
    CMemoryWorkingDirectory directory;
};
