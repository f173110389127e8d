// The curve file (".crv"): an int32 count of curve records, then the records as CCurve
// writes them, all little-endian, with no header. A save collects the whole file in
// memory and replaces the target in one step when it is closed, so that a failed or
// abandoned save leaves any existing file as it was. A read takes the whole file into
// memory and checks every count against what the file can hold.
//
// One object serves one save or one open: OpenForWrite, WriteCount, WriteCurve...,
// Close; or OpenForRead, ReadCount, ReadCurve..., Close. Failures give FALSE with a
// message for the user in GetError().
#pragma once

#include "framework/core/GdiTypes.h"
#include "graph/BinaryStream.h"
#include "graph/DoubleRect.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class CCurve;

class CCurveFile
{
public:
    CCurveFile();
    // A save that was not closed is discarded.
    ~CCurveFile() = default;
    CCurveFile(const CCurveFile&) = delete;
    CCurveFile& operator=(const CCurveFile&) = delete;

    // An empty path asks for one with the save (open) dialog, starting in the working
    // directory, and fills it in; the folder chosen becomes the working directory.
    // FALSE when the user cancels or the file cannot be read. The save dialog opens with
    // the name given.
    bool OpenForWrite(std::string& path, const std::string& initialName = {});
    bool OpenForRead(std::string& path);
    // Reads from bytes already in memory; name stands for the file in messages.
    bool OpenBytes(std::vector<std::uint8_t> bytes, const std::string& name);

    // FALSE, writing nothing, for a count below 1.
    bool WriteCount(const int* pCount);
    // FALSE for a curve whose points are not valid; the save then fails at Close.
    bool WriteCurve(const CCurve* pCurve);
    // FALSE for a count below 1 or larger than the rest of the file can hold.
    bool ReadCount(int* pCount);
    // Reads the next record into the curve, caps its line width at 2 and lays it out for
    // the plot area and data window. FALSE, with the curve unchanged, for a bad record.
    bool ReadCurve(CCurve* pCurve, const CRect* pArea, const CDoubleRect* pWindow);
    // True when a read has consumed the whole file.
    bool IsAtEnd() const;
    // Ends a read, or completes a save: the count written must match the records written
    // and every record must have been good; then the file is replaced. FALSE otherwise,
    // and the existing file stays.
    bool Close();

    const std::string& GetError() const { return m_strError; }

    // Saves the curves in one file after checking every one of them first.
    static bool WriteCurves(const std::string& path, const std::vector<const CCurve*>& curves,
                            std::string* pError);
    // Reads a whole file into new curves, laid out for the area and window. With
    // nExpected above 0 the file must hold exactly that many; the file must end after
    // the last record. On failure curves is left as it was.
    static bool ReadCurves(const std::string& path, int nExpected, const CRect& area,
                           const CDoubleRect& window, std::vector<std::unique_ptr<CCurve>>& curves,
                           std::string* pError);

    // The same for a file already in memory; name stands for the file in messages.
    static bool ReadCurvesFromBytes(std::vector<std::uint8_t> bytes, const std::string& name,
                                    int nExpected, const CRect& area, const CDoubleRect& window,
                                    std::vector<std::unique_ptr<CCurve>>& curves,
                                    std::string* pError);

    // The largest file a read accepts.
    static constexpr std::size_t kMaxFileBytes = std::size_t(256) << 20;

private:
    // The dialog opens with initialName, or without one with the file's default name.
    bool AskPath(bool save, std::string& path, const std::string& initialName = {});
    bool Fail(const std::string& text);

    std::string m_strOpenDefaultExt;
    std::string m_strOpenFileName;
    std::string m_strOpenFilter;
    std::string m_strSaveDefaultExt;
    std::string m_strSaveFileName;
    std::string m_strSaveFilter;

    enum class State
    {
        Closed,
        Writing,
        Reading,
    };
    State m_State = State::Closed;
    std::string m_strPath;
    std::string m_strError;
    // Save.
    CBinaryWriter m_Writer;
    int m_nCountWritten = 0;
    int m_nRecordsWritten = 0;
    bool m_bWriteFailed = false;
    // Read.
    std::vector<std::uint8_t> m_Bytes;
    std::optional<CBinaryReader> m_Reader;
    int m_nRecordsRead = 0;
};
