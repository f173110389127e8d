#include "runtime/printarray.h"

#include "runtime/handlers.h"
#include "runtime/libsupport.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace
{
constexpr int kLineWidth = 75;
// Digits beyond what a double holds only add zeros; the bound keeps element texts finite.
constexpr int kMaxPrecision = 1000;

std::string blanks(int n)
{
    return std::string(static_cast<std::size_t>(std::max(n, 0)), ' ');
}

std::string quoted(const std::string& text)
{
    std::string out = "'";
    for (char c : text)
        out += c == '\'' ? std::string("''") : std::string(1, c);
    return out + "'";
}

std::string rowText(const mxArray* a, int row)
{
    const int m = mxGetM(a), n = mxGetN(a);
    std::string s;
    for (int j = 0; j < n; ++j)
    {
        const mxChar c = mclGetChars(a)[j * m + row];
        s += c < 256 ? static_cast<char>(c) : '?';
    }
    return s;
}

std::string charPage(const mxArray* a)
{
    if (mxGetM(a) == 1)
        return quoted(rowText(a, 0));
    std::string out = "  [\n";
    for (int i = 0; i < mxGetM(a); ++i)
        out += "    " + quoted(rowText(a, i)) + " ;\n";
    return out + "  ]\n";
}

// Layout of one numeric page, fixed when the page starts.
class NumericPage
{
public:
    NumericPage(const mxArray* a, int p) : a_(a), p_(p)
    {
        const int n = mxGetNumberOfElements(a);
        complex_ = mxIsComplex(a);
        allIntegers_ = true;
        double largest = NAN;
        for (int i = 0; i < n; ++i)
        {
            const double re = mclGetPr(a)[i], im = complex_ ? mclGetPi(a)[i] : 0.0;
            allIntegers_ = allIntegers_ && std::isfinite(re) && re == std::trunc(re) && im == 0;
            for (double v : {std::abs(re), std::abs(im)})
                if (!std::isnan(v) && !(v <= largest))
                    largest = v;
        }
        columnWidth_ = complex_ ? 2 * p + 7 : (allIntegers_ ? p + 3 : p + 4);
        scale_ = scaleFor(largest);
    }

    std::string text() const
    {
        std::string out;
        if (scale_ != 1.0)
            out += mclFormat("%*s%.1e *\n\n", 2, "", scale_);
        out += "  [\n";
        int indent = 4;
        const int m = mxGetM(a_), n = mxGetN(a_);
        for (int i = 0; i < m; ++i)
        {
            int column = 0;
            bool wrapped = false;
            out += blanks(indent - 3);
            for (int j = 0; j < n; ++j)
            {
                const std::string item = separated(element(j * m + i));
                if (column + static_cast<int>(item.size()) > kLineWidth)
                {
                    if (!wrapped)
                        indent += columnWidth_;
                    wrapped = true;
                    column = indent - 3 + (allIntegers_ && scale_ != 1.0 ? 1 : 0);
                    out += "\n" + blanks(column);
                }
                out += item;
                column += static_cast<int>(item.size());
            }
            if (wrapped)
                indent -= columnWidth_;
            if (i + 1 < m)
                out += " ;";
            if (wrapped)
                out += "\n";
            out += "\n";
        }
        return out + mclFormat("%*s]\n", 2, "") + "\n";
    }

private:
    double scaleFor(double m) const
    {
        if (std::isnan(m) || !std::isfinite(m) || m == 0.0)
            return 1.0;
        const double lg = std::log10(m);
        if (allIntegers_)
            return lg > p_ ? std::pow(10.0, std::trunc(lg)) : 1.0;
        if (m == 1.0)
            return 1.0;
        return lg < 0 ? std::pow(10.0, std::floor(lg) + 1)
                      : std::pow(10.0, std::abs(std::ceil(lg)) - 1);
    }

    // Rounds a finite value to p - 1 decimals; a negative value that becomes 0 is noted.
    double rounded(double v, bool& negativeZero) const
    {
        negativeZero = false;
        if (!std::isfinite(v))
            return v;
        const double unit = std::pow(10.0, p_ - 1);
        const double r = std::round(v * unit) / unit;
        negativeZero = r == 0.0 && v < 0.0;
        return r == 0.0 ? 0.0 : r;
    }

    std::string element(int k) const
    {
        bool realNote = false, imagNote = false;
        const double r = rounded(mclGetPr(a_)[k] / scale_, realNote);
        const double q = complex_ ? rounded(mclGetPi(a_)[k] / scale_, imagNote) : 0.0;
        const char* sign = realNote ? "-" : "";
        std::string s;
        if (std::isnan(r) || std::isinf(r))
            s = mclFormat("%*s", -(p_ + 1), std::isnan(r) ? "NaN" : "Inf");
        else if (allIntegers_ && scale_ == 1.0)
            s = mclFormat("%s%*g", sign, p_, r);
        else
            s = mclFormat("%s%*.*f", sign, -p_, p_ - 1, r);
        if (!complex_)
            return s;
        if (q == 0.0 || std::isnan(q))
            return s + blanks(p_ + 3);
        std::string im = mclFormat("%+*.*fi", -p_, p_ - 1, q);
        if (imagNote)
            im[0] = '-';
        return s + im;
    }

    // The element behind its separator: 3 blanks, fewer for a text that runs from a minus
    // sign past the usual width, so that columns keep their right edges. At least one blank
    // stays, however wide the text is.
    std::string separated(const std::string& text) const
    {
        const auto minus = text.find('-');
        int gap = 3;
        if (minus != std::string::npos && text.find('i') == std::string::npos)
        {
            const int length = static_cast<int>(text.size() - minus);
            const int usual =
                (allIntegers_ && scale_ == 1.0 ? p_ + 1 : p_ + 2) + (complex_ ? p_ + 3 : 0);
            if (length > p_)
                gap = std::clamp(2 - (length - usual), 1, 3);
        }
        return blanks(gap) + text;
    }

    const mxArray* a_;
    int p_;
    bool complex_ = false;
    bool allIntegers_ = false;
    int columnWidth_ = 0;
    double scale_ = 1.0;
};

// A copy of page k (0-based) of an N-d array as a two-dimensional array.
mxArray* pageOf(const mxArray* a, int k)
{
    const int m = mxGetM(a), n = mxGetDimensions(a)[1];
    const int dims[2] = {m, n};
    mxArray* page =
        mclCreateNumericArray(2, dims, mxGetClassID(a), mxIsComplex(a) ? mxCOMPLEX : mxREAL);
    const int base = k * m * n;
    for (int i = 0; i < m * n; ++i)
    {
        if (mxIsChar(a))
            mclGetChars(page)[i] = mclGetChars(a)[base + i];
        else if (mxIsCell(a))
            mclSetCell(page, i, mclDuplicateArray(mclGetCell(a, base + i)));
        else
            mclGetPr(page)[i] = mclGetPr(a)[base + i];
        if (mxIsComplex(a))
            mclGetPi(page)[i] = mclGetPi(a)[base + i];
    }
    return page;
}

std::string pages(const mxArray* a, int p)
{
    const int nd = mxGetNumberOfDimensions(a);
    const int* dims = mxGetDimensions(a);
    std::vector<int> index(static_cast<std::size_t>(nd - 2), 1);
    const int count = mxGetNumberOfElements(a) / std::max(1, dims[0] * dims[1]);
    std::string out = "[\n";
    for (int k = 0; k < count; ++k)
    {
        out += "(:,:";
        for (int i : index)
            out += "," + std::to_string(i);
        out += ") = ";
        mxArray* page = pageOf(a, k);
        const bool textRow = mxIsChar(page) && mxGetM(page) == 1;
        std::string body;
        try
        {
            body = mclFormatPage(page, p);
        }
        catch (...)
        {
            mxDestroyArray(page);
            throw;
        }
        mxDestroyArray(page);
        out += textRow ? body + "\n" : "\n" + body;
        for (std::size_t d = 0; d < index.size(); ++d)
        {
            if (index[d] < dims[d + 2])
            {
                ++index[d];
                break;
            }
            index[d] = 1;
        }
    }
    return out + "]\n";
}

std::string cellSummary(const mxArray* e, int p)
{
    if (!e || mxIsEmpty(e))
        return mxIsCell(e) ? "{}" : "[]";
    const std::vector<int> dims = mcl::dimsOf(e);
    if (mxIsChar(e) && mxGetM(e) == 1)
        return quoted(mclText(e));
    if (mxIsDouble(e) && mxGetNumberOfElements(e) == 1)
    {
        const double re = mclGetPr(e)[0];
        if (!mxIsComplex(e))
            return "[" + mclFormat("%.*g", p, re) + "]";
        return "[" + mclFormat("%.*g%+.*gi", p, re, p, mclGetPi(e)[0]) + "]";
    }
    std::string size;
    for (int d : dims)
        size += (size.empty() ? "" : "x") + std::to_string(d);
    if (mxIsCell(e))
        return "{" + size + " cell}";
    return "[" + size + (mxIsChar(e) ? " char]" : " double]");
}

std::string cellPage(const mxArray* a, int p)
{
    const int m = mxGetM(a), n = mxGetN(a);
    std::string out;
    for (int i = 0; i < m; ++i)
    {
        for (int j = 0; j < n; ++j)
            out += "    " + cellSummary(mclGetCell(a, j * m + i), p);
        out += "\n";
    }
    return out + "\n";
}
} // namespace

