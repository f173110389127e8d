// The C header of biquad coefficients for the generic DSP target: a comment block listing
// the filters, a gain definition, one definition of five decimal fixed-point words per
// section (at most eight) and a definition that lists the sections. A user label replaces
// "GENERIC" in every name.
#pragma once

#include "device/OutputOrderArray.h"
#include "filters/MatrixPtrArray.h"
#include "graph/Mode.h"

#include <string>
#include <vector>

class CFilterLists;

// Word: value * 2^28 truncated toward zero, "%.6d" (0 is "0"). The range is [-8, 8); a
// value outside it is saturated and saturated set.
std::string CoefficientToDecimalWord(double value, bool* saturated = nullptr);

// The filters of one header, in output order.
struct CDspHeaderData
{
    std::vector<std::string> comments; // filter text line + "\r\n"
    std::vector<std::string> words;    // "B2 B1 B0 -A2 -A1"
    std::vector<std::string> warnings; // left-out filters, saturated words
    // Active filters that cannot be designed ("label: why"): while there are any,
    // the data holds no filter and no header is to be made from it.
    std::vector<std::string> nonFinite;
    int count = 0;
    // Every active filter's [1 a1 a2] and [b0 b1 b2], those left out included (the gain).
    CMatrixPtrArray listA, listB;
};

// The five words of entry k of the collection lists; names of saturated words ("B2", ...,
// "-A1") are added to saturated.
std::string FormatHeaderWords(int k, const CMatrixPtrArray& listA, const CMatrixPtrArray& listB,
                              std::vector<std::string>* saturated);
// The active filters in output order, at most maxSections; the others are named in
// the warnings. False, with no filter and nonFinite naming them, when active filters
// cannot be designed (CollectActiveFilters).
bool CollectHeaderData(CFilterLists& lists, int maxSections, CDspHeaderData& data);

class GenericDspHeader
{
public:
    GenericDspHeader();
    virtual ~GenericDspHeader() = default;

    bool LoadTemplate();
    int GetMaxSections() const { return m_nMaxSections; }
    // Builds the header from the collected filters and the gain (template, comments,
    // gain, sections, trimming, label) and turns the generated mode on.
    bool Generate(const CDspHeaderData& data, double gain);
    bool SubstituteSections(std::vector<std::string>& lines, const std::vector<std::string>& words,
                            int count);
    // Removes the definitions of sections count ... 7 and their names from the list; with
    // no section at all the list is left empty, so that the header still compiles.
    bool TrimSections(std::vector<std::string>& lines, int count);

    std::vector<std::string> m_HeaderLines;
    CMode m_GeneratedMode;
    std::string m_strUserLabel = "GENERIC";
    double m_dHeaderGain = 0.0;

private:
    int m_nMaxSections = 8;
};

// The header gain: 10^(-M/20), M the peak in dB over the frequencies (Hz) of the
// composite response of the sections (a flat response with every section applied). Works
// on its own scratch response; the measured response is not touched. With no section or
// no frequency the gain is 1.
double HeaderGain(const CMatrixPtrArray& listA, const CMatrixPtrArray& listB,
                  const std::vector<double>& frequencies, int nSampleRate);
