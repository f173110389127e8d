#include "graph/Convert.h"

#include "graph/Assert.h"
#include "graph/CFormat.h"
#include "graph/ResourceString.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <climits>
#include <cmath>
#include <limits>
#include <string_view>

std::string IntToString(int value)
{
    return FormatC("%d", value);
}

std::string DoubleToString(double value)
{
    return FormatC("%lf", value);
}

std::string FormatDouble(double value, const char* format)
{
    if (!MORVANE_CHECK(IsSingleDoubleFormat(format)))
        return std::string();
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
    return FormatC(format, value);
#pragma GCC diagnostic pop
}

std::string DoubleToShortString(double value)
{
    const bool whole =
        value == 0.0 || (std::fabs(value) >= 1.0 && value / std::trunc(value) == 1.0);
    return FormatC(whole ? "%.0f" : "%.3f", value);
}

std::string BoolToYesNo(bool value)
{
    return CResourceString(value ? 203 : 204);
}

std::string BoolToString(bool value)
{
    return value ? "true" : "false";
}

std::string ByteToHexText(std::uint8_t byte)
{
    return FormatC("%x", unsigned(byte));
}

bool ByteToHexText(std::uint8_t byte, std::string* text)
{
    if (!MORVANE_CHECK(text))
        return false;
    *text = ByteToHexText(byte);
    return true;
}

std::string CharToDecimalText(std::uint8_t byte)
{
    return FormatC("%d", int(std::int8_t(byte)));
}

bool CharToDecimalText(std::uint8_t byte, std::string* text)
{
    if (!MORVANE_CHECK(text))
        return false;
    *text = CharToDecimalText(byte);
    return true;
}

bool ByteToBitString(std::uint8_t byte, int nDataWidth, std::string* text)
{
    if (!MORVANE_CHECK(text))
        return false;
    if (nDataWidth != 7 && nDataWidth != 8)
    {
        ReportAssertion("nDataWidth IS 7 || nDataWidth IS 8", __FILE__, __LINE__);
        return true;
    }
    text->clear();
    for (int bit = nDataWidth - 1; bit >= 0; --bit)
        text->push_back((byte >> bit) & 1 ? '1' : '0');
    return true;
}

std::string ByteToBitString(std::uint8_t byte, int nDataWidth)
{
    std::string text;
    ByteToBitString(byte, nDataWidth, &text);
    return text;
}

namespace
{
std::uint64_t FixedPointWord(double value)
{
    const double scaled = std::trunc(value * 8388608.0);
    if (std::isnan(scaled))
        return 0;
    if (scaled >= 9223372036854775807.0)
        return std::uint64_t(LLONG_MAX);
    if (scaled <= -9223372036854775808.0)
        return std::uint64_t(LLONG_MIN);
    return std::uint64_t(static_cast<long long>(scaled));
}
} // namespace

std::string DoubleToHex12(double value)
{
    return FormatC("%012llX", (unsigned long long)(FixedPointWord(value) & 0xFFFFFFFFFFFFull));
}

std::string DoubleToHex7(double value)
{
    return FormatC("%07llX", (unsigned long long)(FixedPointWord(value) & 0xFFFFFFFull));
}

namespace
{
std::tm LocalNow()
{
    const std::time_t now = std::time(nullptr);
    std::tm date{};
    localtime_r(&now, &date);
    return date;
}

constexpr const char* kMonthNames[12] = {"January",   "February", "March",    "April",
                                         "May",       "June",     "July",     "August",
                                         "September", "October",  "November", "December"};
constexpr int kMonthDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
} // namespace

std::string TimeStampText()
{
    return TimeStampText(LocalNow());
}

std::string TimeStampText(const std::tm& date)
{
    return FormatC("_%d_%d_%d", date.tm_mon + 1, date.tm_mday, date.tm_year + 1900);
}

std::string DateText()
{
    return DateText(LocalNow());
}

std::string DateText(const std::tm& date)
{
    return FormatC("%d/%d/%02d", date.tm_mon + 1, date.tm_mday, (date.tm_year + 1900) % 100);
}

