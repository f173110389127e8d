// What a text of device program data must hold before it is taken (opened from a file,
// accepted in the data editor) or written: coefficient words that the chip's word holds,
// and parameter lines ("!#") whose filters the read-back takes. A text that does not is
// refused as a whole, by its first faulty line, so that the data in hand stays as it was
// and no file is written with a word or a parameter that is no number.
#pragma once

#include "device/DeviceServices.h"

#include <string>
#include <vector>

// The rules of one chip family's data.
struct CDeviceDataRules
{
    const char* family;                         // "QZX2201/QZX2202", "QZX241X", "QZX606X"
    bool (*isDataLine)(const std::string&);     // a line the chip is loaded from
    bool (*isRegisterLine)(const std::string&); // a line whose fields 1 to 5 are words
    bool (*isWordInRange)(const std::string&);  // the read-back's range of a word
    const char* wordForm;                       // a register word, as the user writes it
    bool bEntries;                              // "Q<n>" entries of five word lines follow
    int nSampleRate;                            // Hz: the parameter lines' filters
    // Why a line of the family's own settings holds no value it reads; null for none.
    std::string (*findSettingFault)(const std::string&) = nullptr;
};
// QZX2201/QZX2202: words of one to six hexadecimal digits (IsHex24WordInRange).
CDeviceDataRules EqDataRules(int nSampleRate);
// QZX2410/QZX6060: words of the 28-bit word sign-filled to eight digits
// (CQZX2410_Manager::IsWordInRange), in register lines and in the entries' word lines.
CDeviceDataRules FamilyDataRules(bool bQZX6060, int nSampleRate);

// The first fault of the lines, counted in text lines from 1 (an entry of several text
// lines counts each; carriage returns are dropped, as the writer drops them), as a text
// that begins "line <n> ..." and ends without a stop; empty when there is none:
// - a register line whose words 1 to 5 are not all hexadecimal words in the word's range
//   (a missing word too);
// - a line of the five after an entry "Q<n>" that is no word line of a word in range;
// - a "!#" line whose filter the read-back refuses (FindParameterLineRefusal);
// - a setting line that findSettingFault refuses (QZX2201/QZX2202: FixedSettingFault).
std::string FindDeviceDataFault(const std::vector<std::string>& lines,
                                const CDeviceDataRules& rules);

// The data editor on the lines. OK is taken only for a text without a fault: an editor
// that can stay open shows the fault and lets the user correct it; one that has closed is
// refused with the message "The edited device data was not taken: <fault>." and the lines
// stay as they were, as on Cancel. True when the edited lines were taken.
bool EditDeviceDataChecked(IDeviceDataEditor& editor, std::vector<std::string>& lines,
                           const CDeviceDataRules& rules);
