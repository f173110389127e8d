// The filter parameter file (".par"): every filter of the seventeen lists as its own text
// line, lists in the parameter file's order of kinds (FilterKinds.h), each in list order,
// active or not. No header, count or trailer; line breaks are "\r\n" ("\n" alone is read
// too). Reading tests each line against the kinds in the same order: the first kind whose
// prefix the line's first field contains takes the line, and its filter parses it; a line
// that no prefix matches (blank, comment, foreign) is skipped. A file with lines but no
// filter line among them is of another kind and is not opened.
#pragma once

#include <cstddef>
#include <iosfwd>
#include <string>

class CFilterLists;

class CFilterParameterFile
{
public:
    CFilterParameterFile();

    // Names every filter whose label lacks its kind's prefix (it would not come back),
    // then writes all lines. Always true.
    static bool WriteFilters(CFilterLists& lists, std::ostream& file);
    // Empties all lists, then reads every line to the end of the stream. Always true.
    static bool ReadFilters(CFilterLists& lists, std::istream& file, int nSampleRate);

    // The whole file is built first and replaces the old one in one step: a failed save
    // leaves an existing file as it was. False with a message in error, also when a
    // filter's parameter is no finite number or OpenFile would refuse a filter
    // (IncomingFilterProblem): its file would not open again.
    bool SaveFile(const std::string& path, CFilterLists& lists, std::string& error);
    // False with a message in error, and the lists untouched, when the file cannot be
    // read or exceeds kMaxFileBytes (GetErrorLine 0), when it is no parameter file: it
    // has lines that are not blank, yet none of them is a filter (GetErrorLine names the
    // first of them), and when a filter line cannot come in as the line gives it
    // (IncomingLineProblem: a field that does not read whole as a number or as Yes or No,
    // an output order that is no whole number of digits, a label number or an output
    // order above kMaxFilterNumber, a filter that no sample rate the settings accept
    // designs, or one whose parameters written again with six decimals would be another
    // filter) (FindRefusedLine; GetErrorLine names the line). An empty file is an empty
    // filter set. Whether a file opens does not hang on nSampleRate: filters that it
    // cannot design are taken as written and named in GetNotice.
    bool OpenFile(const std::string& path, CFilterLists& lists, int nSampleRate,
                  std::string& error);
    // After OpenFile took the file: the one message naming the filters that its sample
    // rate cannot design (FiltersAboveSampleRateMessage); empty for none.
    const std::string& GetNotice() const { return m_strNotice; }
    // The 1-based line of the file that OpenFile refused the file at; 0 for none.
    int GetErrorLine() const { return m_nErrorLine; }

    // 0 when the text holds a filter line or nothing but blank lines; otherwise the
    // 1-based number of its first line that is not blank.
    static int FindForeignText(const std::string& text);
    // The 1-based number of the first filter line of the text whose filter cannot go into
    // the grids as the line gives it (IncomingLineProblem); 0 when there is none. At a
    // line, pReason (when given) receives the message that refuses the file.
    static int FindRefusedLine(const std::string& text, int nSampleRate,
                               std::string* pReason = nullptr);

    // Field 0 of the line contains the text of the prefix string anywhere.
    static bool LineHasPrefix(std::string line, unsigned prefixId);

    const std::string& GetDefaultExtension() const { return m_strDefaultExt; }
    const std::string& GetFilter() const { return m_strFilter; }
    const std::string& GetDefaultFileName() const { return m_strDefaultFileName; }

    static constexpr std::size_t kMaxFileBytes = std::size_t(64) << 20;

private:
    std::string m_strDefaultExt;      // ".par"
    std::string m_strFilter;          // "Parameter Files (*.par) |*.par||"
    std::string m_strDefaultFileName; // "*.par"
    int m_nErrorLine = 0;
    std::string m_strNotice;
};
