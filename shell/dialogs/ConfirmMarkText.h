// The texts of the four confirmations the filter view asks before it marks a filter
// picked on the plot: the caption and the lead of the question "<lead><filter>?".
#pragma once

#include <string>

enum class EConfirmMark
{
    Active,     // dialog 174, lead string 228
    Inactive,   // dialog 175, lead string 229
    Fixed,      // dialog 168, lead string 212
    Modifiable, // dialog 167, lead string 211
};

struct CConfirmMarkText
{
    const char* caption;
    const char* lead; // ends with one blank
};

const CConfirmMarkText& ConfirmMarkText(EConfirmMark kind);
// "Mark As Fixed EQ-3?"; an empty filter name gives the lead followed by "?".
std::string ConfirmMarkQuestion(EConfirmMark kind, const std::string& filter);
