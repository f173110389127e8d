// The device selection: the menu commands, the check marks, the modes the chip-family
// code reads and the register data of the QZX2201/QZX2202 device text.
#include "shell/DeviceSelection.h"

#include "device/DeviceDataText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace
{
struct DeviceCase
{
    int nCommand;
    EDeviceId id;
    const char* pMenuText;
    int nRegisterCount;
};

const DeviceCase kCases[] = {
    {32895, kDeviceQZX2201, "QZX2201", 6}, {32897, kDeviceQZX2202, "QZX2202", 7},
    {32898, kDeviceDsp, "&DSP", 6},        {32926, kDeviceQZX2410, "QZX2410", 6},
    {32932, kDeviceQZX6060, "QZX6060", 6},
};

// Exactly the mode of the device is on, and the item of the device alone is checked.
void ExpectSelected(CDeviceSelection& selection, EDeviceId id)
{
    EXPECT_EQ(selection.GetDeviceId(), id);
    for (const DeviceCase& c : kCases)
    {
        const bool bSelected = c.id == id;
        EXPECT_EQ(selection.ModeOfDevice(c.id)->IsOn() != 0, bSelected) << c.pMenuText;
        EXPECT_EQ(selection.IsDeviceCommandChecked(c.nCommand), bSelected) << c.pMenuText;
        EXPECT_TRUE(CDeviceSelection::IsDeviceCommandEnabled(c.nCommand));
    }
}
} // namespace

TEST(DeviceSelection, StartsWithTheQZX2201AndSixRegisters)
{
    CDeviceSelection selection;
    ExpectSelected(selection, kDeviceQZX2201);
    EXPECT_EQ(selection.m_nRegisterCount, 6);
    EXPECT_EQ(selection.GetRegisterCount(), 6);
    EXPECT_EQ(selection.m_DeviceModes.GetSize(), 5);
    EXPECT_EQ(selection.m_DeviceModes.GetAt(0), &selection.m_QZX2201Mode);
    EXPECT_EQ(selection.m_DeviceModes.GetAt(4), &selection.m_QZX6060Mode);
}

TEST(DeviceSelection, EachCommandSelectsItsDeviceFromEveryOther)
{
    for (const DeviceCase& from : kCases)
        for (const DeviceCase& to : kCases)
        {
            CDeviceSelection selection;
            ASSERT_TRUE(selection.OnDeviceCommand(from.nCommand));
            ASSERT_TRUE(selection.OnDeviceCommand(to.nCommand));
            SCOPED_TRACE(std::string(from.pMenuText) + " then " + to.pMenuText);
            ExpectSelected(selection, to.id);
            EXPECT_EQ(selection.GetRegisterCount(), to.nRegisterCount);
            EXPECT_EQ(CDeviceSelection::MenuTextOfCommand(to.nCommand), to.pMenuText);
            EXPECT_EQ(CDeviceSelection::CommandOfDevice(to.id), to.nCommand);
        }
}

TEST(DeviceSelection, TheStoredRegisterCountChangesOnlyWhenAskedFor)
{
    CDeviceSelection selection;
    selection.OnDeviceCommand(CDeviceSelection::kCommandQZX2202);
    EXPECT_EQ(selection.m_nRegisterCount, 6);
    EXPECT_EQ(selection.GetRegisterCount(), 7);
    selection.OnDeviceCommand(CDeviceSelection::kCommandQZX2201);
    EXPECT_EQ(selection.m_nRegisterCount, 7);
    EXPECT_EQ(selection.GetRegisterCount(), 6);
    EXPECT_EQ(selection.m_nRegisterCount, 6);
}

TEST(DeviceSelection, OtherCommandsAndNumbersChangeNothing)
{
    CDeviceSelection selection;
    selection.OnDeviceCommand(CDeviceSelection::kCommandQZX2410);
    for (int bad : {0, 32896, 32899, 57607, -1})
    {
        EXPECT_FALSE(CDeviceSelection::IsDeviceCommand(bad)) << bad;
        EXPECT_FALSE(selection.OnDeviceCommand(bad)) << bad;
        EXPECT_FALSE(selection.IsDeviceCommandChecked(bad)) << bad;
        EXPECT_EQ(CDeviceSelection::MenuTextOfCommand(bad), "");
    }
    for (int bad : {0, 6, -3})
    {
        EXPECT_FALSE(selection.SelectDevice(bad)) << bad;
        EXPECT_EQ(selection.ModeOfDevice(bad), nullptr);
    }
    ExpectSelected(selection, kDeviceQZX2410);
}

TEST(DeviceSelection, ChoosingTheSameDeviceTwiceLeavesItSelected)
{
    CDeviceSelection selection;
    EXPECT_TRUE(selection.OnDeviceCommand(CDeviceSelection::kCommandDsp));
    EXPECT_TRUE(selection.OnDeviceCommand(CDeviceSelection::kCommandDsp));
    ExpectSelected(selection, kDeviceDsp);
}

TEST(DeviceSelection, TheDeviceCommandsSeeTheSelectionThroughTheirInterface)
{
    CDeviceSelection selection;
    IDeviceSelection& device = selection;
    selection.SelectDevice(kDeviceQZX6060);
    EXPECT_EQ(device.GetDeviceId(), kDeviceQZX6060);
}

TEST(DeviceSelection, RegisterNamesOfTheTwoBlocks)
{
    CDeviceSelection selection;
    EXPECT_EQ(selection.m_RegisterNames1,
              (std::vector<std::string>{"0A", "0B", "0C", "0D", "0E", "0F", "10"}));
    EXPECT_EQ(selection.m_RegisterNames2,
              (std::vector<std::string>{"13", "14", "15", "16", "17", "18", "19"}));
}

TEST(DeviceSelection, TheDeviceTextUsesTheRegistersOfTheSelectedDevice)
{
    CFilterBlock block;
    for (int i = 1; i <= 8; ++i)
    {
        block.texts.push_back("!# EQ-" + std::to_string(i) + "\r\n");
        block.coefficientLines.push_back("000001 000002 000003 000004 000005\r\n");
        ++block.count;
    }
    for (int nCommand : {CDeviceSelection::kCommandQZX2201, CDeviceSelection::kCommandQZX2202})
    {
        CDeviceSelection selection;
        selection.OnDeviceCommand(nCommand);
        const int nCount = selection.GetRegisterCount();
        std::vector<std::string> lines, warnings;
        WriteFilterBlock(lines, 0, block, nCount, warnings);
        auto written = [&](const std::string& name)
        {
            return std::count_if(lines.begin(), lines.end(),
                                 [&](const std::string& line)
                                 { return line.rfind(name + " ", 0) == 0; });
        };
        for (int i = 0; i < 7; ++i)
            for (const auto* pNames : {&selection.m_RegisterNames1, &selection.m_RegisterNames2})
                EXPECT_EQ(written(pNames->at(std::size_t(i))), i < nCount ? 1 : 0)
                    << nCommand << " " << pNames->at(std::size_t(i));
    }
}
