#include "runtime/fileio.h"

#include "runtime/handlers.h"
#include "runtime/libsupport.h"
#include "runtime/regularfile.h"
#include "runtime/textformat.h"

#include <cctype>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstring>
#include <fcntl.h>
#include <limits>
#include <map>
#include <unistd.h>
#include <vector>

namespace
{
std::map<int, std::FILE*>& files()
{
    static std::map<int, std::FILE*> table;
    return table;
}

constexpr const char* kInvalidFid =
    "Invalid file identifier.  Use fopen to generate a valid file identifier.";

int fidOf(const mxArray* fid, const char* function)
{
    if (!fid || mxIsChar(fid) || mxGetNumberOfElements(fid) != 1)
        mclRaiseError("%s", kInvalidFid);
    const double v = mclScalarArg(fid, function, "File identifier");
    if (v != std::floor(v) || v < 0 || v > std::numeric_limits<int>::max())
        mclRaiseError("%s", kInvalidFid);
    return static_cast<int>(v);
}

// The C mode for a language mode; empty when the mode is not valid.
std::string cMode(std::string mode)
{
    std::string plain;
    for (char c : mode)
        if (c != 't' && c != 'b')
            plain += c;
    for (const char* valid : {"r", "w", "a", "r+", "w+", "a+"})
        if (plain == valid)
            return plain.substr(0, 1) + "b" + plain.substr(1);
    return std::string();
}

// A file opened for reading ("rb", "rb+") is a regular file, opened without waiting on a
// pipe or device. Null with the message on failure.
std::FILE* OpenForReading(const std::string& name, const std::string& mode, std::string& message)
{
    bool bNotRegular = false;
    const int fd = mclOpenRegularFile(name.c_str(),
                                      mode.find('+') == std::string::npos ? O_RDONLY : O_RDWR,
                                      &bNotRegular);
    if (fd < 0)
    {
        message = bNotRegular ? "Not a regular file." : std::strerror(errno);
        return nullptr;
    }
    std::FILE* f = ::fdopen(fd, mode.c_str());
    if (!f)
    {
        message = std::strerror(errno);
        ::close(fd);
    }
    return f;
}

// Reading state of fscanf over the rest of the file held in memory.
class Scanner
{
public:
    explicit Scanner(std::string text) : text_(std::move(text)) {}
    std::size_t position() const { return at_; }
    bool atEnd() const { return at_ >= text_.size(); }
    char peek() const { return text_[at_]; }
    void skipSpace()
    {
        while (!atEnd() && std::isspace(static_cast<unsigned char>(peek())))
            ++at_;
    }
    bool literal(char c)
    {
        if (atEnd() || peek() != c)
            return false;
        ++at_;
        return true;
    }

    // A number of the given conversion, at most width characters; false on no match.
    bool number(char type, std::size_t width, double& value)
    {
        skipSpace();
        const std::size_t limit = at_ + std::min(text_.size() - at_, width);
        std::size_t i = at_;
        bool negative = false;
        if (i < limit && (text_[i] == '+' || text_[i] == '-'))
            negative = text_[i++] == '-';
        const int base = type == 'x' ? 16 : (type == 'o' ? 8 : 10);
        const std::size_t end =
            std::strchr("dixou", type) ? integerEnd(i, limit, base) : floatEnd(i, limit);
        if (end == i)
            return false;
        if (base != 10 || std::strchr("diu", type))
        {
            unsigned long long whole = 0;
            std::from_chars(text_.data() + i, text_.data() + end, whole, base);
            value = static_cast<double>(whole);
        }
        else
        {
            std::from_chars(text_.data() + i, text_.data() + end, value);
        }
        value = negative ? -value : value;
        at_ = end;
        return true;
    }

    // Non-blank characters (%s) or any characters (%c), at most width.
    bool chars(char type, std::size_t width, std::vector<double>& out)
    {
        if (type == 's')
            skipSpace();
        const std::size_t start = at_;
        while (!atEnd() && at_ - start < width &&
               (type == 'c' || !std::isspace(static_cast<unsigned char>(peek()))))
            out.push_back(static_cast<unsigned char>(text_[at_++]));
        return at_ > start;
    }

private:
    std::size_t integerEnd(std::size_t i, std::size_t limit, int base) const
    {
        const auto value = [](char c)
        {
            if (std::isdigit(static_cast<unsigned char>(c)))
                return c - '0';
            const int lower = std::tolower(static_cast<unsigned char>(c));
            return lower >= 'a' && lower <= 'f' ? lower - 'a' + 10 : 99;
        };
        while (i < limit && value(text_[i]) < base)
            ++i;
        return i;
    }

    std::size_t digits(std::size_t i, std::size_t limit) const
    {
        while (i < limit && std::isdigit(static_cast<unsigned char>(text_[i])))
            ++i;
        return i;
    }

