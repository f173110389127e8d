// Feeds arbitrary text to the QZX241X/QZX606X device data reader as an opened file: the
// register-line import, the comment lines and the rewrite of the channel block. Every
// decoded coefficient must lie within the 28-bit word's range [-16, 16], every register line
// is taken or named as refused, and a word within the writer's range must read back as the
// value it was written from. A text that the open and the editor take (FindDeviceDataFault)
// has every register line taken. The lines, written as a file and read back, are the
// same lines, before and after the rewrite of the channel block.
#include "device/DeviceDataCheck.h"
#include "device/DeviceDataText.h"
#include "device/QZX2410_Manager.h"
#include "document/MorvaneSettings.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace
{
struct CDevice : IDeviceSelection
{
    EDeviceId GetDeviceId() const override { return kDeviceQZX2410; }
};
struct CNoEditor : IDeviceDataEditor
{
    bool Edit(std::vector<std::string>&) override { return false; }
};

void CheckPairs(const CMatrixPtrArray& list)
{
    for (int k = 0; k < list.GetSize(); ++k)
        for (int i = 1; i <= 3; ++i)
        {
            const double v = list.GetAt(k).RealElement(i);
            if (!(v >= -16.0 && v <= 16.0))
                std::abort();
        }
}
// A value read from a word within the writer's range is written and read back unchanged.
void CheckWordRoundTrip(const std::string& field)
{
    for (const char* name : {"B0", "A1"})
    {
        const double value = CQZX2410_Manager::HexToCoefficient(field, name);
        if (value < -16.0 || value >= 16.0)
            continue;
        bool saturated = true;
        std::string word = CQZX2410_Manager::CoefficientToHex(value, name, &saturated);
        std::erase(word, ' ');
        if (saturated || CQZX2410_Manager::HexToCoefficient(word, name) != value)
            std::abort();
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    CMorvaneSettings settings;
    CDevice device;
    CNoEditor editor;
    CQZX2410_Manager manager({settings, device, editor, [] { return std::string(); }});
    manager.m_DataLines = SplitDeviceDataText(text);
    const auto readsBackAsWritten = [&manager]
    { return SplitDeviceDataText(DeviceDataFileText(manager.m_DataLines)) == manager.m_DataLines; };
    if (!readsBackAsWritten())
        std::abort();
    CMatrixPtrArray listA, listB;
    std::vector<std::string> refused;
    if (manager.ImportCoefficients(listA, listB, &refused) != listA.GetSize() ||
        listA.GetSize() != listB.GetSize())
        std::abort();
    // Every register line is either taken or named as refused.
    std::size_t registerLines = 0;
    for (const std::string& line : manager.m_DataLines)
        for (int row = 0; row < CQZX2410_Manager::kRegisterRows; ++row)
            for (int i = 0; i < 16; ++i)
                if (line.compare(0, 2, CQZX2410_Manager::RegisterName(row, i)) == 0)
                    ++registerLines;
    if (std::size_t(listA.GetSize()) + refused.size() != registerLines)
        std::abort();
    // A text the family's open and editor take holds no register line the read-back refuses.
    if (FindDeviceDataFault(manager.m_DataLines, FamilyDataRules(false, 48000)).empty() &&
        !refused.empty())
        std::abort();
    CheckPairs(listA);
    CheckPairs(listB);
    for (const std::string& line : manager.m_DataLines)
        for (const std::string& field : SplitRegisterFields(line))
            CheckWordRoundTrip(field);
    std::vector<std::string> comments;
    manager.GetCommentLines(comments);
    const std::size_t before = manager.m_DataLines.size();
    manager.ReplaceFilterBlock();
    if (manager.m_DataLines.size() > before + 2 || !readsBackAsWritten())
        std::abort();
    return 0;
}
