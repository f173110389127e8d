#include "document/ControlGroupFiles.h"

#include <algorithm>
#include <charconv>

namespace
{
// Limits from here up stand for "no limit": version 1 shows the largest signed 64-bit
// number rounded down to a page, and no machine has 4 EiB to give.
constexpr std::uint64_t kNoLimitFloor = std::uint64_t(1) << 62;

// The count, or no value where it stands for no limit.
std::optional<std::uint64_t> AsLimit(std::optional<std::uint64_t> count)
{
    return count && *count >= kNoLimitFloor ? std::nullopt : count;
}

// The text without the blanks and line ends it ends with.
std::string_view TrimEnd(std::string_view text)
{
    const std::size_t last = text.find_last_not_of(" \t\r\n");
    return text.substr(0, last == std::string_view::npos ? 0 : last + 1);
}

// The text before the first line feed at or after start; start moves past that line feed.
std::string_view NextLine(std::string_view text, std::size_t& start)
{
    const std::size_t end = std::min(text.find('\n', start), text.size());
    const std::string_view line = text.substr(start, end - start);
    start = end + 1;
    return line;
}

// The fields of a line between single separators, as the kernel writes them: an empty
// field between two separators in a row.
std::vector<std::string_view> SplitFields(std::string_view line, char separator)
{
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    while (start <= line.size())
    {
        const std::size_t end = std::min(line.find(separator, start), line.size());
        fields.push_back(line.substr(start, end - start));
        start = end + 1;
    }
    return fields;
}

// True when item is one of the comma-separated items of list.
bool ListHolds(std::string_view list, std::string_view item)
{
    for (std::string_view entry : SplitFields(list, ','))
        if (entry == item)
            return true;
    return false;
}

int OctalDigit(char c)
{
    return c >= '0' && c <= '7' ? c - '0' : -1;
}

// A path of mountinfo with its "\ooo" escapes (blank, tab, line feed, backslash) decoded.
std::string DecodeMountPath(std::string_view field)
{
    std::string path;
    for (std::size_t k = 0; k < field.size(); ++k)
    {
        if (field[k] == '\\' && k + 3 < field.size() && OctalDigit(field[k + 1]) >= 0 &&
            OctalDigit(field[k + 2]) >= 0 && OctalDigit(field[k + 3]) >= 0)
        {
            path += char(OctalDigit(field[k + 1]) * 64 + OctalDigit(field[k + 2]) * 8 +
                         OctalDigit(field[k + 3]));
            k += 3;
        }
        else
            path += field[k];
    }
    return path;
}

// The mount a mountinfo line records, when it can limit memory:
//   36 32 0:33 / /sys/fs/cgroup/memory rw,relatime shared:15 - cgroup cgroup rw,memory
// The ID, the parent's ID, the device, the root and the mount point; after the mount
// options come optional fields up to "-", then the file system type, the source and the
// super block's options, which name a version 1 hierarchy's controllers.
std::optional<ControlGroupMount> ParseMountLine(std::string_view line)
{
    const std::vector<std::string_view> fields = SplitFields(line, ' ');
    std::size_t dash = 6;
    while (dash < fields.size() && fields[dash] != "-")
        ++dash;
    if (dash + 3 >= fields.size())
        return std::nullopt;
    const std::string_view type = fields[dash + 1];
    const bool bUnified = type == "cgroup2";
    if (!bUnified && !(type == "cgroup" && ListHolds(fields[dash + 3], "memory")))
        return std::nullopt;
    ControlGroupMount mount{DecodeMountPath(fields[3]), DecodeMountPath(fields[4]), bUnified};
    if (mount.root.empty() || mount.root[0] != '/' || mount.mountPoint.empty() ||
        mount.mountPoint[0] != '/')
        return std::nullopt;
    return mount;
}

// What follows key and its blanks on the first line that starts with key and a blank.
std::optional<std::string_view> FindKeyedText(std::string_view text, std::string_view key)
{
    std::size_t start = 0;
    while (start < text.size())
    {
        const std::string_view line = NextLine(text, start);
        if (line.size() > key.size() && line.substr(0, key.size()) == key &&
            (line[key.size()] == ' ' || line[key.size()] == '\t'))
        {
            const std::string_view rest = line.substr(key.size());
            return rest.substr(std::min(rest.find_first_not_of(" \t"), rest.size()));
        }
    }
    return std::nullopt;
}
} // namespace

std::vector<ControlGroupMount> ParseControlGroupMounts(std::string_view mountinfo)
{
    std::vector<ControlGroupMount> mounts;
    std::size_t start = 0;
    while (start < mountinfo.size())
        if (const auto mount = ParseMountLine(NextLine(mountinfo, start)))
            mounts.push_back(*mount);
    return mounts;
}

ControlGroupPaths ParseControlGroupPaths(std::string_view cgroup)
{
    // "hierarchy-ID:controller-list:path"; the path itself may hold colons.
    ControlGroupPaths paths;
    std::size_t start = 0;
    while (start < cgroup.size())
    {
        const std::string_view line = NextLine(cgroup, start);
        const std::size_t first = line.find(':');
        const std::size_t second =
            first == std::string_view::npos ? first : line.find(':', first + 1);
        if (second == std::string_view::npos || second + 1 >= line.size() ||
            line[second + 1] != '/')
            continue;
        const std::string_view id = line.substr(0, first);
        const std::string_view controllers = line.substr(first + 1, second - first - 1);
        const std::string_view path = line.substr(second + 1);
        if (id == "0" && controllers.empty() && paths.unified.empty())
            paths.unified = path;
        else if (ListHolds(controllers, "memory") && paths.memory.empty())
            paths.memory = path;
    }
    return paths;
}

std::optional<std::uint64_t> ParseCount(std::string_view text)
{
    const std::string_view digits = TrimEnd(text);
    std::uint64_t value = 0;
    const char* end = digits.data() + digits.size();
    const auto [next, error] = std::from_chars(digits.data(), end, value);
    if (digits.empty() || error != std::errc() || next != end)
        return std::nullopt;
    return value;
}

std::optional<std::uint64_t> ParseLimit(std::string_view text)
{
    return AsLimit(ParseCount(text));
}

std::optional<std::uint64_t> FindKeyedCount(std::string_view text, std::string_view key)
{
    const std::optional<std::string_view> value = FindKeyedText(text, key);
    return value ? ParseCount(*value) : std::nullopt;
}

std::optional<std::uint64_t> FindKeyedLimit(std::string_view text, std::string_view key)
{
    return AsLimit(FindKeyedCount(text, key));
}

std::optional<std::uint64_t> ParseMemAvailable(std::string_view meminfo)
{
    return ParseKiBLine(meminfo, "MemAvailable:");
}

std::optional<std::uint64_t> ParseKiBLine(std::string_view text, std::string_view key)
{
    const std::optional<std::string_view> value = FindKeyedText(text, key);
    if (!value)
        return std::nullopt;
    const std::size_t digits = std::min(value->find_first_not_of("0123456789"), value->size());
    const std::optional<std::uint64_t> kiB = ParseCount(value->substr(0, digits));
    if (!kiB || TrimEnd(value->substr(digits)) != " kB" || *kiB > (~std::uint64_t(0) >> 10))
        return std::nullopt;
    return *kiB * 1024;
}
