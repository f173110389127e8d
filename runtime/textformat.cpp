#include "runtime/textformat.h"

#include "runtime/handlers.h"
#include "runtime/libsupport.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <deque>
#include <variant>

namespace
{
constexpr double kMaxField = 10000.0;

// One piece of a parsed format: literal text, or a conversion with its flags, width and
// precision (either may be '*', taken from the values).
struct Piece
{
    std::string text; // literal text, or the flags of a conversion
    char type = 0;    // 0 for literal text
    std::string width, precision;
    bool hasPrecision = false;
};

std::string unescape(const std::string& in)
{
    std::string out;
    for (std::size_t i = 0; i < in.size(); ++i)
    {
        if (in[i] != '\\' || i + 1 == in.size())
        {
            out += in[i];
            continue;
        }
        const char c = in[++i];
        const char* from = "ntrabfv\\";
        const char* to = "\n\t\r\a\b\f\v\\";
        const char* hit = std::strchr(from, c);
        if (hit && c)
            out += to[hit - from];
        else
            out.append({'\\', c});
    }
    return out;
}

std::vector<Piece> parse(const std::string& format)
{
    std::vector<Piece> pieces;
    Piece literal;
    std::size_t i = 0;
    const auto take = [&](const char* set)
    {
        std::string s;
        while (i < format.size() && std::strchr(set, format[i]) && format[i])
            s += format[i++];
        return s;
    };
    while (i < format.size())
    {
        if (format[i] != '%')
        {
            literal.text += format[i++];
            continue;
        }
        if (i + 1 < format.size() && format[i + 1] == '%')
        {
            literal.text += '%';
            i += 2;
            continue;
        }
        const std::size_t start = i++;
        Piece conv;
        conv.text = take("-+ #0");
        conv.width = take("*0123456789");
        if (i < format.size() && format[i] == '.')
        {
            ++i;
            conv.hasPrecision = true;
            conv.precision = take("*0123456789");
        }
        take("lhL");
        if (i < format.size() && std::strchr("diouxXfeEgGcs", format[i]) && format[i])
        {
            conv.type = format[i++];
            if (!literal.text.empty())
                pieces.push_back(literal);
            literal = Piece();
            pieces.push_back(conv);
        }
        else
        {
            literal.text += format.substr(start, i - start);
        }
    }
    if (!literal.text.empty())
        pieces.push_back(literal);
    return pieces;
}

// The values in the order the format takes them: numbers, and char arguments whole.
class Values
{
public:
    explicit Values(const std::vector<const mxArray*>& args)
    {
        for (const mxArray* a : args)
        {
            if (mxIsChar(a))
            {
                items_.emplace_back(mclText(a));
                continue;
            }
            const mclValues v(a, "fprintf");
            for (int i = 0; i < v.size(); ++i)
                items_.emplace_back(v.re(i));
        }
    }
    bool empty() const { return items_.empty(); }
    std::size_t taken() const { return taken_; }

    double number()
    {
        ++taken_;
        if (auto* text = std::get_if<std::string>(&items_.front()))
        {
            const double code = text->empty() ? 0.0 : static_cast<unsigned char>((*text)[0]);
            if (text->size() > 1)
                text->erase(0, 1);
            else
                items_.pop_front();
            return code;
        }
        const double v = std::get<double>(items_.front());
        items_.pop_front();
        return v;
    }

    std::variant<std::string, double> any()
    {
        ++taken_;
        auto item = items_.front();
        items_.pop_front();
        return item;
    }

private:
    std::deque<std::variant<std::string, double>> items_;
    std::size_t taken_ = 0;
};

std::string numberText(double v)
{
    if (std::isnan(v))
        return "NaN";
    return v < 0 ? "-Inf" : "Inf";
}

// Resolves '*' from the values; returns the printf text of flags, width and precision.
std::string spec(const Piece& p, Values& values)
{
    // Widths and precisions stay within kMaxField, so no element text can grow unbounded.
    const auto field = [&](const std::string& f, double lowest)
    {
        if (f.empty() || (f == "*" && values.empty()))
            return std::string();
        const double v = f == "*" ? values.number() : std::strtod(f.c_str(), nullptr);
        return std::to_string(
            static_cast<int>(std::isnan(v) ? 0.0 : std::clamp(v, lowest, kMaxField)));
    };
    std::string s = "%" + p.text + field(p.width, -kMaxField);
    if (p.hasPrecision)
        s += "." + field(p.precision, 0.0);
    return s;
}

bool isWhole(double v)
{
    return std::isfinite(v) && v == std::floor(v) && std::abs(v) < 9e18;
}

std::string convert(const Piece& p, Values& values)
{
    const std::string head = spec(p, values);
    if (values.empty())
        return std::string();
    if (p.type == 's' || p.type == 'c')
    {
        auto item = values.any();
        std::string text;
        if (auto* s = std::get_if<std::string>(&item))
            text = p.type == 'c' && !s->empty() ? s->substr(0, 1) : *s;
        else if (isWhole(std::get<double>(item)))
            text = std::string(1, static_cast<char>(std::get<double>(item)));
        else
            return mclFormat((head + "e").c_str(), std::get<double>(item));
        return mclFormat((head + "s").c_str(), text.c_str());
    }
    const double v = values.number();
    if (!std::isfinite(v))
    {
        Piece plain = p;
        plain.hasPrecision = false;
        return mclFormat((spec(plain, values) + "s").c_str(), numberText(v).c_str());
    }
    if (std::strchr("diouxX", p.type))
    {
        const bool isSigned = p.type == 'd' || p.type == 'i';
        if (!isWhole(v) || (!isSigned && v < 0))
            return mclFormat((head + "e").c_str(), v);
        if (isSigned)
            return mclFormat((head + "lld").c_str(), static_cast<long long>(v));
        return mclFormat((head + "ll" + p.type).c_str(), static_cast<unsigned long long>(v));
    }
    return mclFormat((head + p.type).c_str(), v);
}
} // namespace

std::string mclFormatValues(const std::string& format, const std::vector<const mxArray*>& args)
{
    const std::vector<Piece> pieces = parse(unescape(format));
    Values values(args);
    const bool noValues = values.empty();
    std::string out;
    while (true)
    {
        const std::size_t before = values.taken();
        for (const Piece& p : pieces)
        {
            if (p.type && values.empty() && !noValues)
                return out;
            out += p.type ? convert(p, values) : p.text;
        }
        if (values.empty() || values.taken() == before)
            return out;
    }
}

void mlxError(int nlhs, mxArray*[], int nrhs, mxArray* prhs[])
{
    mclCheckArgCount(nlhs, nrhs, 0, nrhs);
    if (nrhs == 0 || !prhs[0] || mxIsEmpty(prhs[0]))
        return;
    if (!mxIsChar(prhs[0]))
        mclRaiseError("The error message must be a string.");
    const std::string text =
        nrhs == 1
            ? mclText(prhs[0])
            : mclFormatValues(mclText(prhs[0]), std::vector<const mxArray*>(prhs + 1, prhs + nrhs));
    mclRaiseError("%s", text.c_str());
}
