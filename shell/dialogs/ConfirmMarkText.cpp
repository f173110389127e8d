#include "shell/dialogs/ConfirmMarkText.h"

namespace
{
// In the order of EConfirmMark; the capitalisation differs between the leads.
constexpr CConfirmMarkText kTexts[] = {
    {"Confirm Mark As Active", "Mark as Active "},
    {"Confirm Mark As Inactive", "Mark As Inactive "},
    {"Confirm Mark As Fixed", "Mark As Fixed "},
    {"Confirm Mark As Modifiable", "Mark as Modifiable "},
};
} // namespace

const CConfirmMarkText& ConfirmMarkText(EConfirmMark kind)
{
    return kTexts[static_cast<int>(kind)];
}

std::string ConfirmMarkQuestion(EConfirmMark kind, const std::string& filter)
{
    return ConfirmMarkText(kind).lead + filter + "?";
}
