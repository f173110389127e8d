#include "shell/DebugLog.h"

#include <cstdarg>

CDebugLog theDebugLog;

CDebugLog::CDebugLog(const char* path)
{
    std::FILE* existing = std::fopen(path, "r");
    if (!existing)
        return;
    std::fclose(existing);
    m_pFile = std::fopen(path, "w");
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
