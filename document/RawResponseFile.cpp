#include "document/RawResponseFile.h"

#include "document/DocumentStrings.h"
#include "graph/Assert.h"
#include "graph/CFormat.h"
#include "graph/MatrixUtilities.h"
#include "graph/Mode.h"
#include "graph/PointBounds.h"
#include "graph/ResourceString.h"
#include "graph/StringUtility.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <string_view>
#include <utility>

namespace
{
// Lines before the first row: the title and the column header.
constexpr std::size_t kHeaderLines = 2;

// Decimals of a frequency as the file writes it, and as many more as it takes to keep a
// point apart from its neighbours.
constexpr int kFrequencyDecimals = 4;
constexpr int kMaxFrequencyDecimals = 20;

std::string Fixed(double value, int decimals)
{
    return FormatC("%.*f", decimals, value);
}

// The fewest decimals, at least four, that tell frequency i from the frequencies before and
// after it. Rounding each to its own count then keeps their order: a point written with
// fewer decimals differs from its neighbour by a whole step of those, which the
// neighbour's finer rounding cannot cross. Equal frequencies stay equal.
int FrequencyDecimals(const std::vector<double>& f, std::size_t i, std::size_t n)
{
    int decimals = kFrequencyDecimals;
    // For the first point i - 1 wraps around and, like i + 1 for the last, is not below n.
    for (const std::size_t j : {i - 1, i + 1})
    {
        if (j >= n || f[j] == f[i])
            continue;
        while (decimals < kMaxFrequencyDecimals && Fixed(f[i], decimals) == Fixed(f[j], decimals))
            ++decimals;
    }
    return decimals;
}

mwMatrix Column(std::vector<double>& values)
{
    if (values.empty())
        return empty();
    return mwMatrix(int(values.size()), 1, values.data(), nullptr, 1);
}

// Where and why a file is refused; no line while it is not.
struct CRowFault
{
    int nLine = 0;
    std::string text;
};

// The columns the first row gives the file: three numbers separated by blanks or tabs, or
// by commas alone, make a phase column; any other count two columns.
bool HasPhaseColumn(const std::string& row, const CNumberRow& numbers)
{
    const int nTokens = CountNumbersInLine(row);
    return nTokens == 3 ||
           (nTokens == 1 && numbers.fault == CNumberRow::kNone && numbers.nNumbers == 3);
}

// Why a row of the file's columns is not a point; empty when it is one.
std::string RowProblem(const CNumberRow& numbers, const double* values, bool bPhaseColumn)
{
    if (numbers.fault == CNumberRow::kDecimalComma)
        return FormatC(CResourceString(IDS_DECIMAL_COMMA).c_str(), numbers.field.c_str());
    if (numbers.fault != CNumberRow::kNone || numbers.nNumbers < (bPhaseColumn ? 3 : 2))
        return CResourceString(bPhaseColumn ? IDS_RAW_BAD_ROW_3 : IDS_RAW_BAD_ROW_2);
    if (!PointBounds::IsLevel(values[1]))
        return CResourceString(IDS_RAW_LEVEL_OUT_OF_RANGE);
    return {};
}

// Reads each row after the header in file order and gives its values (frequency,
// magnitude and, with a phase column, phase) and its 1-based line to take. The first row
// decides the columns; numbers beyond them are not read. False, with the fault, at the
// first row that is not a point.
bool ForEachRow(const CTextLines& lines, bool& bPhaseColumn, CRowFault& fault,
                const std::function<void(const double* values, int nLine)>& take)
{
    bool bDecided = false;
    int nLine = 0;
    for (const std::string_view line : lines)
    {
        if (++nLine <= int(kHeaderLines) || IsBlankLine(line))
            continue;
        double values[3] = {0.0, 0.0, 0.0};
        const CNumberRow numbers = ReadNumberRow(line, values, 3);
        if (!bDecided)
        {
            bPhaseColumn = HasPhaseColumn(std::string(line), numbers);
            bDecided = true;
        }
        std::string problem = RowProblem(numbers, values, bPhaseColumn);
        if (!problem.empty())
        {
            fault = {nLine, std::move(problem)};
            return false;
        }
        take(values, nLine);
    }
    return true;
}

// Checks the frequencies of the rows as they come: every one above 0 Hz, within the
// measured range and above the one before it, the first as opening the file repairs it (a
// row at 0 Hz moves below the second). Keeps the first fault.
class CFrequencyCheck
{
public:
    void Take(double frequency, int nLine)
    {
        if (++m_nRows == 1)
        {
            m_First = frequency;
            m_nFirstLine = nLine;
            return;
        }
        if (m_nRows == 2)
            Check(RepairedFirstFrequency(m_First, frequency), m_nFirstLine, true);
        Check(frequency, nLine, false);
    }
    const CRowFault& Fault() const { return m_Fault; }

private:
    void Check(double f, int nLine, bool bFirst)
    {
        if (m_Fault.nLine)
            return;
        // Only a first row at 0 Hz is repaired; one below 0 Hz is no measured point.
        if (!(f > 0.0) || (bFirst && m_First < 0.0))
            m_Fault = {nLine, CResourceString(IDS_RAW_FREQUENCY_NOT_POSITIVE)};
        else if (!PointBounds::IsFrequency(f))
            m_Fault = {nLine, CResourceString(IDS_RAW_FREQUENCY_OUT_OF_RANGE)};
        else if (!bFirst && !(f > m_Previous))
            m_Fault = {nLine, CResourceString(IDS_RAW_FREQUENCY_NOT_INCREASING)};
        m_Previous = f;
    }

