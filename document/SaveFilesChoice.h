// What the speaker document offers to save when it closes ("Save Files On Exit?") or
// before another raw response is opened into it, and the device program data as that
// question sees it.
#pragma once

#include <array>
#include <string>

// The question's files, top to bottom. The device data of the selected device comes
// first; unsaved data of the other chip family follows in its own row, shown only then.
struct CSaveFilesChoice
{
    enum EFile
    {
        kRawResponse,
        kDesiredResponse,
        kMasterPoints,
        kFilterParameters,
        kDeviceData,
        kModifiedResponse,
        kFilterCoefficients,
        kOtherDeviceData,
        kFileCount
    };
    struct CFile
    {
        bool bSave = false;
        std::string name; // full path
    };
    std::array<CFile, kFileCount> files;
    bool bOtherDeviceDataShown = false;
    // Asked before another raw response replaces the design, not at exit.
    bool bBeforeOpening = false;

    // The text of the file's row in the question, as the user reads it there.
    static const char* Label(EFile file)
    {
        static constexpr const char* kLabels[kFileCount] = {
            "Raw Response File",        "Desired Response File",   "Master Point File",
            "Filter Parameters File",   "QZX2xxx Data File",       "Modifiled Response File",
            "Filter Coefficients File", "Other QZX2xxx Data File",
        };
        return kLabels[file];
    }
};

// The two holders of device program data: the ".eq" lines of the QZX2201/QZX2202 and the
// data of the QZX2410/QZX6060 family.
class IDeviceDataFiles
{
public:
    enum EHolder
    {
        kEqData,
        kFamilyData,
    };
    virtual ~IDeviceDataFiles() = default;
    // The holder of the selected device; false for the DSP target, which has none.
    virtual bool GetSelectedHolder(EHolder& holder) const = 0;
    // Holds data that was generated, opened or edited and is not saved.
    virtual bool IsUnsaved(EHolder holder) const = 0;
    // Holds lines to write, or can generate them from the filter grids.
    virtual bool HasData(EHolder holder) const = 0;
    virtual std::string GetFileName(EHolder holder) const = 0;
    // Writes the data to the full path, which becomes its file name. False when nothing
    // was written: the user cancelled, or the failure was reported.
    virtual bool SaveTo(EHolder holder, const std::string& path) = 0;
};
