// The QZX2201/QZX2202 device data lines with their file state: opening, generating,
// editing and saving, as the document's device data commands run them.
#pragma once

#include "device/DeviceDataText.h"
#include "document/EqFileStatus.h"

#include <string>
#include <vector>

// The modal editor of the lines ("Edit QZX2xxx Data"): true on OK, with the edited lines
// written back; false on Cancel, the lines untouched.
class IDeviceDataEditor
{
public:
    virtual ~IDeviceDataEditor() = default;
    virtual bool Edit(std::vector<std::string>& lines) = 0;
};

class CDeviceDataSession
{
public:
    // Reads the file and shows its own lines in the editor (no regeneration). False, with
    // the lines and modes unchanged and error set, when the file cannot be read.
    bool Open(const std::string& path, IDeviceDataEditor& editor, std::string& error);
    // Regenerates the text from the filter block and shows it in the editor. Returns the
    // editor's result; the generated lines stay either way.
    bool Generate(const CDeviceDataHeader& header, const CFilterBlock& block, int registerCount,
                  IDeviceDataEditor& editor, std::vector<std::string>& warnings);
    // Saves to path (the full path chosen by the caller), writing nameForLine into the NAME
    // line and date into the date line. Lines the user has not accepted are shown in the
    // editor first; Cancel there cancels the save. False with error set when the write
    // fails; the file on disk is then unchanged.
    bool Save(const std::string& path, const std::string& nameForLine, const std::string& date,
              IDeviceDataEditor& editor, std::string& error);

    std::vector<std::string> m_Lines;
    CEqFileStatus m_Status;

private:
    bool ShowEditor(IDeviceDataEditor& editor);
};
