#include "runtime/regularfile.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

int mclOpenRegularFile(const char* path, int flags, bool* pNotRegular)
{
    if (pNotRegular)
        *pNotRegular = false;
    if (!path || (flags & (O_CREAT | O_TRUNC)))
    {
        errno = EINVAL;
        return -1;
    }
    // O_NONBLOCK only for the open itself: with it a pipe opens (or refuses, ENXIO)
    // at once instead of waiting for a writer or reader.
    const int fd = ::open(path, flags | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
    {
        if (errno == ENXIO || errno == EISDIR)
        {
            struct stat st;
            if (pNotRegular && ::stat(path, &st) == 0 && !S_ISREG(st.st_mode))
                *pNotRegular = true;
        }
        return -1;
    }
    struct stat st;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode))
    {
        ::close(fd);
        if (pNotRegular)
            *pNotRegular = true;
        errno = EINVAL;
        return -1;
    }
    const int status = ::fcntl(fd, F_GETFL);
    if (status < 0 || ::fcntl(fd, F_SETFL, status & ~O_NONBLOCK) != 0)
    {
        const int saved = errno;
        ::close(fd);
        errno = saved;
        return -1;
    }
    return fd;
}
