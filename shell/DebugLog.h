// A diagnostic log that is written only when the user has put a file of the log's name
// into the directory the program starts in. The file is emptied when the log opens and
// every write is flushed at once, so the log survives a crash. Whether it is on is
// decided once, when the log is constructed; it cannot be switched while running.
#pragma once

#include <cstdio>

class CDebugLog
{
public:
    static constexpr const char* kFileName = "debugMVQ.txt";

    // Opens path for writing, truncated, when a regular file of that name can be read and
    // written already; otherwise (no file, a pipe, a device, a folder) the log stays off
    // and nothing is created.
    explicit CDebugLog(const char* path = kFileName);
    ~CDebugLog();
    CDebugLog(const CDebugLog&) = delete;
    CDebugLog& operator=(const CDebugLog&) = delete;

    bool IsOn() const { return m_pFile != nullptr; }
    // printf-formatted text into the file, flushed; true when a positive number of
    // characters was written. False, with nothing done, while the log is off.
    bool Write(const char* format, ...) __attribute__((format(printf, 2, 3)));

private:
    std::FILE* m_pFile = nullptr;
};

// The program's log, opened during static initialization (before the application
// changes into its working directory), closed at process exit.
extern CDebugLog theDebugLog;
