// The data-file editor: the device data lines joined into one text for a plain-text dialog
// (the shell's window), and the edited text split back into lines on OK. Whatever line
// ends the dialog gives, every line comes back ending in "\r\n"; text typed after the last
// line break is kept as a last line.
#pragma once

#include "device/DeviceServices.h"

// The modal plain-text dialog: true on OK with the edited text in text.
class ITextEditDialog
{
public:
    virtual ~ITextEditDialog() = default;
    virtual bool EditText(const std::string& caption, std::string& text) = 0;
};

class CKT47Editor : public IDeviceDataEditor
{
public:
    static constexpr const char* kCaption = "Edit QZX2xxx Data";

    explicit CKT47Editor(ITextEditDialog& dialog) : m_Dialog(dialog) {}

    bool Edit(std::vector<std::string>& lines) override;
    bool EditCaptioned(std::vector<std::string>& lines, const std::string& caption) override;

private:
    ITextEditDialog& m_Dialog;
};
