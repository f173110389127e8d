#include "filters/DigFilterBase.h"

#include "filters/FilterKinds.h"
#include "graph/Convert.h"
#include "graph/ResourceString.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <istream>
#include <limits>
#include <optional>
#include <ostream>

namespace
{
constexpr char kDelimiter = ',';
const char* const kSeparator = ", ";

// The fields of a line split at the delimiter, the line break at its end dropped.
std::vector<std::string> SplitFields(std::string line)
{
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r'))
        line.pop_back();
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (;;)
    {
        const std::size_t end = line.find(kDelimiter, start);
        fields.push_back(line.substr(start, end == std::string::npos ? end : end - start));
        if (end == std::string::npos)
            return fields;
        start = end + 1;
    }
}

bool IsBlankField(const std::string& field)
{
    return field.find_first_not_of(" \t") == std::string::npos;
}

std::string WithoutBlanksAround(const std::string& field)
{
    const std::size_t first = field.find_first_not_of(" \t");
    return first == std::string::npos
               ? std::string()
               : field.substr(first, field.find_last_not_of(" \t") + 1 - first);
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The field (1 or more) on the left of a decimal comma; 0 for none. Where the fields are
// separated by ", " as the program writes them and the line holds more fields than the
// kind reads, a comma between two digits is no separator but a decimal mark ("-3,5"): the
// fields after it would otherwise be read one place too late.
std::size_t DecimalCommaField(const std::string& line, std::size_t nFields, std::size_t nKindFields)
{
    if (nFields <= nKindFields || line.find(", ") == std::string::npos)
        return 0;
    std::size_t field = 0;
    for (std::size_t i = 1; i + 1 < line.size(); ++i)
    {
        if (line[i] != kDelimiter)
            continue;
        if (field > 0 && IsDigit(line[i - 1]) && IsDigit(line[i + 1]))
            return field;
        ++field;
    }
    return 0;
}
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
    if (m_FieldFault.kind != CFieldFault::EKind::kNone)
        return ELineFault::kFieldNotRead;
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
    using EKind = CFieldFault::EKind;
    const std::vector<std::string> fields = SplitFields(line);
    // Fields missing at the end of the line keep what a missing field reads as, and so do
    // blank fields there.
    std::size_t nPresent = fields.size();
    while (nPresent > 1 && IsBlankField(fields[nPresent - 1]))
        --nPresent;
    const auto field = [&](std::size_t f) { return f < nPresent ? fields[f] : std::string(); };
    m_FieldFault = {};
    const auto fault = [this](EKind kind, std::size_t f, const std::string& text)
    {
        if (m_FieldFault.kind == EKind::kNone)
            m_FieldFault = {kind, int(f), WithoutBlanksAround(text)};
    };
    const std::size_t nKindFields = reals.size() + modes.size() + 2;
    if (const std::size_t f = DecimalCommaField(line, fields.size(), nKindFields);
        f > 0 && f < nKindFields)
        fault(EKind::kDecimalComma, f,
              WithoutBlanksAround(fields[f]) + "," + WithoutBlanksAround(fields[f + 1]));

    std::size_t f = 0;
    m_strLabel = fields[f++];
    for (mwMatrix* real : reals)
    {
        double value = 0.0;
        if (f < nPresent)
        {
            const std::optional<double> parsed = ParseWholeDouble(fields[f]);
            if (!parsed)
                fault(EKind::kNotNumber, f, fields[f]);
            value = parsed.value_or(std::numeric_limits<double>::quiet_NaN());
        }
        SetScalar(*real, value);
        ++f;
    }
    for (CMode* mode : modes)
    {
        std::optional<bool> bYes = false;
        if (f < nPresent)
            bYes = ParseYesNo(fields[f]);
        if (!bYes)
            fault(EKind::kNotYesNo, f, fields[f]);
        mode->SetState(bYes.value_or(false) ? 1 : 0);
        ++f;
    }
    const std::string order = field(f);
    m_bWholeOutputOrder = IsOutputOrderText(order);
    // A whole order too large for a long is above the largest filter number all the same.
    const long nDefault = m_bWholeOutputOrder && !IsBlankField(order) ? LONG_MAX : 0;
    m_nOutputOrder =
        int(std::clamp<long>(ParseWholeLong(order).value_or(nDefault), INT_MIN, INT_MAX));
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
