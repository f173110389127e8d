// Reading QZX2201/QZX2202 device data back: the parameter comment lines into filters,
// the second register bank into coefficient pairs, and the grids' filters written back
// in place of the old filter block.
#pragma once

#include "device/FilterBlock.h"

#include <string>
#include <vector>

class CFilterLists;

// Appends one filter per "!#" line whose label names a kind (kinds tried in the order
// EQ, TS, BS, HPB, HPLR, LPB, LPLR, NT, C1HP, C1LP, B1HP, B1LP, LOPT, HIPT, VQLP, VQHP,
// ALPS); other lines are skipped. Only the line's first "!# " is taken off: it is the
// marker the device data writes, and a label holding "!# " itself reads back unchanged.
// A line whose filter cannot come in as the line gives it (IncomingLineProblem: a field
// that does not read whole as a number or as Yes or No, an output order that is no whole
// number of digits, a label number or an output order above kMaxFilterNumber, a filter no
// sample rate the settings accept designs, or one whose six-decimal text would read back
// as another filter) is not taken; messages (when given) gets a message naming it, and
// after them one naming the filters taken that nSampleRate cannot design
// (FiltersAboveSampleRateMessage). Returns the number of filters added.
int ParameterLinesToFilters(const std::vector<std::string>& lines, CFilterLists& lists,
                            int nSampleRate, std::vector<std::string>* messages = nullptr);

// Why ParameterLinesToFilters does not take the line ("gives a filter that cannot be taken
// as the line gives it: ..."); empty when it takes the line, or skips it (no "!#", or a
// label that names no kind).
std::string FindParameterLineRefusal(const std::string& line, int nSampleRate);

// Decodes the lines of the first registerCount registers of the second bank ("13" ...)
// into [1 A1 A2] and [B0 B1 B2]; a word that is no hexadecimal word reads 0. A line holding
// a word of more digits than a 24-bit word is not taken; refused (when given) gets a
// message naming its line. Returns the number of pairs.
int CollectCoefficientLines(const std::vector<std::string>& lines, int registerCount,
                            CMatrixPtrArray& listA, CMatrixPtrArray& listB,
                            std::vector<std::string>* refused = nullptr);

// Replaces the old filter block (the "!# " comment lines and register lines of either
// bank that follow the "!# Filter Parameters" line) by the new one, in place: the header,
// the fixed lines, the loudness lines 21/22 and every other line stay where they are.
// Without a section line, one is put at the start with the block after it. Returns the
// warnings of the new block through warnings.
bool ReplaceFilterBlockInPlace(std::vector<std::string>& lines, const CFilterBlock& block,
                               int registerCount, std::vector<std::string>& warnings);
