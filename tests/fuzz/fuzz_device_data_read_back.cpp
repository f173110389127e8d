// Opened device data read back into filters, as the read-back commands of the Edit menu do
// it: the "!#" parameter lines of a QZX2201/QZX2202 ".eq" text, or the comment lines of a
// QZX2410/QZX6060 family file, through ParameterLinesToFilters into the grids' lists.
// A line with a field that does not read whole as what it stands for, an output order that
// is no whole number in digits, or a label number or output order above kMaxFilterNumber,
// is refused with a message, and so is a filter that no sample rate designs or whose
// six-decimal text would read back as another filter; the filters taken that the rate
// cannot design are named in one message after them. Every filter taken reads back
// field by field through the one parse of numbers and of Yes/No. Every filter read back must be
// written as the device data writes it (the block of the active ones is never refused) and read
// back from that, every line taken again, to the same text (in output order; equal orders may
// change places); the family's comment lines are exactly its lines with "!#"; and the filters
// written in place of the old block keep every other line.
//
// Input: one selector byte (sample rate, family or not, register count), then the text.
#include "device/DeviceDataReadBack.h"
#include "device/DeviceDataText.h"
#include "device/FilterBlock.h"
#include "device/QZX2410_Manager.h"
#include "document/MorvaneSettings.h"
#include "filters/FilterLists.h"
#include "graph/Assert.h"
#include "matrix/handler.h"
#include "tests/fuzz/FilterRoundTrip.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace
{
void Quiet(const char*, const char*, int) {}
void QuietPrint(const char*) {}

struct CDevice : IDeviceSelection
{
    EDeviceId GetDeviceId() const override { return kDeviceQZX2410; }
};
struct CNoEditor : IDeviceDataEditor
{
    bool Edit(std::vector<std::string>&) override { return false; }
};

std::vector<std::string> LinesWithMarker(const std::vector<std::string>& lines)
{
    std::vector<std::string> marked;
    for (const std::string& line : lines)
        if (line.find("!#") != std::string::npos)
            marked.push_back(line);
    return marked;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 1)
        return 0;
    mclSetAssertionHandler(&Quiet);
    mwSetPrintHandler(&QuietPrint);
    const int kRates[] = {48000, 44100, 8000, 192000};
    const int fs = kRates[data[0] & 3];
    const bool bFamily = (data[0] & 4) != 0;
    const int registerCount = RegisterCountOf((data[0] & 8) != 0);
    std::vector<std::string> lines =
        SplitDeviceDataText(std::string(reinterpret_cast<const char*>(data + 1), size - 1));

    std::vector<std::string> parameterLines;
    if (bFamily)
    {
        CMorvaneSettings settings;
        CDevice device;
        CNoEditor editor;
        CQZX2410_Manager manager({settings, device, editor, [] { return std::string(); }});
        manager.m_DataLines = lines;
        manager.GetCommentLines(parameterLines);
        if (parameterLines != LinesWithMarker(lines) ||
            manager.HasFilterParameterSection() != HasFilterParameterSection(lines))
            std::abort();
    }
    else
        parameterLines = LinesWithMarker(lines);

    CFilterLists lists;
    std::vector<std::string> messages;
    const int added = ParameterLinesToFilters(parameterLines, lists, fs, &messages);
    // A message for each line not taken, and one more naming the filters taken that fs
    // cannot design: exactly those whose own rate gives a design fault.
    int nUndesigned = 0;
    int nActiveUndesigned = 0;
    lists.ForEach(
        [&](EFilterKind, auto& list)
        {
            for (int i = 0; i < list.GetSize(); ++i)
            {
                const bool bUndesigned = !FilterDesignFault(*list.GetAt(i)).empty();
                nUndesigned += bUndesigned ? 1 : 0;
                nActiveUndesigned += bUndesigned && list.GetAt(i)->m_ActiveMode.IsOn() ? 1 : 0;
            }
        });
    const std::size_t refused = messages.size() - (nUndesigned > 0 ? 1 : 0);
    if (added != lists.GetTotalCount() || (nUndesigned > 0 && messages.empty()) ||
        std::size_t(added) + refused > parameterLines.size() ||
        (nUndesigned > 0 &&
         messages.back().rfind("These filters were taken as they are written", 0) != 0))
        std::abort();
    // A filter whose parameters are no finite numbers, whose order is no whole number, that
    // the grids could not number on from, that cannot be designed or whose six-decimal
    // text would be another filter, is refused, never taken.
    if (!AllTakeable(lists) || !AllReadWhole(lists))
        std::abort();
    // A label reads back as written: the text before the first comma once the line's first
    // "!# " (the marker) is taken off, whatever other "!# " it holds.
    for (const std::string& line : parameterLines)
    {
        std::string text = line;
        const std::size_t marker = text.find("!# ");
        if (marker != std::string::npos)
            text.erase(marker, 3);
        const std::size_t comma = text.find(',');
        CFilterLists one;
        if (comma == std::string::npos || ParameterLinesToFilters({line}, one, fs) != 1)
            continue;
        bool same = true;
        one.ForEach(
            [&](EFilterKind, auto& list)
            {
                for (int i = 0; i < list.GetSize(); ++i)
                    same = same && list.GetAt(i)->GetLabel() == text.substr(0, comma);
            });
        if (!same)
            std::abort();
    }

    // Written as the device data writes filters, and read back from that. An active filter
    // taken that fs cannot design keeps the block from being written, and is named; without
    // one, the block of the active ones is never refused, and each of them reads back, as a
    // filter still taken.
    CFilterBlock block;
    const bool bCollected = CollectFilterBlock(lists, block);
    if (bCollected != (nActiveUndesigned == 0) ||
        block.nonFinite.size() != std::size_t(nActiveUndesigned))
        std::abort();
    if (!bCollected)
        return 0;
    CFilterLists again;
    if (ParameterLinesToFilters(block.texts, again, fs) != block.count || !AllTakeable(again) ||
        !AllReadWhole(again))
        std::abort();
    for (const std::string& text : block.texts)
        if (!FindParameterLineRefusal(text, fs).empty())
            std::abort();
    CFilterBlock blockAgain;
    CollectFilterBlock(again, blockAgain);
    // Filters of equal output order may change places (the selection sort keeps no order
    // among equals, and reading back lists them in the block's order); the texts may not.
    std::vector<std::string> texts = block.texts;
    std::vector<std::string> textsAgain = blockAgain.texts;
    std::sort(texts.begin(), texts.end());
    std::sort(textsAgain.begin(), textsAgain.end());
    if (textsAgain != texts || blockAgain.count != block.count)
        std::abort();

    // In place of the old block: the header and every line outside the block stay.
    if (!bFamily)
    {
        std::vector<std::string> warnings;
        const std::size_t before = lines.size();
        ReplaceFilterBlockInPlace(lines, block, registerCount, warnings);
        if (!HasFilterParameterSection(lines) ||
            lines.size() > before + 1 + 2 * std::size_t(registerCount) + block.texts.size())
            std::abort();
    }
    return 0;
}