    std::size_t m_nRows = 0;
    double m_First = 0.0;
    int m_nFirstLine = 0;
    double m_Previous = 0.0;
    CRowFault m_Fault;
};
} // namespace

CRawResponseFile::CRawResponseFile(CMode* pPhaseColumnMode)
    : m_OpenTexts{CResourceString(IDS_RAW_OPEN_EXTENSION), CResourceString(IDS_RAW_OPEN_FILTER)},
      m_SaveTexts{CResourceString(IDS_RAW_EXTENSION), CResourceString(IDS_RAW_SAVE_FILTER)},
      m_pPhaseColumnMode(pPhaseColumnMode)
{
}

bool CRawResponseFile::Fail(int nLine, const std::string& text)
{
    m_nErrorLine = nLine;
    m_strError = text;
    return false;
}

bool CRawResponseFile::OpenForRead(std::string& path)
{
    m_strError.clear();
    m_nErrorLine = 0;
    if (!MORVANE_CHECK(m_State == EState::Closed) || !AskFilePath(false, m_OpenTexts, path))
        return false;
    CTextLines lines;
    std::string error;
    if (!ReadTextFileLines(path, lines, error))
        return Fail(0, error);
    m_strPath = path;
    return ReadRows(lines);
}

bool CRawResponseFile::OpenText(const std::string& text, const std::string& name)
{
    m_strError.clear();
    m_nErrorLine = 0;
    if (!MORVANE_CHECK(m_State == EState::Closed))
        return false;
    m_strPath = name;
    return ReadRows(CTextLines(text));
}

bool CRawResponseFile::ReadRows(const CTextLines& lines)
{
    // The rows are read twice: first checked and counted, nothing kept, then, only when
    // the file is a response, kept in columns of the size counted. A refused file thus
    // costs nothing for its rows, and a good one no more than its points.
    bool bPhaseColumn = false;
    CRowFault fault;
    std::size_t nRows = 0;
    int nFirstRowLine = 0;
    CFrequencyCheck frequencies;
    const auto check = [&](const double* values, int nLine)
    {
        if (nRows++ == 0)
            nFirstRowLine = nLine;
        frequencies.Take(values[0], nLine);
    };
    if (!ForEachRow(lines, bPhaseColumn, fault, check))
        return Fail(fault.nLine, fault.text);
    // The line named is the one where the missing row was expected.
    if (nRows == 0)
        return Fail(int(kHeaderLines + 1), CResourceString(IDS_RAW_NO_POINTS));
    if (nRows == 1)
        return Fail(nFirstRowLine + 1, CResourceString(IDS_RAW_ONE_POINT));
    if (frequencies.Fault().nLine)
        return Fail(frequencies.Fault().nLine, frequencies.Fault().text);

    m_Frequencies.clear();
    m_Magnitudes.clear();
    m_Phases.clear();
    m_Frequencies.reserve(nRows);
    m_Magnitudes.reserve(nRows);
    if (bPhaseColumn)
        m_Phases.reserve(nRows);
    const auto keep = [&](const double* values, int)
    {
        m_Frequencies.push_back(values[0]);
        m_Magnitudes.push_back(values[1]);
        if (bPhaseColumn)
            m_Phases.push_back(values[2]);
    };
    ForEachRow(lines, bPhaseColumn, fault, keep);
    m_bPhaseColumn = bPhaseColumn;
    if (m_pPhaseColumnMode)
        m_pPhaseColumnMode->SetState(bPhaseColumn ? 1 : 0);
    m_State = EState::Reading;
    return true;
}

