#include "document/MasterPtFile.h"

#include "document/DocumentStrings.h"
#include "document/MasterPtGridRows.h"
#include "graph/Assert.h"
#include "graph/CFormat.h"
#include "graph/PointBounds.h"
#include "graph/ResourceString.h"

#include <algorithm>
#include <cctype>
#include <string_view>
#include <utility>

namespace
{
bool EqualNoCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](unsigned char x, unsigned char y)
                                              { return std::tolower(x) == std::tolower(y); });
}
} // namespace

CMasterPtFile::CMasterPtFile()
    : m_DialogTexts{CResourceString(IDS_MASTER_PT_EXTENSION),
                    CResourceString(IDS_MASTER_PT_FILTER)},
      m_strOpenFileName(CResourceString(IDS_MASTER_PT_OPEN_NAME)),
      m_strSectionNames{CResourceString(IDS_DESIRED_SECTION),
                        CResourceString(IDS_UPPER_TOLERANCE_SECTION),
                        CResourceString(IDS_LOWER_TOLERANCE_SECTION)}
{
}

std::string CMasterPtFile::SectionName(int nSection) const
{
    if (nSection < kDesiredResponse || nSection > kLowerTolerance)
    {
        MORVANE_CHECK(false);
        return {};
    }
    return m_strSectionNames[nSection - 1];
}

bool CMasterPtFile::IsPointLine(std::string_view line) const
{
    return std::none_of(std::begin(m_strSectionNames), std::end(m_strSectionNames),
                        [&](const std::string& name) { return EqualNoCase(line, name); });
}

bool CMasterPtFile::OpenForRead(std::string& path)
{
    m_strError.clear();
    m_nErrorLine = 0;
    if (!MORVANE_CHECK(m_State == EState::Closed) ||
        !AskFilePath(false, m_DialogTexts, path, m_strOpenFileName))
        return false;
    CTextLines lines;
    if (!ReadTextFileLines(path, lines, m_strError))
        return false;
    return TakeLines(std::move(lines), path);
}

bool CMasterPtFile::OpenText(const std::string& text, const std::string& name)
{
    if (!MORVANE_CHECK(m_State == EState::Closed))
        return false;
    m_strError.clear();
    return TakeLines(CTextLines(text), name);
}

bool CMasterPtFile::TakeLines(CTextLines lines, const std::string& path)
{
    m_nErrorLine = 0;
    int nLine = 1;
    auto line = lines.begin();
    while (line != lines.end() && line->find_first_not_of(" \t\r") == std::string_view::npos)
    {
        ++line;
        ++nLine;
    }
    if (line == lines.end() || IsPointLine(*line))
    {
        m_nErrorLine = line != lines.end() ? nLine : 1;
        m_strError = CResourceString(IDS_MASTER_PT_NO_SECTION);
        return false;
    }
    // Every other line is a section name, a blank line or a point; the whole file is
    // checked before any grid takes a point.
    CDoublePoint point;
    for (; line != lines.end(); ++line, ++nLine)
        if (!IsBlankLine(*line) && IsPointLine(*line) && !ReadPointLine(std::string(*line), point))
        {
            m_nErrorLine = nLine;
            m_strError = CResourceString(IDS_MASTER_PT_BAD_LINE);
            return false;
        }
    m_strPath = path;
    m_Lines = std::move(lines);
    m_State = EState::Reading;
    return true;
}

bool CMasterPtFile::OpenForWrite(std::string& path, bool bAsk)
{
    m_strError.clear();
    if (!MORVANE_CHECK(m_State == EState::Closed))
        return false;
    if (bAsk)
    {
        std::string chosen;
        if (!AskFilePath(true, m_DialogTexts, chosen, path))
            return false;
        path = chosen;
    }
    if (path.empty())
        return false;
    m_strPath = path;
    m_Writer = CTextFileWriter();
    m_bWriteRefused = false;
    m_State = EState::Writing;
    return true;
}

bool CMasterPtFile::ReadSection(int nSection, CMasterPtGridRows* pGrid)
{
    if (!MORVANE_CHECK(m_State == EState::Reading && pGrid))
        return false;
    const std::string name = SectionName(nSection);
    // An unknown section has no name, and no line is taken for it.
    auto point = name.empty() ? m_Lines.end() : m_Lines.begin();
    while (point != m_Lines.end() && !EqualNoCase(*point, name))
        ++point;
    if (point != m_Lines.end())
        ++point;
    pGrid->Initialize();
    int nCount = 0;
    for (; point != m_Lines.end() && IsPointLine(*point); ++point)
    {
        CDoublePoint value;
        if (!ReadPointLine(std::string(*point), value))
            continue;
        ++nCount;
        pGrid->SetPointNumber(nCount, nCount);
        pGrid->SetFrequency(nCount, value.x);
        pGrid->SetAmplitude(nCount, value.y);
    }
    // The new-entry row ends an editable grid: the point row that Initialize laid out
    // goes when the section has no point.
    if (pGrid->SetNewEntryMarker(nCount + 1))
        while (pGrid->GetRows() > nCount + 2)
            pGrid->RemoveItem(pGrid->GetRows() - 1);
    pGrid->NotifyParent();
    return true;
}

bool CMasterPtFile::WriteSection(int nSection, const CMasterPtGridRows* pGrid)
{
    if (!MORVANE_CHECK(m_State == EState::Writing && pGrid))
        return false;
    m_Writer.Write(SectionName(nSection) + "\n");
    for (int row = 1; row < pGrid->GetRows(); ++row)
    {
        const double frequency = pGrid->GetFrequency(row);
        const double amplitude = pGrid->GetAmplitude(row);
        if (frequency == 0.0 && amplitude == 0.0)
            continue;
        // A point the reader would refuse leaves the whole file unwritten.
        if (!PointBounds::IsPoint({frequency, amplitude}))
        {
            m_bWriteRefused = true;
            m_strError = FormatC(CResourceString(IDS_MASTER_PT_UNWRITABLE).c_str(), row,
                                 SectionName(nSection).c_str());
            return false;
        }
        m_Writer.Write(FormatC("%lf, %lf\n", frequency, amplitude));
    }
    return true;
}

bool CMasterPtFile::Close()
{
    const EState state = m_State;
    m_State = EState::Closed;
    m_Lines.clear();
    if (state != EState::Writing || m_bWriteRefused)
        return !m_bWriteRefused;
    std::string error;
    if (!m_Writer.Save(m_strPath, error))
    {
        m_strError = CResourceString(IDS_SAVE_FAILED) + " " + error;
        return false;
    }
    return true;
}
