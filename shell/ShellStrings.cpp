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
    {IDS_LOUDNESS_TITLE, "Design QZX2202 Loudness Filters"},
    {IDS_COMPRESSION_TITLE, "Design Dynamic Range Compression for QZX2202"},
    {IDS_QZX2410_LOUDNESS_TITLE, "QZX2410 & QZX6060 Loudness Filter Design"},
    {IDS_QZX2410_COMPRESSION_TITLE, "QZX2410 & QZX6060  Dynamic Range Compress Design"},
    {IDS_CREATE_LOUDNESS_STATUS, "Create Loudness Filter"},
    {IDS_COMPRESSION_STATUS, "Dynamic Range Compression Design for QZX2202"},
    {IDS_QZX2410_LOUDNESS_STATUS, "QZX2410 & QZX6060 Loudness Filter Design"},
    {IDS_QZX2410_COMPRESSION_STATUS, "QZX2410 & QZX6060 Dynamic Range Compression Design"},
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