    std::size_t floatEnd(std::size_t i, std::size_t limit) const
    {
        for (const char* word : {"infinity", "inf", "nan"})
        {
            const std::size_t n = std::strlen(word);
            if (i + n <= limit && strncasecmp(text_.data() + i, word, n) == 0)
                return i + n;
        }
        std::size_t end = digits(i, limit);
        bool any = end > i;
        if (end < limit && text_[end] == '.')
        {
            const std::size_t fraction = digits(end + 1, limit);
            any = any || fraction > end + 1;
            end = fraction;
        }
        if (!any)
            return i;
        if (end < limit && (text_[end] == 'e' || text_[end] == 'E'))
        {
            std::size_t e = end + 1;
            if (e < limit && (text_[e] == '+' || text_[e] == '-'))
                ++e;
            const std::size_t exponent = digits(e, limit);
            if (exponent > e)
                end = exponent;
        }
        return end;
    }

    std::string text_;
    std::size_t at_ = 0;
};

struct Directive
{
    char kind = 0; // ' ' white space, 'l' literal, or the conversion letter
    char literal = 0;
    bool skip = false;
    std::size_t width = std::numeric_limits<std::size_t>::max();
};

std::vector<Directive> parseScanFormat(const std::string& format)
{
    std::vector<Directive> out;
    for (std::size_t i = 0; i < format.size(); ++i)
    {
        Directive d;
        const char c = format[i];
        if (std::isspace(static_cast<unsigned char>(c)))
            d.kind = ' ';
        else if (c != '%' || i + 1 == format.size() || format[i + 1] == '%')
        {
            d.kind = 'l';
            d.literal = c;
            i += c == '%' && i + 1 < format.size() ? 1 : 0;
        }
        else
        {
            ++i;
            d.skip = format[i] == '*';
            i += d.skip ? 1 : 0;
            std::size_t width = 0;
            bool hasWidth = false;
            for (; i < format.size() && std::isdigit(static_cast<unsigned char>(format[i])); ++i)
            {
                width = std::min<std::size_t>(width * 10 + (format[i] - '0'), 1u << 30);
                hasWidth = true;
            }
            while (i < format.size() && std::strchr("lhL", format[i]))
                ++i;
            if (i == format.size() || !std::strchr("diouxfeEgGsc", format[i]))
                mclRaiseError("Invalid format.");
            d.kind = static_cast<char>(std::tolower(static_cast<unsigned char>(format[i])));
            d.width = hasWidth && width > 0 ? width : (d.kind == 'c' ? 1 : d.width);
        }
        out.push_back(d);
    }
    return out;
}

// Runs the directives over the text until the end, a mismatch or the count; false when the
// reading must stop.
bool scanOnce(Scanner& in, const std::vector<Directive>& format, std::vector<double>& values,
              std::size_t limit)
{
    for (const Directive& d : format)
    {
        if (values.size() >= limit)
            return false;
        if (d.kind == ' ')
        {
            in.skipSpace();
            continue;
        }
        if (d.kind == 'l')
        {
            if (!in.literal(d.literal))
                return false;
            continue;
        }
        std::vector<double> found;
        double v = 0.0;
        const std::size_t room = d.skip ? d.width : std::min(d.width, limit - values.size());
        const bool ok = (d.kind == 's' || d.kind == 'c') ? in.chars(d.kind, room, found)
                                                         : in.number(d.kind, d.width, v);
        if (!ok)
            return false;
        if (d.kind != 's' && d.kind != 'c')
            found.push_back(v);
        if (!d.skip)
            for (double f : found)
                if (values.size() < limit)
                    values.push_back(f);
    }
    return true;
}

std::string restOf(std::FILE* f)
{
    std::string text;
    char buffer[4096];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0)
        text.append(buffer, n);
    return text;
}

// Shape from the size argument: rows (0: one column of any length) and the count limit.
void sizeLimit(const mxArray* size, int& rows, std::size_t& limit)
{
    rows = 0;
    limit = std::numeric_limits<std::size_t>::max();
    if (!size)
        return;
    const mclValues v(size, "fscanf");
    const auto count = [](double x)
    {
        return std::isinf(x) ? std::numeric_limits<std::size_t>::max()
                             : static_cast<std::size_t>(std::max(0.0, std::floor(x)));
    };
    if (v.size() == 1)
        limit = count(v.re(0));
    else if (v.size() == 2 && !std::isinf(v.re(0)))
    {
        rows = static_cast<int>(count(v.re(0)));
        const std::size_t cols = count(v.re(1));
        limit = cols == std::numeric_limits<std::size_t>::max() ? cols : rows * cols;
    }
    else
        mclRaiseError("Size argument must be a scalar or a two-element vector.");
}

mxArray* scanResult(const std::vector<double>& values, bool text, int rows)
{
    const int n = static_cast<int>(values.size());
    if (n == 0)
        return text ? mclCreateString("") : mclCreateDoubleMatrix(0, 0, mxREAL);
    if (text)
    {
        mxArray* out = mclCreateCharMatrix(1, n);
        for (int i = 0; i < n; ++i)
            mclGetChars(out)[i] = static_cast<mxChar>(values[i]);
        return out;
    }
    const int m = rows > 0 ? rows : n;
    mxArray* out = mclCreateDoubleMatrix(m, (n + m - 1) / m, mxREAL);
    std::copy(values.begin(), values.end(), mclGetPr(out));
    return out;
}
} // namespace

