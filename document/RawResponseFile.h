// The raw response file (".raw", ".txt"): a title line, a column header line, then one
// row per measured point: frequency in Hz, magnitude in dB and, optionally, phase in
// degrees, separated by commas, blanks or tabs. Written as
//   "Loudspeaker Raw Response Data for the Morvane Program"   (in double quotes)
//          "Hz" "Mag (dB)"      "deg"
//     100.0000,  -3.50000,  45.00000
// with CR LF line ends; read with CR LF or LF.
//
// The first row decides the columns for the whole file: exactly three number tokens
// separated by blanks or tabs (commas not counted as separators here), or three numbers
// separated by commas alone, mean a phase column; anything else two columns. Numbers of a
// row beyond its columns (a coherence column, say) are not read. Each row's separators
// tell a decimal comma (ReadNumberRow): where blanks or tabs separate its numbers, a comma
// between two digits is a decimal mark, which refuses the row; where commas alone do,
// every comma separates. Blank lines are skipped. A file that cannot be a
// measured response is rejected with the line and the reason, and the phase-column mode
// is left as it was: no row (the line named is the first row's), a single row (the line
// after it), a row that lacks one of its numbers or holds anything that is not a finite
// number ("nan", "inf", "1e400", a word), a decimal comma, a frequency at or below 0 Hz,
// outside PointBounds (0.001 Hz to 10 MHz) or not above the row before it, a magnitude
// outside -1000 dB to 1000 dB. A first row at 0 Hz is judged as opening the response
// repairs it (the square root of the second frequency); one below 0 Hz is refused.
//
// Frequencies are written with four decimals, or with as many more as it takes to keep a
// point apart from the points beside it, so that a saved response opens again with the
// same points in the same order.
//
// One object serves one file: OpenForRead, Parse, Close; or OpenForWrite, Write, Close.
#pragma once

#include "document/TextFile.h"
#include "graph/FileDialog.h"
#include "matrix/dblmtrx.h"

#include <string>
#include <vector>

class CMode;

class CRawResponseFile
{
public:
    // The mode, on while the file last read had a phase column, is the application's.
    explicit CRawResponseFile(CMode* pPhaseColumnMode);
    virtual ~CRawResponseFile() = default;
    CRawResponseFile(const CRawResponseFile&) = delete;
    CRawResponseFile& operator=(const CRawResponseFile&) = delete;

    // An empty path asks for the file (open dialog) and receives the chosen full path.
    // Reads and checks every row; FALSE when the user cancels, the file cannot be read
    // or its rows are bad (GetError, GetErrorLine say why; empty for a cancel).
    bool OpenForRead(std::string& path);
    // The same for file contents already in memory; name stands for the file.
    bool OpenText(const std::string& text, const std::string& name);
    // Assigns the n-by-1 columns read: frequencies and magnitudes, and the phases only
    // when the file has a phase column (otherwise phases is left alone).
    bool Parse(mwMatrix* pFrequencies, mwMatrix* pMagnitudes, mwMatrix* pPhases);
    bool HasPhaseColumn() const { return m_bPhaseColumn; }
    int GetPointCount() const { return int(m_Frequencies.size()); }

    // An empty path asks for one (save dialog, opening with the name given) and receives
    // the chosen full path.
    bool OpenForWrite(std::string& path, const std::string& initialName = {});
    // Three columns, one row per element of the magnitudes; frequencies and phases must
    // have at least as many elements, and every row must hold what the reader takes: a
    // frequency and a magnitude inside PointBounds and a finite phase (FALSE, nothing
    // written, with GetError naming the point, otherwise).
    bool Write(mwMatrix frequencies, mwMatrix magnitudes, mwMatrix phases);
    // Ends a read (the points read go: Parse has handed them on), or puts a save in place
    // of the file (temporary file, then rename). FALSE when nothing was written or the
    // save fails; the previous file then stays.
    bool Close();

    const std::string& GetError() const { return m_strError; }
    int GetErrorLine() const { return m_nErrorLine; }
    const std::string& GetText() const { return m_Writer.Text(); }

private:
    bool Fail(int nLine, const std::string& text);
    bool ReadRows(const CTextLines& lines);

    CFileDialogTexts m_OpenTexts;
    CFileDialogTexts m_SaveTexts;
    CMode* m_pPhaseColumnMode;

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
    bool m_bPhaseColumn = false;
    std::vector<double> m_Frequencies;
    std::vector<double> m_Magnitudes;
    std::vector<double> m_Phases;
    CTextFileWriter m_Writer;
    bool m_bWritten = false;
};
