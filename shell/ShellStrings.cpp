#include "shell/ShellStrings.h"

#include "graph/ResourceString.h"

#include <utility>

namespace
{
constexpr std::pair<unsigned, const char*> kTexts[] = {
    {IDS_RESPONSE_TITLE, "Loud Speaker Response"},
    {IDS_FILTER_TITLE, "Filter Definitions"},
    {IDS_OPEN_RAW_RESPONSE, "Open Raw Response File"},
    {IDS_SETTINGS_CAPTION, "Settings"},
    {IDS_PHASE_TITLE, "Loud Speaker Phase Response"},
    {IDS_PHASE_FILTER_STATUS, "Filter Phases"},
    {IDS_PHASE_FILTER_TITLE, "Filter Phase Definitions"},
    {IDS_NEW_DOCUMENT_PROMPT, "Create a New Desired Response File"},
    {IDS_APP_NAME, "Morvane"},
};
} // namespace

std::string ShellString(unsigned id)
{
    for (const auto& [key, text] : kTexts)
        if (key == id)
            return text;
    return LoadResourceString(id);
}
