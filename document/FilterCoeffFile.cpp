#include "document/FilterCoeffFile.h"

#include "document/DocumentServices.h"
#include "document/DocumentStrings.h"
#include "filters/FilterDesignCheck.h"
#include "filters/MatrixPtrArray.h"
#include "graph/Assert.h"
#include "graph/CFormat.h"
#include "graph/Convert.h"
#include "graph/ResourceString.h"
#include "graph/StringUtility.h"

#include <algorithm>
#include <iterator>
#include <optional>
#include <sstream>
#include <string_view>
#include <utility>
#include <vector>

namespace
{
bool ContainsEither(std::string_view line, const char* a, const char* b)
{
    return line.find(a) != std::string_view::npos || line.find(b) != std::string_view::npos;
}

// A coefficient as the file writes it: fifteen decimals.
const char kCoefficientFormat[] = "  %18.15lf ";

// The values as the file would write them and read them back.
std::vector<double> AsWritten(std::vector<double> values)
{
    for (double& v : values)
        v = ReadBackValue(v, kCoefficientFormat);
    return values;
}

// The numbers of a row of number characters and blanks, each read whole (ParseWholeDouble);
// the first that is none goes to bad (its index and text) and ends the reading.
std::vector<double> RowNumbers(const std::string& line, std::size_t& nBad, std::string& bad)
{
    std::vector<double> values;
    std::istringstream words(line);
    for (std::string word; words >> word;)
    {
        const std::optional<double> value = ParseWholeDouble(word);
        if (!value)
        {
            nBad = values.size();
            bad = word;
            break;
        }
        values.push_back(*value);
    }
    return values;
}

// The values as a 1-by-n matrix; none give the empty matrix.
mwMatrix RowMatrix(std::vector<double> values)
{
    return values.empty() ? empty() : mwMatrix(1, int(values.size()), values.data(), nullptr, 1);
}
} // namespace

FilterCoeffFile::FilterCoeffFile(IFileReadErrorReport* pErrorReport)
    : m_SaveTexts{CResourceString(IDS_COEFF_EXTENSION), CResourceString(IDS_COEFF_FILTER)},
      m_OpenTexts{CResourceString(IDS_COEFF_EXTENSION), CResourceString(IDS_COEFF_FILTER)},
      m_strTitle(CResourceString(IDS_COEFF_TITLE)),
      m_strBHeading(CResourceString(IDS_COEFF_B_HEADING)),
      m_strAHeading(CResourceString(IDS_COEFF_A_HEADING)), m_pErrorReport(pErrorReport)
{
}

bool FilterCoeffFile::OpenForWrite(std::string& path, const std::string& initialName)
{
    m_strError.clear();
    if (!MORVANE_CHECK(!m_bWriting && !m_nOpened) ||
        !AskFilePath(true, m_SaveTexts, path, initialName))
        return false;
    m_strFileName = path;
    m_Writer = CTextFileWriter();
    m_bWriting = true;
    return true;
}

bool FilterCoeffFile::Write(const CMatrixPtrArray& denominators, const CMatrixPtrArray& numerators)
{
    if (!MORVANE_CHECK(m_bWriting))
        return false;
    auto writeRows = [this](const CMatrixPtrArray& list)
    {
        for (int k = 0; k < list.GetSize(); ++k)
        {
            const mwMatrix& m = list.GetAt(k);
            const int rows = std::max(m.Size(1), 0);
            const int cols = rows ? m.NumberOfElements() / rows : 0;
            std::vector<double> values(std::size_t(rows) * std::size_t(cols));
            if (!values.empty())
                m.CopyRealTo(values.data());
            for (int r = 0; r < rows; ++r)
            {
                for (int c = 0; c < cols; ++c)
                    m_Writer.Write(FormatC(kCoefficientFormat, values[std::size_t(c * rows + r)]));
                m_Writer.Write("\n");
            }
        }
    };
    m_Writer.Write(m_strTitle + "\n" + m_strBHeading + "\n");
    writeRows(numerators);
    m_Writer.Write(m_strAHeading + "\n");
    writeRows(denominators);
    return true;
}

bool FilterCoeffFile::OpenForRead(std::string& path)
{
    m_strError.clear();
    if (!MORVANE_CHECK(!m_bWriting && !m_nOpened) || !AskFilePath(false, m_OpenTexts, path))
        return false;
    CTextLines lines;
    if (!ReadTextFileLines(path, lines, m_strError))
        return false;
    m_strFileName = path;
    TakeLines(std::move(lines));
    return true;
}

bool FilterCoeffFile::OpenText(const std::string& text, const std::string& name)
{
    if (!MORVANE_CHECK(!m_bWriting && !m_nOpened))
        return false;
    m_strError.clear();
    m_strFileName = name;
    TakeLines(CTextLines(text));
    return true;
}

