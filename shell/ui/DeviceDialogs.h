// The two small dialogs the device export asks for: the plain-text editor of device data
// lines and the DSP header's label question.
#pragma once

#include "device/DeviceDataCommands.h"
#include "device/DeviceServices.h"

class CQtDeviceDataEditor : public IDeviceDataEditor
{
public:
    bool Edit(std::vector<std::string>& lines) override;
    bool EditCaptioned(std::vector<std::string>& lines, const std::string& caption) override;
    // OK on a text with a fault shows the fault and keeps the dialog open for correcting it.
    bool EditChecked(std::vector<std::string>& lines, const CFaultFinder& findFault) override;

private:
    bool Run(std::vector<std::string>& lines, const std::string& caption,
             const CFaultFinder& findFault);
};

class CQtLabelDialog : public ILabelDialog
{
public:
    bool AskLabel(std::string& label) override;
};
