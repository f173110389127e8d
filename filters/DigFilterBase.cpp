#include "filters/DigFilterBase.h"

#include "filters/FilterKinds.h"
#include "graph/Convert.h"
#include "graph/ResourceString.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <istream>
#include <ostream>

namespace
{
constexpr char kDelimiter = ',';
const char* const kSeparator = ", ";
} // namespace

CDigFilterBase::CDigFilterBase()
    : m_strLabel(CResourceString(191)), m_strPrefix(CResourceString(190))
{
    m_ActiveMode.TurnOn();
}

CDigFilterBase::~CDigFilterBase() = default;

bool CDigFilterBase::Write(std::ostream* pFile)
{
    if (!pFile)
        return false;
    std::string line;
    FormatLine(line);
    if (!line.empty() && line.back() == '\n')
        line.insert(line.size() - 1, "\r");
    *pFile << line;
    return true;
}

bool CDigFilterBase::Read(std::istream* pFile, int nSampleRate)
{
    if (!pFile)
        return false;
    m_strLine.clear();
    std::getline(*pFile, m_strLine);
    if (!m_strLine.empty() && m_strLine.back() == '\r')
        m_strLine.pop_back();
    Parse(m_strLine, nSampleRate);
    return true;
}

bool CDigFilterBase::MatchesPrefix(const std::string& line, char delimiter) const
{
    return GetDelimitedField(line, 0, delimiter).find(m_strPrefix) != std::string::npos;
}

bool CDigFilterBase::SetLabel(const std::string& label)
{
    if (label.find(m_strPrefix) == std::string::npos)
        return false;
    m_strLabel = label;
    return true;
}

bool CDigFilterBase::SetLabelNumber(int n)
{
    return FormLabel(m_strPrefix, n, m_strLabel);
}

int CDigFilterBase::GetLabelNumber() const
{
    return ReadLabelNumber(m_strLabel);
}

bool CDigFilterBase::HasOwnPrefix() const
{
    return !m_strPrefix.empty() && m_strLabel.find(m_strPrefix) != std::string::npos;
}

bool CDigFilterBase::SetOutputOrder(int n)
{
    if (n < 1)
        return false;
    m_nOutputOrder = n;
    m_bWholeOutputOrder = true;
    return true;
}

bool CDigFilterBase::HasNumbersInRange() const
{
    return GetLabelNumber() <= kMaxFilterNumber && m_bWholeOutputOrder && m_nOutputOrder >= 0 &&
           m_nOutputOrder <= kMaxFilterNumber;
}

bool CDigFilterBase::HasFiniteParameters()
{
    const std::vector<double> values = GetParameterValues();
    return std::all_of(values.begin(), values.end(), [](double v) { return std::isfinite(v); });
}

CDigFilterBase::ELineFault CDigFilterBase::FindLineFault()
{
    if (!HasFiniteParameters())
        return ELineFault::kParameterNotFinite;
    if (!HasNumbersInRange())
        return m_bWholeOutputOrder ? ELineFault::kNumberAboveLargest : ELineFault::kOrderNotWhole;
    return ELineFault::kNone;
}

void CDigFilterBase::BuildLine(std::span<mwMatrix* const> reals, std::span<CMode* const> modes)
{
    m_strLine = m_strLabel;
    for (const mwMatrix* real : reals)
        m_strLine += kSeparator + FormatScalar(*real);
    for (const CMode* mode : modes)
        m_strLine += kSeparator + BoolToYesNo(mode->GetState() != 0);
    m_strLine += kSeparator + IntToString(m_nOutputOrder) + "\n";
}

void CDigFilterBase::ParseFields(const std::string& line, std::span<mwMatrix* const> reals,
                                 std::span<CMode* const> modes)
{
    int field = 0;
    m_strLabel = GetDelimitedField(line, field++, kDelimiter);
    for (mwMatrix* real : reals)
        SetScalar(*real, GetDelimitedDouble(line, field++, kDelimiter));
    for (CMode* mode : modes)
        mode->SetState(GetDelimitedYes(line, field++, kDelimiter) ? 1 : 0);
    const std::string order = GetDelimitedField(line, field, kDelimiter);
    m_bWholeOutputOrder = IsOutputOrderText(order);
    m_nOutputOrder = int(std::clamp<long>(StringToLong(order), INT_MIN, INT_MAX));
}

std::string FormatScalar(const mwMatrix& value)
{
    return DoubleToString(ScalarValue(value));
}

double ScalarValue(const mwMatrix& value)
{
    return value.NumberOfElements() > 0 ? value.RealElement(1) : 0.0;
}

void SetScalar(mwMatrix& target, double value)
{
    target.Assign(mwMatrix(value));
}
