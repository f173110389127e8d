// String-table texts of the loudness design: grid headings, window and sheet captions, help
// keywords. Unknown identifiers fall back to the program's common string table.
#pragma once

#include <string>

enum ELoudnessString : unsigned
{
    IDS_LOUDNESS_FILTER_HEADING = 137,   // "Filter"
    IDS_LOUDNESS_CENTER_FREQUENCY = 175, // "Center Frequency"
    IDS_LOUDNESS_CUT_FREQUENCY = 178,    // "Cut Frequency"
    IDS_LOUDNESS_NEW_ROW = 180,          // "*"
    IDS_LOUDNESS_BANDWIDTH = 192,        // "Bandwidth"
    IDS_CREATE_LOUDNESS_FILTER = 252,    // "Create Loudness Filter"
    IDS_LOUDNESS_COEFF_1 = 253,          // "Coeff 1" .. 257 "Coeff 5"
    IDS_LOUDNESS_PLOT_GAIN = 258,        // "Plot Gain"
    IDS_LOUDNESS_PLOT_VOLUME = 259,      // "Plot Volume"
    IDS_LOUDNESS_GAIN = 260,             // "Gain"
    IDS_EDIT_LOUDNESS_FILTERS = 261,     // "Edit Loudness Filters"
    IDS_QZX2410_LOUDNESS_HELP = 292,     // "QZX2410 Loudness Parameters"
    IDS_QZX2202_LOUDNESS_HELP = 293,     // "QZX2202 Loudness Parameters"
};

std::string LoudnessString(unsigned id);
