// The seventeen filter kinds. A filter's label is its kind's prefix followed by a decimal
// number of 1 or more ("EQ-3", "HPLR-1"); wherever only a text is at hand (a line of a
// file, a grid cell) the kind is found from the prefix that the text's first
// comma-separated field contains. No prefix text is part of another.
#pragma once

#include <array>
#include <string>

// The kind index: the filter grid's type and the kind a generic filter keeps.
enum EFilterKind : int
{
    kKindEQ = 0,
    kKindTS = 1,
    kKindBS = 2,
    kKindHPB = 3,
    kKindHPLR = 4,
    kKindLPB = 5,
    kKindLPLR = 6,
    kKindNT = 7,
    kKindC1HP = 8,
    kKindC1LP = 9,
    kKindB1HP = 10,
    kKindB1LP = 11,
    kKindLOPT = 12,
    kKindHIPT = 13,
    kKindVQHP = 14,
    kKindVQLP = 15,
    kKindALPS = 16,
};

inline constexpr int kFilterKindCount = 17;

struct CFilterKindInfo
{
    EFilterKind kind;
    unsigned prefixId;  // string-table id of the label prefix
    int refreshCommand; // main-frame command that reloads the kind's editor page
};

// False for an index outside 0 to 16.
bool IsFilterKind(int kind);
// The kind's row of the table; kind must be a filter kind.
const CFilterKindInfo& FilterKindInfo(EFilterKind kind);
std::string FilterKindPrefix(EFilterKind kind);
// The kinds of 12 to 16, handled by one filter class.
bool IsGenericKind(int kind);

// The order in which the filter parameter file writes the kinds and tests a line against
// them: the index order except that "VQLP-" comes before "VQHP-".
const std::array<EFilterKind, kFilterKindCount>& ParameterFileKindOrder();

// Field 0 of the text (before the first comma, not trimmed; the whole text without a
// comma) contains the text of the string-table id anywhere, case-sensitively.
bool LabelHasPrefix(const std::string& text, unsigned prefixId);
bool IsKindLabel(const std::string& text, EFilterKind kind);
// The first kind, in the parameter file's order, whose prefix field 0 contains; -1 when
// none does.
int FindLabelKind(const std::string& text);

inline bool IsEQLabel(const std::string& text)
{
    return IsKindLabel(text, kKindEQ);
}
inline bool IsTSLabel(const std::string& text)
{
    return IsKindLabel(text, kKindTS);
}
inline bool IsBSLabel(const std::string& text)
{
    return IsKindLabel(text, kKindBS);
}
inline bool IsHPBLabel(const std::string& text)
{
    return IsKindLabel(text, kKindHPB);
}
inline bool IsHPLRLabel(const std::string& text)
{
    return IsKindLabel(text, kKindHPLR);
}
inline bool IsLPBLabel(const std::string& text)
{
    return IsKindLabel(text, kKindLPB);
}
inline bool IsLPLRLabel(const std::string& text)
{
    return IsKindLabel(text, kKindLPLR);
}
inline bool IsNTLabel(const std::string& text)
{
    return IsKindLabel(text, kKindNT);
}
inline bool IsC1HPLabel(const std::string& text)
{
    return IsKindLabel(text, kKindC1HP);
}
inline bool IsC1LPLabel(const std::string& text)
{
    return IsKindLabel(text, kKindC1LP);
}
inline bool IsB1HPLabel(const std::string& text)
{
    return IsKindLabel(text, kKindB1HP);
}
inline bool IsB1LPLabel(const std::string& text)
{
    return IsKindLabel(text, kKindB1LP);
}
inline bool IsLOPTLabel(const std::string& text)
{
    return IsKindLabel(text, kKindLOPT);
}
inline bool IsHIPTLabel(const std::string& text)
{
    return IsKindLabel(text, kKindHIPT);
}
inline bool IsVQLPLabel(const std::string& text)
{
    return IsKindLabel(text, kKindVQLP);
}
inline bool IsVQHPLabel(const std::string& text)
{
    return IsKindLabel(text, kKindVQHP);
}
inline bool IsALPSLabel(const std::string& text)
{
    return IsKindLabel(text, kKindALPS);
}
// Any of the five prefixes of kinds 12 to 16.
bool IsGenericLabel(const std::string& text);
// The generic kind of the label, testing LOPT, HIPT, VQLP, VQHP, ALPS in this order; -1
// when the label carries none of them.
int FindGenericLabelKind(const std::string& text);

// Label := prefix followed by n ("%d"). False, with the label unchanged, for n below 1.
bool FormLabel(const std::string& prefix, int n, std::string& label);
// The number after the first "-" of the label, read with "%ld" (saturated to the int
// range); 0 when there is no "-" or no number follows it.
int ReadLabelNumber(const std::string& label);

// The output order field of a filter line (as split at its commas) is one: a whole number
// in decimal digits, a '+' in front and blanks (line breaks included) around it allowed,
// or no text but blanks, a filter without an order. A sign '-', a decimal point, an
// exponent, a hexadecimal "0x" or any other character makes it none: read as "%ld" it
// would give a number the line does not hold ("1e20" reads 1). Its size is not judged
// here (kMaxFilterNumber is).
bool IsOutputOrderText(const std::string& field);

// The largest label number and output order a filter may have. A parameter file line, a
// device data line or a grid cell that gives a filter a larger one is refused, and the
// counters that number new filters stop here: whatever the program writes, it reads
// back, and no counter can overflow.
inline constexpr int kMaxFilterNumber = 1000000000;
// The number a counter at n gives next: n + 1, or n itself from kMaxFilterNumber on.
int NextFilterNumber(int n);
