// The target device of the filter designs and the register data of the QZX2201/QZX2202
// device data text. The selection is held twice: as the device number (menu check marks,
// register count, Design menu) and as five modes of which exactly one is on (the
// document, the main frame and the loudness and compression code choose between chip
// families by them). Selecting a device changes nothing else: no window opens or closes
// and nothing is converted or recomputed; every later command consults the selection
// when it runs. The selection starts at the QZX2201 on every run and is not saved.
#pragma once

#include "device/DeviceServices.h"
#include "graph/Mode.h"
#include "graph/ModeArray.h"

#include <string>
#include <vector>

class CDeviceSelection : public IDeviceSelection
{
public:
    // The "De&vice" menu commands.
    enum : int
    {
        kCommandQZX2201 = 32895,
        kCommandQZX2202 = 32897,
        kCommandDsp = 32898,
        kCommandQZX2410 = 32926,
        kCommandQZX6060 = 32932,
    };

    // QZX2201 selected, register count 6, both register-name lists filled.
    CDeviceSelection();
    CDeviceSelection(const CDeviceSelection&) = delete;
    CDeviceSelection& operator=(const CDeviceSelection&) = delete;

    EDeviceId GetDeviceId() const override { return EDeviceId(m_nDeviceId); }

    // The device command handler: sets the number, then turns the matching mode on and
    // every other off. FALSE, with nothing changed, for a command that is not a device
    // command.
    bool OnDeviceCommand(int nCommand);
    // The same by device number; FALSE, nothing changed, for a number outside 1 to 5.
    bool SelectDevice(int nDeviceId);
    // The update handler: the item is checked when its device is the selected one. The
    // items are never disabled, so the device can be changed at any time.
    bool IsDeviceCommandChecked(int nCommand) const;
    static bool IsDeviceCommandEnabled(int /*nCommand*/) { return true; }
    static bool IsDeviceCommand(int nCommand) { return DeviceIdOfCommand(nCommand) != 0; }
    // The device number of a command, 0 for none; the command of a device, 0 for none.
    static int DeviceIdOfCommand(int nCommand);
    static int CommandOfDevice(int nDeviceId);
    // The item text of the command in the "De&vice" menu; empty for none.
    static std::string MenuTextOfCommand(int nCommand);

    // How many registers of each block the selected device uses: 7 for the QZX2202, 6
    // for every other device. Stores the count in m_nRegisterCount, which changes only
    // here.
    int GetRegisterCount();
    // The mode of a device number; null outside 1 to 5.
    CMode* ModeOfDevice(int nDeviceId);

    int m_nDeviceId = kDeviceQZX2201;
    CMode m_QZX2201Mode;
    CMode m_QZX2202Mode;
    CMode m_DspMode;
    CMode m_QZX2410Mode;
    CMode m_QZX6060Mode;
    // The five modes in device-number order; it does not own them.
    CModeArray m_DeviceModes;
    // The register names of the first ("0A" to "10") and second ("13" to "19") block of
    // filter lines: the QZX2201 uses the first six of each, the QZX2202 all seven.
    std::vector<std::string> m_RegisterNames1;
    std::vector<std::string> m_RegisterNames2;
    int m_nRegisterCount = 6;
};
