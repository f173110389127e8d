#include "filters/FilterKinds.h"

#include "graph/Convert.h"
#include "graph/ResourceString.h"

#include <algorithm>
#include <climits>

namespace
{
constexpr std::array<CFilterKindInfo, kFilterKindCount> kKinds{{
    {kKindEQ, 193, 32837},
    {kKindTS, 179, 32838},
    {kKindBS, 194, 32839},
    {kKindHPB, 195, 32840},
    {kKindHPLR, 196, 32841},
    {kKindLPB, 197, 32842},
    {kKindLPLR, 198, 32843},
    {kKindNT, 199, 32844},
    {kKindC1HP, 201, 32845},
    {kKindC1LP, 202, 32846},
    {kKindB1HP, 236, 32885},
    {kKindB1LP, 237, 32886},
    {kKindLOPT, 238, 32888},
    {kKindHIPT, 239, 32890},
    {kKindVQHP, 240, 32894},
    {kKindVQLP, 241, 32892},
    {kKindALPS, 285, 32923},
}};

constexpr std::array<EFilterKind, kFilterKindCount> kFileOrder{
    kKindEQ,   kKindTS,   kKindBS,   kKindHPB,  kKindHPLR, kKindLPB,
    kKindLPLR, kKindNT,   kKindC1HP, kKindC1LP, kKindB1HP, kKindB1LP,
    kKindLOPT, kKindHIPT, kKindVQLP, kKindVQHP, kKindALPS,
};

constexpr std::array<EFilterKind, 5> kGenericOrder{kKindLOPT, kKindHIPT, kKindVQLP, kKindVQHP,
                                                   kKindALPS};

int FirstMatchingKind(const std::string& text, const EFilterKind* first, const EFilterKind* last)
{
    const std::string field = GetDelimitedField(text, 0, ',');
    const auto it = std::find_if(
        first, last,
        [&](EFilterKind kind) { return field.find(FilterKindPrefix(kind)) != std::string::npos; });
    return it == last ? -1 : int(*it);
}
} // namespace

bool IsFilterKind(int kind)
{
    return kind >= 0 && kind < kFilterKindCount;
}

const CFilterKindInfo& FilterKindInfo(EFilterKind kind)
{
    return kKinds[std::size_t(kind)];
}

std::string FilterKindPrefix(EFilterKind kind)
{
    return CResourceString(FilterKindInfo(kind).prefixId);
}

bool IsGenericKind(int kind)
{
    return kind >= kKindLOPT && kind <= kKindALPS;
}

const std::array<EFilterKind, kFilterKindCount>& ParameterFileKindOrder()
{
    return kFileOrder;
}

bool LabelHasPrefix(const std::string& text, unsigned prefixId)
{
    return GetDelimitedField(text, 0, ',').find(CResourceString(prefixId)) != std::string::npos;
}

bool IsKindLabel(const std::string& text, EFilterKind kind)
{
    return LabelHasPrefix(text, FilterKindInfo(kind).prefixId);
}

int FindLabelKind(const std::string& text)
{
    return FirstMatchingKind(text, kFileOrder.data(), kFileOrder.data() + kFileOrder.size());
}

bool IsGenericLabel(const std::string& text)
{
    return FindGenericLabelKind(text) >= 0;
}

int FindGenericLabelKind(const std::string& text)
{
    return FirstMatchingKind(text, kGenericOrder.data(),
                             kGenericOrder.data() + kGenericOrder.size());
}

bool FormLabel(const std::string& prefix, int n, std::string& label)
{
    if (n < 1)
        return false;
    label = prefix + IntToString(n);
    return true;
}

int ReadLabelNumber(const std::string& label)
{
    const auto dash = label.find('-');
    if (dash == std::string::npos)
        return 0;
    const long n = StringToLong(label.substr(dash + 1));
    return int(std::clamp<long>(n, INT_MIN, INT_MAX));
}

bool IsOutputOrderText(const std::string& field)
{
    constexpr const char* kBlanks = " \t\r\n\v\f";
    const std::size_t first = field.find_first_not_of(kBlanks);
    if (first == std::string::npos)
        return true;
    const std::size_t last = field.find_last_not_of(kBlanks);
    const std::size_t digits = field[first] == '+' ? first + 1 : first;
    if (digits > last)
        return false;
    return std::all_of(field.begin() + std::ptrdiff_t(digits),
                       field.begin() + std::ptrdiff_t(last) + 1,
                       [](char c) { return c >= '0' && c <= '9'; });
}

int NextFilterNumber(int n)
{
    return n < kMaxFilterNumber ? n + 1 : n;
}
