#include "device/KT47Editor.h"

#include "device/DeviceDataText.h"

bool CKT47Editor::Edit(std::vector<std::string>& lines)
{
    return EditCaptioned(lines, kCaption);
}

bool CKT47Editor::EditCaptioned(std::vector<std::string>& lines, const std::string& caption)
{
    std::string text = JoinDeviceDataLines(lines);
    if (!m_Dialog.EditText(caption, text))
        return false;
    lines = SplitDeviceDataText(text);
    return true;
}