void FilterCoeffFile::TakeLines(CTextLines lines)
{
    m_Lines = std::move(lines);
    m_nLineCount = int(m_Lines.size());
    m_NextLine = m_Lines.begin();
    m_nOpened = 1;
}

bool FilterCoeffFile::Report(int nLine, unsigned nMessage)
{
    return Report(nLine, std::string(CResourceString(nMessage)));
}

bool FilterCoeffFile::Report(int nLine, const std::string& error)
{
    m_strError = error;
    if (m_pErrorReport)
        m_pErrorReport->ShowFileReadError(m_strFileName, nLine, m_strError);
    Close();
    return false;
}

bool FilterCoeffFile::NextLine(std::string& line)
{
    if (!m_nOpened || m_NextLine == m_Lines.end())
        return false;
    line = *m_NextLine++;
    return true;
}

bool FilterCoeffFile::ReadRow(int nLine, char name, std::vector<double>& values)
{
    const std::string line(*m_NextLine++);
    values.clear();
    if (!IsNumeric(line))
        return Report(nLine, IDS_COEFF_NOT_NUMERIC);
    std::size_t nBad = 0;
    std::string bad;
    values = RowNumbers(line, nBad, bad);
    if (!bad.empty())
        return Report(nLine, FormatC(CResourceString(IDS_COEFF_NOT_A_NUMBER).c_str(),
                                     FormatC("%c%zu", name, nBad).c_str(), bad.c_str()));
    return true;
}

bool FilterCoeffFile::Validate()
{
    if (!m_nOpened)
        return false;
    const int L = m_nLineCount;
    if (L < 3 || (L - 3) % 2 != 0)
        return Report(0, IDS_COEFF_LINE_COUNT);
    const int n = (L - 3) / 2;
    // The lines in order: the title, the b heading, n numerator rows, the a heading and n
    // denominator rows.
    m_NextLine = std::next(m_Lines.begin());
    if (!ContainsEither(*m_NextLine++, "b0", "B0"))
        return Report(2, IDS_COEFF_B_HEADER);
    std::vector<std::vector<double>> numerators(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i)
    {
        const int line = i + 3;
        if (!ReadRow(line, 'b', numerators[std::size_t(i)]))
            return false;
        if (numerators[std::size_t(i)].size() < 2)
            return Report(line, IDS_COEFF_TOO_FEW);
    }
    if (!ContainsEither(*m_NextLine++, "a0", "A0"))
        return Report(n + 3, IDS_COEFF_A_HEADER);
    for (int i = 0; i < n; ++i)
    {
        const int line = n + 4 + i;
        std::vector<double> denominator;
        if (!ReadRow(line, 'a', denominator))
            return false;
        const std::vector<double>& numerator = numerators[std::size_t(i)];
        if (denominator.size() != numerator.size())
            return Report(line, IDS_COEFF_A_COUNT_DIFFERS);
        // A filter divides by its a0, and so does the filter its written row gives.
        if (denominator[0] == 0.0 || AsWritten(denominator)[0] == 0.0)
            return Report(line, IDS_COEFF_A0_ZERO);
        // Finite coefficients can still make no filter (1e-320 or 1e308 each), and neither
        // may the fifteen decimals that a save writes of them.
        if (!HasFiniteResponse(RowMatrix(denominator), RowMatrix(numerator)) ||
            !HasFiniteResponse(RowMatrix(AsWritten(denominator)), RowMatrix(AsWritten(numerator))))
            return Report(line, IDS_COEFF_NO_RESPONSE);
    }
    m_nRowCount = n;
    m_NextLine = m_Lines.begin();
    return true;
}

bool FilterCoeffFile::SkipToNumeratorRows()
{
    std::string line;
    NextLine(line);
    return NextLine(line);
}

bool FilterCoeffFile::SkipToDenominatorRows()
{
    std::string line;
    return NextLine(line);
}

bool FilterCoeffFile::ReadCoefficientRow(CMatrixPtrArray& list)
{
    std::string line;
    if (!NextLine(line))
        return false;
    std::vector<double> values(std::size_t(CountNumbersInLine(line)), 0.0);
    if (!values.empty())
        ParseNumbersInLine(int(values.size()), values.data(), line);
    list.Add(RowMatrix(std::move(values)));
    return true;
}

bool FilterCoeffFile::Close()
{
    m_nOpened = 0;
    m_Lines.clear();
    if (!m_bWriting)
        return true;
    m_bWriting = false;
    std::string error;
    if (!m_Writer.Save(m_strFileName, error))
    {
        m_strError = CResourceString(IDS_SAVE_FAILED) + " " + error;
        return false;
    }
    return true;
}
