// What a text of device program data must hold before it is taken (opened from a file,
// accepted in the data editor) or written: at least one line the chip is programmed from,
// coefficient words that the chip's word holds, and parameter lines ("!#") whose filters
// the read-back takes. One check for every way in and every writer: a text that does not
// pass is refused as a whole, so that the data in hand stays as it was and no file is
// written that the program would not open again.
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

// Why the program's reader would refuse a file of the lines (CEqFile::ReadDeviceData), as a
// text without a stop that follows "The file ... was not opened: "; empty when it opens
// them. The lines are taken as the file holds them (DeviceDataFileText) and counted in
// text lines from 1 (an entry of several text lines counts each):
// - a text larger than a device data file is read from (CEqFile::kMaxFileBytes);
// - "it holds no <family> device data (...)": no line is one the rules' isDataLine takes
//   (an empty text, a measurement, a word typed alone);
// and the first faulty line, as a text that begins "line <n> ...":
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