std::string MonthName(std::uint16_t month)
{
    if (!MORVANE_CHECK(month >= 1 && month <= 12))
        return std::string();
    return kMonthNames[month - 1];
}

int MonthNumber(const std::string& text)
{
    const auto start = text.find_first_not_of(" \t\r\n\f\v");
    if (start == std::string::npos || text.size() - start < 3)
        return 0;
    for (int m = 0; m < 12; ++m)
    {
        bool same = true;
        for (int i = 0; i < 3 && same; ++i)
            same = std::tolower(static_cast<unsigned char>(text[start + std::size_t(i)])) ==
                   std::tolower(static_cast<unsigned char>(kMonthNames[m][i]));
        if (same)
            return m + 1;
    }
    return 0;
}

int DayOfYear(std::uint16_t wMonth, std::uint16_t wDay, std::uint16_t wYear)
{
    if (!MORVANE_CHECK(wMonth >= 1 && wMonth <= 12))
        return 0;
    MORVANE_CHECK(wDay >= 1 && wDay <= 31);
    const bool leap = (wYear % 4 == 0 && wYear % 100 != 0) || wYear % 400 == 0;
    if (leap && wMonth == 2)
        MORVANE_CHECK(wDay <= 29);
    else if (wDay > kMonthDays[wMonth - 1])
        ReportAssertion("wDay <= MonthDays[wMonth - 1].Days", __FILE__, __LINE__);
    int day = wDay;
    for (int m = 0; m < wMonth - 1; ++m)
        day += kMonthDays[m];
    return day + (leap && wMonth > 2 ? 1 : 0);
}

