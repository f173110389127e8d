// Binary files field by field: fixed-width little-endian integers and IEEE doubles,
// whatever the host's byte order. A reader works on the whole file in memory, so that
// counts can be checked against what is left before anything is allocated.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

class CBinaryReader
{
public:
    explicit CBinaryReader(std::span<const std::uint8_t> bytes) : m_Bytes(bytes) {}

    // Each read takes the value and returns true, or, when fewer bytes are left than the
    // value needs, leaves the value and the position alone and returns false.
    bool ReadInt32(std::int32_t& value);
    bool ReadDouble(double& value);

    std::size_t Remaining() const { return m_Bytes.size() - m_nPos; }
    std::size_t Position() const { return m_nPos; }
    bool AtEnd() const { return Remaining() == 0; }

private:
    bool Take(std::uint64_t& raw, std::size_t width);

    std::span<const std::uint8_t> m_Bytes;
    std::size_t m_nPos = 0;
};

class CBinaryWriter
{
public:
    void WriteInt32(std::int32_t value);
    void WriteDouble(double value);
    const std::vector<std::uint8_t>& Bytes() const { return m_Bytes; }

private:
    void Put(std::uint64_t raw, std::size_t width);

    std::vector<std::uint8_t> m_Bytes;
};

// Reads a whole file; false with a message in error when it cannot be opened or read, is
// not a regular file (a named pipe, a device, a socket or a folder is refused at once,
// without waiting on it) or is larger than maxBytes.
bool ReadWholeFile(const std::string& path, std::size_t maxBytes, std::vector<std::uint8_t>& bytes,
                   std::string& error);
// The same into a string, for text.
bool ReadWholeFile(const std::string& path, std::size_t maxBytes, std::string& bytes,
                   std::string& error);

// Writes the bytes to a temporary file in the folder of the file the path names and
// renames it over that file, so that the file is either the old one or the complete new
// one (ReplaceFile.cpp says what else it promises). False with a message in error on
// failure; the file is then left as it was and the temporary file removed.
bool ReplaceFile(const std::string& path, std::span<const std::uint8_t> bytes, std::string& error);
