#include "device/QZX2410EqFile.h"

#include "graph/ResourceString.h"

namespace
{
constexpr unsigned kQZX2410Strings[] = {286, 287, 288};
constexpr unsigned kQZX6060Strings[] = {311, 312, 313};
} // namespace

CQZX2410EqFile::CQZX2410EqFile(bool bQZX6060)
{
    const unsigned* ids = bQZX6060 ? kQZX6060Strings : kQZX2410Strings;
    m_strDefaultExtension = CResourceString(ids[0]);
    m_strFilter = CResourceString(ids[1]);
    m_strDefaultFileName = CResourceString(ids[2]);
}