std::string mclFormatPage(const mxArray* page, int precision)
{
    const int p = std::clamp(precision, 1, kMaxPrecision);
    if (mxIsEmpty(page))
        return mxIsChar(page) ? "''" : (mxIsCell(page) ? "{}" : "[]");
    if (mxIsChar(page))
        return charPage(page);
    if (mxIsCell(page))
        return cellPage(page, p);
    if (!mxIsDouble(page))
        return std::string();
    return NumericPage(page, p).text();
}

std::string mclFormatArray(const mxArray* a, int precision)
{
    if (!a || mxGetClassID(a) == mxUNINITIALIZED_CLASS)
        return std::string();
    if (mxGetNumberOfDimensions(a) > 2 && !mxIsEmpty(a))
        return pages(a, std::clamp(precision, 1, kMaxPrecision));
    return mclFormatPage(a, precision);
}

void mclPrintArray(const mxArray* a, const char* name)
{
    mclErrorIfUnassigned(a);
    if (!a || mxGetClassID(a) == mxUNINITIALIZED_CLASS)
        return;
    std::string text = name && *name ? std::string(name) + " =\n\n" : std::string();
    text += mclFormatArray(a, 6);
    if (mxIsEmpty(a) || (mxIsChar(a) && mxGetM(a) == 1))
        text += "\n\n";
    mclPrint(text.c_str());
}

void mlxDisp(int nlhs, mxArray*[], int nrhs, mxArray* prhs[])
{
    mclCheckArgCount(nlhs, nrhs, 0, 1, 1);
    const mxArray* x = prhs[0];
    mclErrorIfUnassigned(x);
    if (mxIsEmpty(x))
        return;
    std::string text;
    if (mxIsChar(x) && mxGetNumberOfDimensions(x) == 2)
    {
        for (int i = 0; i < mxGetM(x); ++i)
            text += rowText(x, i) + "\n";
    }
    else
    {
        text = mclFormatArray(x, 6);
    }
    mclPrint(text.c_str());
}
