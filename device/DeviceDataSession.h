// The QZX2201/QZX2202 device data lines with their file state: opening, generating,
// editing and saving, as the document's device data commands run them.
#pragma once

#include "device/DeviceDataCheck.h"
#include "device/DeviceDataText.h"
#include "device/DeviceServices.h"
#include "document/EqFileStatus.h"

#include <string>
#include <vector>

// Works on lines and a status of its own, or on those of a document. The lines it takes
// (opened, accepted in the editor) and writes pass FindDeviceDataFault with the
// QZX2201/QZX2202 rules; the parameter lines' filters are designed at nSampleRate (Hz).
class CDeviceDataSession
{
public:
    explicit CDeviceDataSession(int nSampleRate)
        : m_Rules(EqDataRules(nSampleRate)), m_Lines(m_OwnLines), m_Status(m_OwnStatus)
    {
    }
    CDeviceDataSession(std::vector<std::string>& lines, CEqFileStatus& status, int nSampleRate)
        : m_Rules(EqDataRules(nSampleRate)), m_Lines(lines), m_Status(status)
    {
    }
    CDeviceDataSession(const CDeviceDataSession&) = delete;
    CDeviceDataSession& operator=(const CDeviceDataSession&) = delete;

    // Reads the file and shows its own lines in the editor (no regeneration): opened, not
    // generated; OK there makes them accepted and unsaved, Cancel leaves the accepted and
    // saved modes as they were. False, with the lines, name and modes unchanged and error
    // set, when the file cannot be read, holds no QZX2201/QZX2202 device data or holds a
    // fault (CEqFile::ReadDeviceData).
    // The QZX2202 loudness manager (when given) merges its lines before the editor.
    bool Open(const std::string& path, IDeviceDataEditor& editor, std::string& error,
              ILoudnessLineMerger* pLoudness = nullptr);
    // Regenerates the text from the filter block, lets the QZX2202 loudness manager (when
    // given) merge its lines, and shows the text in the editor. Returns the editor's
    // result; the generated lines stay either way.
    bool Generate(const CDeviceDataHeader& header, const CFilterBlock& block, int registerCount,
                  IDeviceDataEditor& editor, std::vector<std::string>& warnings,
                  ILoudnessLineMerger* pLoudness = nullptr);
    // Saves to path (the full path chosen by the caller), writing nameForLine into the NAME
    // line and date into the date line. Lines the user has not accepted are shown in the
    // editor first; Cancel there cancels the save. False with error set when the lines hold
    // a fault or the write fails; the file on disk is then unchanged.
    bool Save(const std::string& path, const std::string& nameForLine, const std::string& date,
              IDeviceDataEditor& editor, std::string& error);

    // The editor on the lines in hand. OK on lines without a fault: accepted, not saved;
    // true (EditDeviceDataChecked).
    bool ShowEditor(IDeviceDataEditor& editor);

private:
    std::vector<std::string> m_OwnLines;
    CEqFileStatus m_OwnStatus;
    CDeviceDataRules m_Rules;

public:
    std::vector<std::string>& m_Lines;
    CEqFileStatus& m_Status;
};
