// The master point file (".mpt"): named sections of master points, each a header line
// ("Desired Response", "Upper Tolerance" or "Lower Tolerance") followed by one line per
// point, frequency in Hz and amplitude in dB written "%lf, %lf". Written with CR LF,
// read with CR LF or LF.
//
// Sections are found in any order and in any letter case (the whole line must match);
// the first of two equal sections counts. Blank lines are skipped. A line whose first
// field is a number (IsNumberLine: "nan", "inf" and "1e400" too) is a point line, read as
// written: its first two numbers, a frequency and an amplitude inside PointBounds, any
// further numbers ignored (ReadPointLine, which tells a decimal comma by the line's own
// separators). Any other line that is no section name holds no point: it gives no row, and
// GetSkippedLinesNote names it. The file is refused, at its line, for a point line that
// does not read so (a decimal comma, a field that is no number, a value out of bounds,
// fewer than two numbers) or that comes before any section name, and when no line names
// a section. Rows of both values exactly 0.0 (the new-entry row among them) are not
// written; a row the reader would refuse leaves the whole file unwritten.
//
// One object serves one file: OpenForRead, ReadSection..., Close; or OpenForWrite,
// WriteSection..., Close (which puts the file in place).
#pragma once

#include "document/TextFile.h"
#include "graph/FileDialog.h"

#include <string>
#include <string_view>
#include <vector>

class CMasterPtGridRows;

class CMasterPtFile
{
public:
    enum ESection
    {
        kDesiredResponse = 1,
        kUpperTolerance = 2,
        kLowerTolerance = 3,
    };

    CMasterPtFile();
    virtual ~CMasterPtFile() = default;
    CMasterPtFile(const CMasterPtFile&) = delete;
    CMasterPtFile& operator=(const CMasterPtFile&) = delete;

    // An empty path asks for the file (open dialog, initial name "*.mpt") and receives
    // the chosen full path. FALSE on cancel or when the file cannot be read (GetError),
    // and when it is refused as above (GetError, and GetErrorLine the line; a file without
    // a section name fails at its first line that is not blank, an empty one at line 1).
    bool OpenForRead(std::string& path);
    // Reads from file contents already in memory; name stands for the file. FALSE as
    // OpenForRead for a text that is no master point file.
    bool OpenText(const std::string& text, const std::string& name);
    // With bAsk the save dialog asks, starting from the path as initial name.
    bool OpenForWrite(std::string& path, bool bAsk);

    // Fills the grid with the section's points, then marks the row after them for new
    // entries and notifies the grid's page. A missing section leaves the grid with only
    // the new-entry row.
    bool ReadSection(int nSection, CMasterPtGridRows* pGrid);
    // FALSE, with GetError naming the row, at a row whose point the reader would refuse;
    // Close then writes nothing.
    bool WriteSection(int nSection, const CMasterPtGridRows* pGrid);
    // FALSE when a save was refused or cannot be put in place (GetError); the previous
    // file stays.
    bool Close();

    // True when the line is none of the three section names (any letter case).
    bool IsPointLine(std::string_view line) const;

    // After an open: a message naming the lines that hold no point; empty for none.
    std::string GetSkippedLinesNote() const;

    const std::string& GetError() const { return m_strError; }
    // The 1-based line a refused file failed at; 0 when the file itself could not be read.
    int GetErrorLine() const { return m_nErrorLine; }
    const std::string& GetText() const { return m_Writer.Text(); }

private:
    std::string SectionName(int nSection) const;
    // Takes the lines when they are a master point file as above.
    bool TakeLines(CTextLines lines, const std::string& path);
    bool Refuse(int nLine, const std::string& text);

    CFileDialogTexts m_DialogTexts;
    std::string m_strOpenFileName;
    std::string m_strSectionNames[3];

    enum class EState
    {
        Closed,
        Reading,
        Writing,
    };
    EState m_State = EState::Closed;
    std::string m_strPath;
    std::string m_strError;
    int m_nErrorLine = 0;
    CTextLines m_Lines;
    std::vector<int> m_SkippedLines;
    CTextFileWriter m_Writer;
    bool m_bWriteRefused = false;
};