std::FILE* mclFileOf(const mxArray* fid, const char* function)
{
    const auto hit = files().find(fidOf(fid, function));
    if (hit == files().end())
        mclRaiseError("%s", kInvalidFid);
    return hit->second;
}

void mclCloseAllFiles()
{
    for (auto& [fid, file] : files())
        std::fclose(file);
    files().clear();
}

void mlxFopen(int nlhs, mxArray* plhs[], int nrhs, mxArray* prhs[])
{
    mclCheckArgCount(nlhs, nrhs, 2, 3, 1);
    if (!mxIsChar(prhs[0]) || (nrhs > 1 && !mxIsChar(prhs[1])))
        mclRaiseError("File name and permission must be strings.");
    const std::string mode = cMode(nrhs > 1 ? mclText(prhs[1]) : "r");
    if (mode.empty())
        mclRaiseError("Invalid permission.");
    const std::string name = mclText(prhs[0]);
    std::string message;
    std::FILE* f = mode[0] == 'r' ? OpenForReading(name, mode, message)
                                  : std::fopen(name.c_str(), mode.c_str());
    if (!f && message.empty())
        message = std::strerror(errno);
    int fid = -1;
    if (f)
    {
        fid = 3;
        while (files().count(fid))
            ++fid;
        files()[fid] = f;
    }
    plhs[0] = mlfScalar(fid);
    if (nlhs > 1)
        plhs[1] = mclCreateString(message.c_str());
}

void mlxFclose(int nlhs, mxArray* plhs[], int nrhs, mxArray* prhs[])
{
    mclCheckArgCount(nlhs, nrhs, 1, 1, 1);
    int status = 0;
    if (mxIsChar(prhs[0]) && mclText(prhs[0]) == "all")
    {
        mclCloseAllFiles();
    }
    else
    {
        std::FILE* f = mclFileOf(prhs[0], "fclose");
        files().erase(fidOf(prhs[0], "fclose"));
        status = std::fclose(f) == 0 ? 0 : -1;
    }
    plhs[0] = mlfScalar(status);
}

mxArray* mlfFgetl(mxArray* fid)
{
    std::FILE* f = mclFileOf(fid, "fgetl");
    std::string line;
    int c = std::fgetc(f);
    if (c == EOF)
        return mlfScalar(-1.0);
    for (; c != EOF && c != '\n'; c = std::fgetc(f))
        line += static_cast<char>(c);
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return mclCreateString(line.c_str());
}

void mlxFscanf(int nlhs, mxArray* plhs[], int nrhs, mxArray* prhs[])
{
    mclCheckArgCount(nlhs, nrhs, 2, 3, 2);
    std::FILE* f = mclFileOf(prhs[0], "fscanf");
    if (!mxIsChar(prhs[1]))
        mclRaiseError("Format must be a string.");
    const std::vector<Directive> format = parseScanFormat(mclText(prhs[1]));
    int rows = 0;
    std::size_t limit = 0;
    sizeLimit(nrhs > 2 ? prhs[2] : nullptr, rows, limit);
    bool text = false, numbers = false;
    for (const Directive& d : format)
    {
        text = text || d.kind == 's' || d.kind == 'c';
        numbers = numbers || std::strchr("diouxfeg", d.kind);
    }
    const long start = std::ftell(f);
    Scanner in(restOf(f));
    std::vector<double> values;
    while (!in.atEnd())
    {
        const std::size_t before = in.position();
        if (!scanOnce(in, format, values, limit) || in.position() == before)
            break;
    }
    std::fseek(f, start < 0 ? 0 : start + static_cast<long>(in.position()), SEEK_SET);
    plhs[0] = scanResult(values, text && !numbers, rows);
    if (nlhs > 1)
        plhs[1] = mlfScalar(static_cast<double>(values.size()));
}

void mlxFprintf(int nlhs, mxArray* plhs[], int nrhs, mxArray* prhs[])
{
    mclCheckArgCount(nlhs, nrhs, 1, nrhs, 1);
    const bool toStream = !mxIsChar(prhs[0]);
    if (toStream && nrhs < 2)
        mclRaiseError("Not enough input arguments.");
    const int fid = toStream ? fidOf(prhs[0], "fprintf") : 1;
    const mxArray* format = prhs[toStream ? 1 : 0];
    if (!mxIsChar(format))
        mclRaiseError("Format must be a string.");
    std::FILE* f = fid == 1 || fid == 2 ? nullptr : mclFileOf(prhs[0], "fprintf");
    const std::vector<const mxArray*> values(prhs + (toStream ? 2 : 1), prhs + nrhs);
    const std::string text = mclFormatValues(mclText(format), values);
    if (f)
        std::fwrite(text.data(), 1, text.size(), f);
    else if (!text.empty())
        mclPrint(text.c_str());
    if (nlhs > 0)
        plhs[0] = mlfScalar(static_cast<double>(text.size()));
}
