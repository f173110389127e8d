#include "shell/DebugLog.h"

#include "runtime/regularfile.h"

#include <cstdarg>
#include <fcntl.h>
#include <unistd.h>

CDebugLog theDebugLog;

CDebugLog::CDebugLog(const char* path)
{
    // Runs before main: a pipe or device of the log's name must not hold the program up,
    // so only a regular file that can be read and written turns the log on.
    const int fd = mclOpenRegularFile(path, O_RDWR);
    if (fd < 0)
        return;
    if (::ftruncate(fd, 0) == 0)
        m_pFile = ::fdopen(fd, "w");
    if (!m_pFile)
        ::close(fd);
}

CDebugLog::~CDebugLog()
{
    if (m_pFile)
        std::fclose(m_pFile);
}

bool CDebugLog::Write(const char* format, ...)
{
    if (!m_pFile)
        return false;
    std::va_list args;
    va_start(args, format);
    const int nWritten = std::vfprintf(m_pFile, format, args);
    va_end(args);
    std::fflush(m_pFile);
    return nWritten > 0;
}
