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

bool CMasterPtFile::Refuse(int nLine, const std::string& text)
{
    m_nErrorLine = nLine;
    m_strError = text;
    return false;
}

bool CMasterPtFile::TakeLines(CTextLines lines, const std::string& path)
{
    m_nErrorLine = 0;
    m_SkippedLines.clear();
    // The whole file is checked before any grid takes a point: every line is blank, a
    // section name, a note or a point that reads as written.
    bool bInSection = false;
    int nFirstLine = 0;
    int nLine = 0;
    for (const std::string_view line : lines)
    {
        ++nLine;
        if (IsBlankLine(line))
            continue;
        if (nFirstLine == 0)
            nFirstLine = nLine;
        if (!IsPointLine(line))
            bInSection = true;
        else if (!IsNumberLine(line))
            m_SkippedLines.push_back(nLine);
        else if (!bInSection)
            return Refuse(nLine, CResourceString(IDS_MASTER_PT_NO_SECTION));
        else
        {
            CDoublePoint point;
            CNumberRow row;
            if (!ReadPointLine(line, point, row))
                return Refuse(nLine, row.fault == CNumberRow::kDecimalComma
                                         ? FormatC(CResourceString(IDS_DECIMAL_COMMA).c_str(),
                                                   row.field.c_str())
                                         : std::string(CResourceString(IDS_MASTER_PT_BAD_LINE)));
        }
    }
    if (!bInSection)
        return Refuse(std::max(nFirstLine, 1), CResourceString(IDS_MASTER_PT_NO_SECTIONS));
    m_strPath = path;
    m_Lines = std::move(lines);
    m_State = EState::Reading;
    return true;
}

std::string CMasterPtFile::GetSkippedLinesNote() const
{
    if (m_SkippedLines.empty())
        return {};
    // The first lines are named, the rest counted.
    constexpr std::size_t kNamed = 10;
    const std::size_t nNamed = std::min(m_SkippedLines.size(), kNamed);
    std::string list = nNamed == 1 ? "line " : "lines ";
    for (std::size_t i = 0; i < nNamed; ++i)
    {
        if (i > 0)
            list += i + 1 == nNamed && m_SkippedLines.size() == nNamed ? " and " : ", ";
        list += std::to_string(m_SkippedLines[i]);
    }
    if (m_SkippedLines.size() > nNamed)
        list += " and " + std::to_string(m_SkippedLines.size() - nNamed) + " more";
    return FormatC(CResourceString(IDS_MASTER_PT_SKIPPED_LINES).c_str(), list.c_str());
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
        // Blank lines and notes give no row; every other line was read when the file
        // was opened.
        CDoublePoint value;
        CNumberRow row;
        if (!IsNumberLine(*point) || !ReadPointLine(*point, value, row))
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
