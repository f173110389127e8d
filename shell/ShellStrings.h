// String-table identifiers and texts of the application shell: window titles, status
// texts and the captions of its frames. Unknown identifiers fall back to the program's
// common string table.
#pragma once

#include <string>

enum EShellString : unsigned
{
    IDS_RESPONSE_TITLE = 139,             // "Loud Speaker Response"
    IDS_FILTER_TITLE = 140,               // "Filter Definitions"
    IDS_OPEN_RAW_RESPONSE = 141,          // "Open Raw Response File"
    IDS_SETTINGS_CAPTION = 132,           // "Settings"
    IDS_PHASE_TITLE = 215,                // "Loud Speaker Phase Response"
    IDS_PHASE_FILTER_STATUS = 282,        // "Filter Phases"
    IDS_PHASE_FILTER_TITLE = 283,         // "Filter Phase Definitions"
    IDS_LOUDNESS_TITLE = 219,             // "Design QZX2202 Loudness Filters"
    IDS_COMPRESSION_TITLE = 220,          // "Design Dynamic Range Compression for QZX2202"
    IDS_QZX2410_LOUDNESS_TITLE = 290,     // "QZX2410 & QZX6060 Loudness Filter Design"
    IDS_QZX2410_COMPRESSION_TITLE = 295,  // "QZX2410 & QZX6060  Dynamic Range Compress Design"
    IDS_CREATE_LOUDNESS_STATUS = 252,     // "Create Loudness Filter"
    IDS_COMPRESSION_STATUS = 265,         // "Dynamic Range Compression Design for QZX2202"
    IDS_QZX2410_LOUDNESS_STATUS = 289,    // "QZX2410 & QZX6060 Loudness Filter Design"
    IDS_QZX2410_COMPRESSION_STATUS = 294, // "QZX2410 & QZX6060 Dynamic Range Compression Design"
    IDS_NEW_DOCUMENT_PROMPT = 57600,      // "Create a New Desired Response File"
    IDS_APP_NAME = 57344,                 // "Morvane"
};

std::string ShellString(unsigned id);
