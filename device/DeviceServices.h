// What the device export asks of the program around it, as narrow interfaces: the device
// selection, the modal editor of data lines, the label dialog of the DSP header and the
// loudness managers' part in the device data. The shell implements them with its windows
// and managers; tests script them. The filter editor is reached through the document's
// application services (UpdateFiltersFromGrids, OpenFilterEditor).
#pragma once

#include <functional>
#include <string>
#include <vector>

class CMorvaneSettings;

// The selected target; exactly one at a time.
enum EDeviceId : int
{
    kDeviceQZX2201 = 1,
    kDeviceQZX2202 = 2,
    kDeviceDsp = 3,
    kDeviceQZX2410 = 4,
    kDeviceQZX6060 = 5,
};

class IDeviceSelection
{
public:
    virtual ~IDeviceSelection() = default;
    virtual EDeviceId GetDeviceId() const = 0;
};

// The modal editor of device data lines (each line ends in "\r\n"): true on OK, the
// edited lines written back (text typed after the last line break is kept as a last
// line); false on Cancel, the lines untouched.
class IDeviceDataEditor
{
public:
    virtual ~IDeviceDataEditor() = default;
    // With the dialog's own caption, "Edit QZX2xxx Data".
    virtual bool Edit(std::vector<std::string>& lines) = 0;
    // With the caption given ("Edit DSP Data").
    virtual bool EditCaptioned(std::vector<std::string>& lines, const std::string& caption)
    {
        (void)caption;
        return Edit(lines);
    }
    // As Edit, where findFault names what keeps edited lines from being taken (empty: no
    // fault). An editor that can stay open shows a fault on OK and stays open; this one
    // ignores it (the caller checks the lines it returns).
    using CFaultFinder = std::function<std::string(const std::vector<std::string>&)>;
    virtual bool EditChecked(std::vector<std::string>& lines, const CFaultFinder& findFault)
    {
        (void)findFault;
        return Edit(lines);
    }
};

// The DSP header's label dialog: the edit box starts with label; true on OK with the
// edited text in label, false on Cancel with label unchanged.
class ILabelDialog
{
public:
    virtual ~ILabelDialog() = default;
    virtual bool AskLabel(std::string& label) = 0;
};

// The QZX2202 loudness manager's register lines "21" and "22": replaces the lines that
// begin with them or appends them. False, nothing changed, while the manager has no
// loudness filter chosen for the data file.
class ILoudnessLineMerger
{
public:
    virtual ~ILoudnessLineMerger() = default;
    virtual bool MergeIntoDataFile(std::vector<std::string>& lines) = 0;
};

// The QZX241X loudness manager's files.
class ILoudnessFileSaver
{
public:
    virtual ~ILoudnessFileSaver() = default;
    virtual bool SaveAsLD241X() = 0;
    virtual bool SaveAsLD606X() = 0;
};

// What the family manager and the document's device commands share.
struct CDeviceServices
{
    CMorvaneSettings& settings; // the KT47 and working folders
    IDeviceSelection& device;
    IDeviceDataEditor& editor;
    // Today's date as the device files show it ("3/7/26").
    std::function<std::string()> today;
};
