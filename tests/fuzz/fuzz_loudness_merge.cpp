// The loudness lines merged into opened device data: the QZX2202 registers "21"/"22" into
// a ".eq" text and the QZX2410/QZX6060 loudness block into a family file's channel. A
// merge changes only what it replaces (or appends), merging again changes nothing, and
// the merged lines survive the editor's round trip (joined into one text and split again,
// as when they are edited or saved and opened again): a later merge still replaces the
// block instead of adding a second one.
//
// Input: one selector byte (chip, channel, QZX6060 layout), five coefficient bytes, then
// the device data text.
#include "device/DeviceDataText.h"
#include "graph/Assert.h"
#include "loudness/DigitalSectionDesigner.h"
#include "loudness/QZX2202LoudnessManager.h"
#include "loudness/QZX2410_LoudnessManager.h"
#include "matrix/handler.h"
#include "tests/loudness/LoudnessFakes.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace
{
void Quiet(const char*, const char*, int) {}
void QuietPrint(const char*) {}

std::vector<std::string> EditorRoundTrip(const std::vector<std::string>& lines)
{
    return SplitDeviceDataText(JoinDeviceDataLines(lines));
}

// Adds one loudness filter of the given coefficients and merges it into the data.
template <class Manager>
void AddAndMerge(Manager& manager, const std::uint8_t* c, std::string& name)
{
    auto value = [](std::uint8_t byte) { return (int(byte) - 128) / 16.0; };
    if (!manager.AddLoudnessCoefficients(value(c[0]), value(c[1]), value(c[2]), value(c[3]),
                                         value(c[4]), 1.0, 1.0, name))
        return;
    manager.AddToDataFile(kLoudnessCoeff, name);
}

// Merging again changes nothing, and after the editor's round trip a merge gives the same
// lines again (for the family: the block is replaced, not added a second time).
void CheckMergeStays(CLoudnessManager& manager, std::vector<std::string>& lines)
{
    const std::vector<std::string> merged = lines;
    manager.MergeIntoDataFile(lines);
    if (lines != merged)
        std::abort();
    lines = EditorRoundTrip(merged);
    const std::vector<std::string> edited = lines;
    manager.MergeIntoDataFile(lines);
    if (EditorRoundTrip(lines) != edited)
        std::abort();
}

void CheckQZX2202(const std::vector<std::string>& opened, const std::uint8_t* c)
{
    CDigitalSectionDesigner designer;
    CFakeLoudnessDocument document;
    CFakeDeviceData data;
    data.lines = opened;
    CQZX2202LoudnessManager manager(&designer);
    manager.SetDocument(&document);
    manager.SetDeviceData(&data);
    std::string name;
    AddAndMerge(manager, c, name);
    if (manager.AddToDataFileMode().IsOff())
        return;
    const std::vector<std::string>& loudness = manager.DataFileLines();
    // Every other line is kept in its place; registers 21 and 22 carry the new words.
    if (data.lines.size() < opened.size() || data.lines.size() > opened.size() + 2)
        std::abort();
    for (std::size_t i = 0; i < opened.size(); ++i)
    {
        const std::string& line = opened[i];
        const std::string& expected = line.compare(0, 2, "21") == 0   ? loudness[0]
                                      : line.compare(0, 2, "22") == 0 ? loudness[1]
                                                                      : line;
        if (data.lines[i] != expected)
            std::abort();
    }
    CheckMergeStays(manager, data.lines);
}

void CheckFamily(const std::vector<std::string>& opened, const std::uint8_t* c, int channel,
                 bool bQZX6060)
{
    CDigitalSectionDesigner designer;
    CFakeLoudnessDocument document;
    CFakeDeviceData data;
    data.lines = opened;
    data.nChannel = channel;
    CQZX2410_LoudnessManager manager(&designer, [bQZX6060] { return bQZX6060; });
    manager.SetDocument(&document);
    manager.SetManager(&data);
    std::string name;
    AddAndMerge(manager, c, name);
    if (manager.AddToDataFileMode().IsOff())
        return;
    // One line replaced by the block, or the block appended.
    std::size_t changed = 0;
    for (std::size_t i = 0; i < opened.size() && i < data.lines.size(); ++i)
        changed += data.lines[i] != opened[i];
    if (changed + data.lines.size() - opened.size() != 1 ||
        JoinDeviceDataLines(data.lines).find(manager.LoudnessText()) == std::string::npos)
        std::abort();
    CheckMergeStays(manager, data.lines);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 6)
        return 0;
    mclSetAssertionHandler(&Quiet);
    mwSetPrintHandler(&QuietPrint);
    const std::uint8_t selector = data[0];
    const std::vector<std::string> opened =
        SplitDeviceDataText(std::string(reinterpret_cast<const char*>(data + 6), size - 6));
    if (selector & 1)
        CheckFamily(opened, data + 1, 1 + (selector >> 1) % 3, (selector & 8) != 0);
    else
        CheckQZX2202(opened, data + 1);
    return 0;
}
