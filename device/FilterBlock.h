// The device's view of the speaker's filters: every active filter of the seventeen lists
// with its coefficients and its parameter text, in the user's output order, and the
// coefficient line of 24-bit words that the QZX2201/QZX2202 registers take.
#pragma once

#include "device/OutputOrderArray.h"
#include "filters/MatrixPtrArray.h"

#include <string>
#include <vector>

class CFilterLists;

// What the user keeps when filters that cannot be designed refuse the device data
// (UndesignableFiltersMessage).
inline constexpr const char* kDeviceDataKept = "The device data was left as it was";

// Collects every active filter (lists in the order BS, C1HP, C1LP, EQ, HPB, HPLR, LPB,
// LPLR, NT, TS, B1HP, B1LP, LOPT, HIPT, VQLP, VQHP, ALPS; filters first to last): its
// freshly designed A and B, its parameter text "!# " + line (line feeds removed) + "\r\n"
// and an output-order record; then sorts the records. A matrix-layer error during the
// walk is shown to the user and leaves count 0. False, with count 0 and "label: why" for
// each in nonFinite (when given), when active filters cannot be designed (the one check,
// FilterDesignFault: sections that are no numbers, poles on or outside the unit circle, a
// response that is no finite number): no writer takes such a set, whose words would be no
// number, a limit the filter never had or an unstable section.
bool CollectActiveFilters(CFilterLists& lists, CMatrixPtrArray& listA, CMatrixPtrArray& listB,
                          std::vector<std::string>& texts, COutputOrderArray& orders, int& count,
                          std::vector<std::string>* nonFinite = nullptr);

// Appends entry k's words B0 B1 B2 A1 A2 (single blanks, "\r\n" at the end). A
// coefficient outside the word's range is saturated and its name ("B0" ... "A2") added
// to saturated, so that the caller can warn the user.
bool FormatCoefficientLine(std::string& dest, int k, const CMatrixPtrArray& listA,
                           const CMatrixPtrArray& listB, std::vector<std::string>* saturated);

// The filter block's parameter texts and coefficient lines in output order. A filter
// with a coefficient that had to be saturated is named in warnings; warningEntries holds
// the entry (position in output order) each warning is about. nonFinite names the active
// filters that cannot be designed, with why; while it names any, the block
// holds no filter and is not to be written (CollectFilterBlock is then false).
struct CFilterBlock
{
    std::vector<std::string> texts;
    std::vector<std::string> coefficientLines;
    std::vector<std::string> warnings;
    std::vector<int> warningEntries;
    std::vector<std::string> nonFinite;
    int count = 0;
};
bool CollectFilterBlock(CFilterLists& lists, CFilterBlock& block);