bool CRawResponseFile::Parse(mwMatrix* pFrequencies, mwMatrix* pMagnitudes, mwMatrix* pPhases)
{
    if (!MORVANE_CHECK(m_State == EState::Reading && pFrequencies && pMagnitudes && pPhases))
        return false;
    pFrequencies->Share(Column(m_Frequencies));
    pMagnitudes->Share(Column(m_Magnitudes));
    if (m_bPhaseColumn)
        pPhases->Share(Column(m_Phases));
    return true;
}

bool CRawResponseFile::OpenForWrite(std::string& path, const std::string& initialName)
{
    m_strError.clear();
    if (!MORVANE_CHECK(m_State == EState::Closed) ||
        !AskFilePath(true, m_SaveTexts, path, initialName))
        return false;
    m_strPath = path;
    m_Writer = CTextFileWriter();
    m_bWritten = false;
    m_State = EState::Writing;
    return true;
}

bool CRawResponseFile::Write(mwMatrix frequencies, mwMatrix magnitudes, mwMatrix phases)
{
    if (!MORVANE_CHECK(m_State == EState::Writing))
        return false;
    const std::size_t n = std::size_t(std::max(magnitudes.Size(1), 0));
    const std::vector<double> f = Values(frequencies);
    const std::vector<double> m = Values(magnitudes);
    const std::vector<double> p = Values(phases);
    if (f.size() < n || m.size() < n || p.size() < n)
        return Fail(0, CResourceString(IDS_RAW_CURVES_DIFFER));
    // A first row at 0 Hz is read as the point that opening moves it to, so the second row
    // is told apart from that point, and that point is the one that must be a frequency.
    std::vector<double> apart(f.begin(), f.begin() + std::ptrdiff_t(n));
    if (n >= 2)
        apart[0] = RepairedFirstFrequency(f[0], f[1]);
    // What the reader would refuse is not written: the older file stays.
    for (std::size_t i = 0; i < n; ++i)
        if (!PointBounds::IsFrequency(apart[i]) || !PointBounds::IsLevel(m[i]) ||
            !std::isfinite(p[i]))
            return Fail(0, FormatC(CResourceString(IDS_RAW_UNWRITABLE_POINT).c_str(), int(i + 1)));
    m_Writer.Write(CResourceString(IDS_RAW_TITLE) + "\n");
    m_Writer.Write(CResourceString(IDS_RAW_COLUMN_HEADER) + "\n");
    for (std::size_t i = 0; i < n; ++i)
        m_Writer.Write(
            FormatC("  %8.*f, %9.5f, %9.5f\n", FrequencyDecimals(apart, i, n), f[i], m[i], p[i]));
    m_bWritten = true;
    return true;
}

bool CRawResponseFile::Close()
{
    const EState state = m_State;
    m_State = EState::Closed;
    // The points read were handed on by Parse; they go with the read.
    m_Frequencies = {};
    m_Magnitudes = {};
    m_Phases = {};
    if (state != EState::Writing)
        return true;
    if (!m_bWritten)
    {
        if (m_strError.empty())
            m_strError = CResourceString(IDS_SAVE_FAILED);
        return false;
    }
    std::string error;
    if (!m_Writer.Save(m_strPath, error))
        return Fail(0, CResourceString(IDS_SAVE_FAILED) + " " + error);
    return true;
}
