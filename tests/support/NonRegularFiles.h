// Files that are not regular files, for the readers that must refuse them at once: a named
// pipe (an open for reading waits for a writer), a folder, a socket and a device. A reader
// is run on a thread of its own; when it has not returned after a while it is released by
// opening the pipe from the other end, so that a failing test ends instead of hanging.
#pragma once

#include <chrono>
#include <fcntl.h>
#include <functional>
#include <future>
#include <string>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#include <vector>

// Makes a named pipe, a folder and a socket under folder and returns their paths, with
// /dev/zero (a device that never ends) after them.
inline std::vector<std::string> MakeNonRegularFiles(const std::string& folder)
{
    const std::string fifo = folder + "/pipe.raw";
    const std::string dir = folder + "/folder.raw";
    const std::string socket = folder + "/socket.raw";
    ::mkfifo(fifo.c_str(), 0600);
    ::mkdir(dir.c_str(), 0700);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    socket.copy(address.sun_path, sizeof address.sun_path - 1);
    ::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address);
    ::close(fd); // the socket file stays
    return {fifo, dir, socket, "/dev/zero"};
}

// True when read returns within two seconds. Otherwise every pipe among paths is opened
// for writing and closed, which ends the reader's wait, and the result is false.
inline bool ReturnsWithoutWaiting(const std::function<void()>& read,
                                  const std::vector<std::string>& paths)
{
    auto done = std::async(std::launch::async, read);
    if (done.wait_for(std::chrono::seconds(2)) == std::future_status::ready)
        return true;
    for (int attempt = 0; attempt < 100 && done.wait_for(std::chrono::milliseconds(50)) !=
                                               std::future_status::ready;
         ++attempt)
        for (const std::string& path : paths)
        {
            struct stat st;
            if (::stat(path.c_str(), &st) != 0 || !S_ISFIFO(st.st_mode))
                continue;
            const int fd = ::open(path.c_str(), O_WRONLY | O_NONBLOCK);
            if (fd >= 0)
                ::close(fd);
        }
    done.wait();
    return false;
}
