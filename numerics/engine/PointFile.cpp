#include "numerics/engine/PointFile.h"

#include "numerics/engine/NumericsError.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>

namespace numerics
{
namespace
{
bool IsSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

char Lower(char c)
{
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

class CCursor
{
public:
    explicit CCursor(std::string_view text) : m_text(text) {}

    bool AtEnd() const { return m_pos >= m_text.size(); }
    char Peek(std::size_t ahead = 0) const
    {
        return m_pos + ahead < m_text.size() ? m_text[m_pos + ahead] : '\0';
    }

    // Like fgetl: the rest of the line and its line break.
    void SkipLine()
    {
        while (!AtEnd() && m_text[m_pos] != '\n')
            ++m_pos;
        if (!AtEnd())
            ++m_pos;
    }
    void SkipSpace()
    {
        while (!AtEnd() && IsSpace(m_text[m_pos]))
            ++m_pos;
    }
    bool Take(char c)
    {
        if (AtEnd() || m_text[m_pos] != c)
            return false;
        ++m_pos;
        return true;
    }
    std::optional<double> Number();

private:
    bool TakeWord(std::string_view word)
    {
        for (std::size_t i = 0; i < word.size(); ++i)
            if (Lower(Peek(i)) != word[i])
                return false;
        m_pos += word.size();
        return true;
    }
    std::size_t Digits()
    {
        const std::size_t start = m_pos;
        while (!AtEnd() && IsDigit(m_text[m_pos]))
            ++m_pos;
        return m_pos - start;
    }
    std::optional<double> Decimal();

    std::string_view m_text;
    std::size_t m_pos = 0;
};

// A decimal number: digits with an optional point, an optional exponent.
std::optional<double> CCursor::Decimal()
{
    const std::size_t start = m_pos;
    std::size_t mantissa = Digits();
    if (Take('.'))
        mantissa += Digits();
    if (mantissa == 0)
        return std::nullopt;
    const std::size_t end = m_pos;
    if (Lower(Peek()) == 'e')
    {
        std::size_t ahead = 1;
        if (Peek(1) == '+' || Peek(1) == '-')
            ahead = 2;
        if (IsDigit(Peek(ahead)))
        {
            m_pos += ahead;
            Digits();
        }
    }
    const char* first = m_text.data() + start;
    const char* last = m_text.data() + m_pos;
    double value = 0.0;
    const auto result = std::from_chars(first, last, value, std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range)
    {
        // Too large or too small for a double: the side follows from the decimal exponent
        // of the first significant digit.
        long before = 0; // significant digits before the point
        long zeros = 0;  // zeros after the point before the first significant digit
        bool point = false, significant = false;
        for (const char* c = first; c != m_text.data() + end; ++c)
        {
            if (*c == '.')
                point = true;
            else if (*c != '0' || significant)
            {
                significant = true;
                before += point ? 0 : 1;
            }
            else if (point)
                ++zeros;
        }
        long exponent = 0;
        const char* e = m_text.data() + end + 1; // after the 'e'
        const bool negativeExponent = e < last && *e == '-';
        for (e += e < last && (*e == '+' || *e == '-') ? 1 : 0; e < last; ++e)
            exponent = std::min(exponent * 10 + (*e - '0'), 100000L);
        if (negativeExponent)
            exponent = -exponent;
        value = (before > 0 ? before + exponent : exponent - zeros) > 0 ? HUGE_VAL : 0.0;
    }
    return value;
}

// One number as the "%g" conversion reads it, white space before it skipped.
std::optional<double> CCursor::Number()
{
    SkipSpace();
    const std::size_t start = m_pos;
    bool negative = false;
    if (Peek() == '+' || Peek() == '-')
    {
        negative = Peek() == '-';
        ++m_pos;
    }
    std::optional<double> value;
    if (TakeWord("infinity") || TakeWord("inf"))
        value = HUGE_VAL;
    else if (TakeWord("nan"))
        value = NAN;
    else
        value = Decimal();
    if (!value)
    {
        m_pos = start;
        return std::nullopt;
    }
    return negative ? -*value : *value;
}
} // namespace

std::vector<double> ParsePointNumbers(std::string_view text, int perPoint)
{
    CCursor in(text);
    in.SkipLine();
    in.SkipLine();
    std::vector<double> numbers;
    for (;;)
    {
        for (int k = 0; k < perPoint; ++k)
        {
            if (k > 0)
            {
                if (!in.Take(','))
                    return numbers;
                in.SkipSpace();
            }
            const std::optional<double> value = in.Number();
            if (!value)
                return numbers;
            numbers.push_back(*value);
        }
    }
}

std::vector<double> ReadPointFile(const std::string& path, int perPoint, const char* reader)
{
    std::ifstream file(path, std::ios::binary);
    std::error_code ignored;
    if (!file || std::filesystem::is_directory(path, ignored))
        throw CPointFileNotOpened(std::string(reader) + ": cannot open the file \"" + path +
                                  "\" for reading.");
    const std::string text{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    if (file.bad())
        throw CNumericsError(std::string(reader) + ": cannot read the file \"" + path + "\".");
    std::vector<double> numbers = ParsePointNumbers(text, perPoint);
    if (numbers.size() % std::size_t(perPoint) != 0)
        throw CNumericsError(std::string(reader) + ": the last point of the file \"" + path +
                             "\" has fewer than " + std::to_string(perPoint) + " values.");
    return numbers;
}
} // namespace numerics
