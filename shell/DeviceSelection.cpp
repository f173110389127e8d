#include "shell/DeviceSelection.h"

#include "device/DeviceDataText.h"

#include <iterator>

namespace
{
struct CDeviceEntry
{
    int nDeviceId;
    int nCommand;
    const char* pMenuText;
};

// In device-number order, which is also the order of the mode array.
constexpr CDeviceEntry kDevices[] = {
    {kDeviceQZX2201, CDeviceSelection::kCommandQZX2201, "QZX2201"},
    {kDeviceQZX2202, CDeviceSelection::kCommandQZX2202, "QZX2202"},
    {kDeviceDsp, CDeviceSelection::kCommandDsp, "&DSP"},
    {kDeviceQZX2410, CDeviceSelection::kCommandQZX2410, "QZX2410"},
    {kDeviceQZX6060, CDeviceSelection::kCommandQZX6060, "QZX6060"},
};

const CDeviceEntry* EntryOfCommand(int nCommand)
{
    for (const CDeviceEntry& entry : kDevices)
        if (entry.nCommand == nCommand)
            return &entry;
    return nullptr;
}

const CDeviceEntry* EntryOfDevice(int nDeviceId)
{
    for (const CDeviceEntry& entry : kDevices)
        if (entry.nDeviceId == nDeviceId)
            return &entry;
    return nullptr;
}
} // namespace

CDeviceSelection::CDeviceSelection()
    : m_RegisterNames1{"0A", "0B", "0C", "0D", "0E", "0F", "10"}, m_RegisterNames2{"13", "14", "15",
                                                                                   "16", "17", "18",
                                                                                   "19"}
{
    for (int id = kDeviceQZX2201; id <= kDeviceQZX6060; ++id)
        m_DeviceModes.Add(ModeOfDevice(id));
    m_DeviceModes.TurnOffAll();
    m_QZX2201Mode.TurnOn();
}

bool CDeviceSelection::OnDeviceCommand(int nCommand)
{
    return SelectDevice(DeviceIdOfCommand(nCommand));
}

bool CDeviceSelection::SelectDevice(int nDeviceId)
{
    CMode* pMode = ModeOfDevice(nDeviceId);
    if (!pMode)
        return false;
    m_nDeviceId = nDeviceId;
    return m_DeviceModes.TurnOnMode(pMode);
}

bool CDeviceSelection::IsDeviceCommandChecked(int nCommand) const
{
    const CDeviceEntry* pEntry = EntryOfCommand(nCommand);
    return pEntry && pEntry->nDeviceId == m_nDeviceId;
}

int CDeviceSelection::DeviceIdOfCommand(int nCommand)
{
    const CDeviceEntry* pEntry = EntryOfCommand(nCommand);
    return pEntry ? pEntry->nDeviceId : 0;
}

int CDeviceSelection::CommandOfDevice(int nDeviceId)
{
    const CDeviceEntry* pEntry = EntryOfDevice(nDeviceId);
    return pEntry ? pEntry->nCommand : 0;
}

std::string CDeviceSelection::MenuTextOfCommand(int nCommand)
{
    const CDeviceEntry* pEntry = EntryOfCommand(nCommand);
    return pEntry ? pEntry->pMenuText : std::string();
}

int CDeviceSelection::GetRegisterCount()
{
    m_nRegisterCount = RegisterCountOf(m_nDeviceId == kDeviceQZX2202);
    return m_nRegisterCount;
}

CMode* CDeviceSelection::ModeOfDevice(int nDeviceId)
{
    CMode* const modes[] = {&m_QZX2201Mode, &m_QZX2202Mode, &m_DspMode, &m_QZX2410Mode,
                            &m_QZX6060Mode};
    if (nDeviceId < kDeviceQZX2201 || nDeviceId > int(std::size(modes)))
        return nullptr;
    return modes[nDeviceId - kDeviceQZX2201];
}
