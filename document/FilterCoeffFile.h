// The filter coefficient file (".flt"): the transfer-function title line, the b heading,
// one row of numerator coefficients per filter, the a heading and one row of denominator
// coefficients per filter, 2n + 3 lines for n filters. Each coefficient is written
// "  %18.15lf " (a biquad row is 63 characters), lines end in CR LF; reading accepts
// CR LF or LF.
//
// Reading checks the whole layout first (Validate) and reports the first problem in the
// File Read Error dialog with its line; only a valid file is then read row by row. A
// coefficient that does not read whole as one finite number ("1.0.5", "1e400") is such a
// problem, named with its row; so is, at its A row, a filter whose a0 is 0 or is written
// as 0 (1e-16), and one whose coefficients are finite but whose response is not
// (HasFiniteResponse: "1 0 0 / 1e-320 0 0"), or whose coefficients as a save writes them
// give none.
//
// Writing: OpenForWrite, Write, Close (which puts the file in place). Reading:
// OpenForRead, Validate, then GetRowCount, SkipToNumeratorRows, n x ReadCoefficientRow,
// SkipToDenominatorRows, n x ReadCoefficientRow, Close.
#pragma once

#include "document/TextFile.h"
#include "graph/FileDialog.h"

#include <string>
#include <vector>

class CMatrixPtrArray;
class IFileReadErrorReport;

class FilterCoeffFile
{
public:
    explicit FilterCoeffFile(IFileReadErrorReport* pErrorReport);
    FilterCoeffFile(const FilterCoeffFile&) = delete;
    FilterCoeffFile& operator=(const FilterCoeffFile&) = delete;

    // An empty path asks for one (save dialog, opening with the name given) and receives
    // the chosen full path.
    bool OpenForWrite(std::string& path, const std::string& initialName = {});
    // Every row of every matrix, numerators first; TRUE.
    bool Write(const CMatrixPtrArray& denominators, const CMatrixPtrArray& numerators);

    // An empty path asks for the file (open dialog). Counts the lines.
    bool OpenForRead(std::string& path);
    // Reads from file contents already in memory; name stands for the file in reports.
    bool OpenText(const std::string& text, const std::string& name);
    // FALSE when nothing is open, or after reporting the first problem (the file is
    // then closed); TRUE, with the row count set and the file at its start, when good.
    bool Validate();
    int GetRowCount() const { return m_nRowCount; }
    int GetLineCount() const { return m_nLineCount; }
    // Pass the title and b heading (the a heading); FALSE at the end of the file.
    bool SkipToNumeratorRows();
    bool SkipToDenominatorRows();
    // Appends the next row as a 1-by-k matrix of its k numbers; FALSE at the end.
    bool ReadCoefficientRow(CMatrixPtrArray& list);

    // Ends a read, or puts a save in place. FALSE when the save fails (GetError); the
    // previous file then stays.
    bool Close();

    const std::string& GetError() const { return m_strError; }
    const std::string& GetText() const { return m_Writer.Text(); }

private:
    void TakeLines(CTextLines lines);
    bool Report(int nLine, unsigned nMessage);
    bool Report(int nLine, const std::string& error);
    bool NextLine(std::string& line);
    // Reads the next line, file line nLine, as a coefficient row of the coefficients named
    // name ('a' or 'b') into values: only number characters and blanks, and every number
    // read whole as one finite number (ParseWholeDouble). False after reporting a row that
    // is not.
    bool ReadRow(int nLine, char name, std::vector<double>& values);

    CFileDialogTexts m_SaveTexts;
    CFileDialogTexts m_OpenTexts;
    std::string m_strTitle;
    std::string m_strBHeading;
    std::string m_strAHeading;
    std::string m_strFileName;
    IFileReadErrorReport* m_pErrorReport;

    int m_nRowCount = 0;
    int m_nLineCount = 0;
    int m_nOpened = 0;
    bool m_bWriting = false;
    CTextLines m_Lines;
    CTextLines::CIterator m_NextLine;
    std::string m_strError;
    CTextFileWriter m_Writer;
};
