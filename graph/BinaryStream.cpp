#include "graph/BinaryStream.h"

#include "runtime/regularfile.h"

#include <bit>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

bool CBinaryReader::Take(std::uint64_t& raw, std::size_t width)
{
    if (Remaining() < width)
        return false;
    raw = 0;
    for (std::size_t i = 0; i < width; ++i)
        raw |= std::uint64_t(m_Bytes[m_nPos + i]) << (8 * i);
    m_nPos += width;
    return true;
}

bool CBinaryReader::ReadInt32(std::int32_t& value)
{
    std::uint64_t raw;
    if (!Take(raw, 4))
        return false;
    value = std::bit_cast<std::int32_t>(std::uint32_t(raw));
    return true;
}

bool CBinaryReader::ReadDouble(double& value)
{
    std::uint64_t raw;
    if (!Take(raw, 8))
        return false;
    value = std::bit_cast<double>(raw);
    return true;
}

void CBinaryWriter::Put(std::uint64_t raw, std::size_t width)
{
    for (std::size_t i = 0; i < width; ++i)
        m_Bytes.push_back(std::uint8_t(raw >> (8 * i)));
}

void CBinaryWriter::WriteInt32(std::int32_t value)
{
    Put(std::bit_cast<std::uint32_t>(value), 4);
}

void CBinaryWriter::WriteDouble(double value)
{
    Put(std::bit_cast<std::uint64_t>(value), 8);
}

namespace
{
std::string SystemError(const std::string& what, const std::string& path)
{
    return what + " \"" + path + "\": " + std::strerror(errno);
}

// Bytes is a std::vector<std::uint8_t> or a std::string.
template <class Bytes>
bool ReadWholeFileInto(const std::string& path, std::size_t maxBytes, Bytes& bytes,
                       std::string& error)
{
    bool bNotRegular = false;
    const int fd = mclOpenRegularFile(path.c_str(), O_RDONLY, &bNotRegular);
    if (fd < 0)
    {
        error = bNotRegular ? "Cannot open \"" + path + "\": it is not a regular file."
                            : SystemError("Cannot open", path);
        return false;
    }
    std::FILE* file = ::fdopen(fd, "rb");
    if (!file)
    {
        error = SystemError("Cannot open", path);
        ::close(fd);
        return false;
    }
    // Sized from the start to what the file holds now, so that the buffer is not grown,
    // and so copied, while reading; a file that grows meanwhile still reads to its end.
    Bytes data;
    struct stat info = {};
    if (::fstat(fd, &info) == 0 && info.st_size > 0 && std::size_t(info.st_size) <= maxBytes)
        data.reserve(std::size_t(info.st_size));
    std::uint8_t chunk[65536];
    bool ok = true;
    for (;;)
    {
        const std::size_t got = std::fread(chunk, 1, sizeof chunk, file);
        if (data.size() + got > maxBytes)
        {
            error = "The file \"" + path + "\" is too large.";
            ok = false;
            break;
        }
        data.insert(data.end(), chunk, chunk + got);
        if (got < sizeof chunk)
        {
            if (std::ferror(file))
            {
                error = SystemError("Cannot read", path);
                ok = false;
            }
            break;
        }
    }
    std::fclose(file);
    if (ok)
        bytes = std::move(data);
    return ok;
}
} // namespace

bool ReadWholeFile(const std::string& path, std::size_t maxBytes, std::vector<std::uint8_t>& bytes,
                   std::string& error)
{
    return ReadWholeFileInto(path, maxBytes, bytes, error);
}

bool ReadWholeFile(const std::string& path, std::size_t maxBytes, std::string& bytes,
                   std::string& error)
{
    return ReadWholeFileInto(path, maxBytes, bytes, error);
}