namespace
{
// The text without the blanks and tabs around it.
std::string_view Trimmed(const std::string& text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    const auto last = text.find_last_not_of(" \t");
    return std::string_view(text.data() + first, last - first + 1);
}

// The lower-case letters of the text without the blanks and tabs around it.
std::string TrimmedLowerCase(const std::string& text)
{
    std::string word(Trimmed(text));
    std::transform(word.begin(), word.end(), word.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    return word;
}

std::string_view TrimmedNumber(const std::string& text)
{
    std::string_view view = Trimmed(text);
    // A sign in front of a positive number is accepted as people type it.
    if (view.size() > 1 && view.front() == '+' && view[1] != '-' && view[1] != '+')
        view.remove_prefix(1);
    return view;
}

template <class T> std::optional<T> ParseWhole(const std::string& text)
{
    const std::string_view view = TrimmedNumber(text);
    T value{};
    const auto [end, error] = std::from_chars(view.data(), view.data() + view.size(), value);
    if (view.empty() || error != std::errc{} || end != view.data() + view.size())
        return std::nullopt;
    return value;
}
} // namespace

std::optional<double> ParseWholeDouble(const std::string& text)
{
    const std::string_view view = TrimmedNumber(text);
    double value = 0.0;
    const auto [end, error] = std::from_chars(view.data(), view.data() + view.size(), value);
    if (view.empty() || end != view.data() + view.size())
        return std::nullopt;
    // Beyond the doubles: one too small to hold ("1e-400") is 0 with its sign, as the C
    // library reads it; one too large ("1e400") is infinite, which is no number here.
    if (error == std::errc::result_out_of_range)
        value = ScanDouble(std::string(view));
    else if (error != std::errc{})
        return std::nullopt;
    if (!std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<long> ParseWholeLong(const std::string& text)
{
    return ParseWhole<long>(text);
}

std::optional<bool> ParseYesNo(const std::string& text)
{
    const std::string word = TrimmedLowerCase(text);
    if (word.empty())
        return std::nullopt;
    for (const bool bYes : {true, false})
        if (std::string(bYes ? "yes" : "no").compare(0, word.size(), word) == 0)
            return bYes;
    return std::nullopt;
}

std::optional<bool> ParseTrueFalse(const std::string& text)
{
    const std::string word = TrimmedLowerCase(text);
    if (word == "true" || word == "false")
        return word == "true";
    return ParseYesNo(text);
}

double WholeDoubleOrNaN(const std::string& text)
{
    return ParseWholeDouble(text).value_or(std::numeric_limits<double>::quiet_NaN());
}

double ReadBackValue(double value, const char* format)
{
    return WholeDoubleOrNaN(FormatDouble(value, format));
}

bool ReadsBack(double value, const char* format)
{
    return ReadBackValue(value, format) == value;
}

long StringToLong(const std::string& text)
{
    return ScanLong(text, 10);
}

long HexTextToLong(const std::string& text)
{
    return long(ScanUnsignedLong(text, 16));
}

namespace
{
// Stores the scanned value when there was a number; always true.
template <typename T, typename Scan> bool ScanInto(const std::string& text, T* value, Scan scan)
{
    if (!MORVANE_CHECK(value))
        return false;
    bool ok = false;
    const auto v = scan(text, ok);
    if (ok)
        *value = T(v);
    return true;
}

// The byte readers' rule: above 255 stores 0 and fails, else the low 8 bits.
bool StoreByte(long value, std::uint8_t* byte)
{
    if (!MORVANE_CHECK(byte))
        return false;
    if (value > 255)
    {
        *byte = 0;
        return false;
    }
    *byte = std::uint8_t(static_cast<unsigned long>(value) & 0xFF);
    return true;
}

long ClampToInt(long v)
{
    return std::clamp(v, long(INT_MIN), long(INT_MAX));
}
} // namespace

bool TextToInt(const std::string& text, int* value)
{
    return ScanInto(text, value,
                    [](const std::string& t, bool& ok)
                    { return ClampToInt(ScanLong(t, 10, &ok)); });
}

bool TextToUnsigned(const std::string& text, unsigned int* value)
{
    return ScanInto(text, value,
                    [](const std::string& t, bool& ok) { return ScanUnsignedLong(t, 10, &ok); });
}

bool TextToUnsignedShort(const std::string& text, unsigned short* value)
{
    return ScanInto(text, value,
                    [](const std::string& t, bool& ok) { return ScanUnsignedLong(t, 10, &ok); });
}

bool HexTextToByte(const std::string& text, std::uint8_t* byte)
{
    return StoreByte(ClampToInt(ScanLong("0x" + text, 0)), byte);
}

bool DecimalTextToByte(const std::string& text, std::uint8_t* byte)
{
    return StoreByte(ClampToInt(ScanLong(text, 10)), byte);
}

bool BitStringToByte(const std::string& text, std::uint8_t* byte)
{
    if (!MORVANE_CHECK(byte))
        return false;
    const std::size_t n = text.size();
    if (!MORVANE_CHECK(n <= 32))
        return false;
    std::uint32_t word = 0;
    std::size_t taken = 0;
    for (char c : text)
        if (c == '0' || c == '1')
            word |= std::uint32_t(c - '0') << (n - 1 - taken++);
    *byte = std::uint8_t(word & 0xFF);
    return true;
}

std::string GetDelimitedField(const std::string& text, int n, char delimiter)
{
    if (n < 0)
        return std::string();
    std::size_t start = 0;
    for (int field = 0; field < n; ++field)
    {
        const auto next = text.find(delimiter, start);
        if (next == std::string::npos)
            return std::string();
        start = next + 1;
    }
    const auto end = text.find(delimiter, start);
    return text.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

int CountFields(const std::string& text, char delimiter)
{
    int count = 0;
    bool inField = false;
    for (char c : text)
    {
        if (c != delimiter && !inField)
            ++count;
        inField = c != delimiter;
    }
    return count;
}

std::string FileNameFromPath(const std::string& path)
{
    const auto pos = path.find_last_of("\\/");
    return pos == std::string::npos ? path : path.substr(pos + 1);
}

bool IsFirstWordEmpty(const std::string& text)
{
    return text.empty() || text[0] == ' ';
}

bool SplitTextToArray(const std::string& text, std::vector<std::string>& lines)
{
    lines.clear();
    if (text.empty())
        return false;
    std::size_t start = 0;
    for (;;)
    {
        const auto pair = text.find("\r\n", start);
        if (pair == std::string::npos)
            break;
        lines.push_back(text.substr(start, pair + 2 - start));
        start = pair + 2;
    }
    if (start < text.size())
        lines.push_back(text.substr(start));
    return true;
}
