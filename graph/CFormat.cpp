#include "graph/CFormat.h"

#include "runtime/libsupport.h"

#include <cctype>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <locale.h>

namespace
{
locale_t CLocale()
{
    static const locale_t c = newlocale(LC_ALL_MASK, "C", locale_t(0));
    return c;
}
} // namespace

std::string FormatC(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    std::string out = mclFormatV(format, args);
    va_end(args);
    return out;
}

bool IsSingleDoubleFormat(const char* format)
{
    if (!format)
        return false;
    int conversions = 0;
    for (const char* p = format; *p; ++p)
    {
        if (*p != '%')
            continue;
        ++p;
        if (*p == '%')
            continue;
        while (*p && std::strchr("-+ #0", *p))
            ++p;
        while (std::isdigit(static_cast<unsigned char>(*p)))
            ++p;
        if (*p == '.')
        {
            ++p;
            while (std::isdigit(static_cast<unsigned char>(*p)))
                ++p;
        }
        if (*p == 'l')
            ++p;
        if (!*p || !std::strchr("fFeEgGaA", *p))
            return false;
        ++conversions;
    }
    return conversions == 1;
}

double ScanDouble(const std::string& text, bool* ok)
{
    const char* begin = text.c_str();
    char* end = nullptr;
    const double v = strtod_l(begin, &end, CLocale());
    if (ok)
        *ok = end != begin;
    return end != begin ? v : 0.0;
}

long ScanLong(const std::string& text, int base, bool* ok)
{
    const char* begin = text.c_str();
    char* end = nullptr;
    const long v = strtol_l(begin, &end, base, CLocale());
    if (ok)
        *ok = end != begin;
    return end != begin ? v : 0;
}

unsigned long ScanUnsignedLong(const std::string& text, int base, bool* ok)
{
    const char* begin = text.c_str();
    char* end = nullptr;
    const unsigned long v = strtoul_l(begin, &end, base, CLocale());
    if (ok)
        *ok = end != begin;
    return end != begin ? v : 0;
}
