// The one save routine of the program: every file it writes is put in place here.
//
// What it promises beyond "old file or complete new file":
// - a path that is a symbolic link saves into the file the link names (the link stays a
//   link, and a link to a file not yet there creates that file);
// - an existing target that is read-only (no write permission bit, or not writable by
//   this process) is refused and left alone; so is a target that is not a regular file;
// - the new file keeps the permission bits (and, where the process may, the owner) of the
//   file it replaces; a new file gets 0666 less the process's umask, which is applied by
//   the kernel and never changed here;
// - the data is on the disc before the rename, and the rename is before the function
//   returns true (the folder is synced after it).
#include "graph/BinaryStream.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace
{
namespace fs = std::filesystem;

// As many links as the kernel follows before it gives up with ELOOP.
constexpr int kMaxLinks = 40;

std::string SystemError(const std::string& what, const std::string& path, int error)
{
    return what + " \"" + path + "\": " + std::strerror(error);
}

// The path with every symbolic link at its end followed; a relative link is taken from
// the link's folder. False (errno set) for a loop of links or a link that cannot be read.
bool FollowLinks(fs::path& path)
{
    for (int i = 0; i < kMaxLinks; ++i)
    {
        struct stat st;
        if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
            return true;
        std::error_code ec;
        const fs::path target = fs::read_symlink(path, ec);
        if (ec)
        {
            errno = ec.value();
            return false;
        }
        path = target.is_absolute() ? target : path.parent_path() / target;
    }
    errno = ELOOP;
    return false;
}

// Creates a new file ".<name>.<six random characters>" beside target, opened for writing.
// open() applies the umask to 0666 itself. Returns the descriptor, or -1 with errno set.
int CreateTemporaryFile(const fs::path& target, std::string& temp)
{
    static constexpr char kChars[] =
        "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    thread_local std::mt19937 random{std::random_device{}()};
    std::uniform_int_distribution<std::size_t> pick(0, sizeof kChars - 2);
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    for (int attempt = 0; attempt < 100; ++attempt)
    {
        std::string name = "." + target.filename().string() + ".";
        for (int i = 0; i < 6; ++i)
            name += kChars[pick(random)];
        temp = (folder / name).string();
        const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

bool WriteAll(int fd, std::span<const std::uint8_t> bytes)
{
    std::size_t done = 0;
    while (done < bytes.size())
    {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
        {
            if (n == 0)
                errno = EIO;
            return false;
        }
        done += std::size_t(n);
    }
    return true;
}

// Makes the rename itself durable. A file system that cannot sync a folder (EINVAL) has
// nothing to sync.
bool SyncFolder(const fs::path& target)
{
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool ok = ::fsync(fd) == 0 || errno == EINVAL;
    const int saved = errno;
    ::close(fd);
    errno = saved;
    return ok;
}
} // namespace

bool ReplaceFile(const std::string& path, std::span<const std::uint8_t> bytes, std::string& error)
{
    fs::path target(path);
    if (!FollowLinks(target))
    {
        error = SystemError("Cannot write", path, errno);
        return false;
    }
    struct stat old;
    const bool exists = ::stat(target.c_str(), &old) == 0;
    if (exists && !S_ISREG(old.st_mode))
    {
        error = SystemError("Cannot write", path, S_ISDIR(old.st_mode) ? EISDIR : EINVAL);
        return false;
    }
    // Root may write anything; a file without any write permission bit is still meant to
    // stay as it is.
    if (exists && ((old.st_mode & 0222) == 0 || ::access(target.c_str(), W_OK) != 0))
    {
        error = "Cannot write \"" + path + "\": the file is read-only.";
        return false;
    }

    std::string temp;
    const int fd = CreateTemporaryFile(target, temp);
    if (fd < 0)
    {
        error = SystemError("Cannot create a temporary file for", path, errno);
        return false;
    }
    bool ok = true;
    if (exists)
    {
        // Owner first: a change of owner may clear permission bits.
        // Only root may give a file away; anyone else's new file keeps its own owner.
        if ((old.st_uid != ::geteuid() || old.st_gid != ::getegid()) &&
            ::fchown(fd, old.st_uid, old.st_gid) != 0)
            errno = 0;
        ok = ::fchmod(fd, old.st_mode & 07777) == 0;
    }
    ok = ok && WriteAll(fd, bytes) && ::fsync(fd) == 0;
    int failure = ok ? 0 : errno;
    if (::close(fd) != 0 && ok)
    {
        failure = errno;
        ok = false;
    }
    if (!ok)
    {
        error = SystemError("Cannot write", path, failure);
        std::remove(temp.c_str());
        return false;
    }
    if (std::rename(temp.c_str(), target.c_str()) != 0)
    {
        error = SystemError("Cannot replace", path, errno);
        std::remove(temp.c_str());
        return false;
    }
    if (!SyncFolder(target))
    {
        error = SystemError("Cannot write", path, errno);
        return false;
    }
    return true;
}
