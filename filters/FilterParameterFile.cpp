#include "filters/FilterParameterFile.h"

#include "filters/FilterKinds.h"
#include "filters/FilterLists.h"
#include "graph/BinaryStream.h"
#include "graph/ResourceString.h"

#include <istream>
#include <memory>
#include <sstream>

CFilterParameterFile::CFilterParameterFile()
    : m_strDefaultExt(CResourceString(206)), m_strFilter(CResourceString(207)),
      m_strDefaultFileName(CResourceString(208))
{
}

bool CFilterParameterFile::WriteFilters(CFilterLists& lists, std::ostream& file)
{
    lists.ForEach(
        [&](EFilterKind, auto& list)
        {
            list.LabelUnnamedFilters();
            for (int i = 0; i < list.GetSize(); ++i)
                list.GetAt(i)->Write(&file);
        });
    return true;
}

bool CFilterParameterFile::ReadFilters(CFilterLists& lists, std::istream& file, int nSampleRate)
{
    lists.RemoveAll();
    std::string line;
    while (std::getline(file, line))
    {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        bool taken = false;
        lists.ForEach(
            [&](EFilterKind kind, auto& list)
            {
                if (taken || !LineHasPrefix(line, FilterKindInfo(kind).prefixId))
                    return;
                taken = true;
                using Filter = typename std::remove_reference_t<decltype(list)>::Element;
                list.Add(std::make_unique<Filter>())->Parse(line, nSampleRate);
            });
    }
    return true;
}

bool CFilterParameterFile::SaveFile(const std::string& path, CFilterLists& lists,
                                    std::string& error)
{
    std::ostringstream text;
    WriteFilters(lists, text);
    const std::string bytes = text.str();
    return ReplaceFile(path,
                       std::span<const std::uint8_t>(
                           reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()),
                       error);
}

bool CFilterParameterFile::OpenFile(const std::string& path, CFilterLists& lists, int nSampleRate,
                                    std::string& error)
{
    std::vector<std::uint8_t> bytes;
    if (!ReadWholeFile(path, kMaxFileBytes, bytes, error))
        return false;
    std::istringstream text(std::string(bytes.begin(), bytes.end()));
    return ReadFilters(lists, text, nSampleRate);
}

bool CFilterParameterFile::LineHasPrefix(std::string line, unsigned prefixId)
{
    return LabelHasPrefix(line, prefixId);
}
