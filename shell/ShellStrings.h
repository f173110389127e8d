// String-table identifiers and texts of the application shell: window titles, status
// texts and the captions of its frames. Unknown identifiers fall back to the program's
// common string table.
#pragma once

#include <string>

enum EShellString : unsigned
{
    IDS_RESPONSE_TITLE = 139,        // "Loud Speaker Response"
    IDS_FILTER_TITLE = 140,          // "Filter Definitions"
    IDS_OPEN_RAW_RESPONSE = 141,     // "Open Raw Response File"
    IDS_SETTINGS_CAPTION = 132,      // "Settings"
    IDS_PHASE_TITLE = 215,           // "Loud Speaker Phase Response"
    IDS_PHASE_FILTER_STATUS = 282,   // "Filter Phases"
    IDS_PHASE_FILTER_TITLE = 283,    // "Filter Phase Definitions"
    IDS_NEW_DOCUMENT_PROMPT = 57600, // "Create a New Desired Response File"
    IDS_APP_NAME = 57344,            // "Morvane"
};

std::string ShellString(unsigned id);
