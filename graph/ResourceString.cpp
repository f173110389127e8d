#include "graph/ResourceString.h"

#include <algorithm>
#include <iterator>

namespace
{
struct CStringEntry
{
    unsigned id;
    const char* text;
};

// The string table, sorted by identifier.
// clang-format off
constexpr CStringEntry kStringTable[] = {
    {130, "db"},
    {131, "Frequency Hz"},
    {134, "Response"},
    {135, "Hz"},
    {136, "db"},
    {142, "Calculation Stopped by User"},
    {143, "Calculation Ended"},
    {144, "Calculation Completed"},
    {154, ".crv"},
    {156, "Curve Files (*.crv) |*.crv||"},
    {157, ".flt"},
    {158, "Filter Files (*.flt) |*.flt||"},
    {159, "H(Z) = B(Z)/A(Z) = [b0 + b1*Z^-1 + b2*Z^-2] / [a0 + a1*Z^-1 + a2*Z^-2]"},
    {160, "   b0                   b1                   b2"},
    {161, "   a0                   a1                   a2"},
    {162, "LF"},
    {163, "HF"},
    {164, "1/2 Fs"},
    {165, "The maximum number of filters set by the user was reached.  Calculation ended."},
    {166, "The number of coefficent rows and header lines is in consistent."},
    {167, "The B coefficients header must contain \"b0\" or B0\"."},
    {168, "Only numeric characters and blanks should be in a coefficient row."},
    {169, "A coefficient row cannot have less than 2 coefficients."},
    {170, "The A coefficients header must contain \"a0\" or A0\"."},
    {171, "The number of coefficients in the A row is not the same as the corresponding B row."},
    {172, "The filter of this A row and its B row has a response that is not a finite number at "
          "every frequency (an a0 of 0, or coefficients too large or too small to divide by): "
          "it is no filter."},
    {173, "The coefficient %s of this row, \"%s\", is not a finite number: write each "
          "coefficient as one number in digits alone, with a decimal point, such as "
          "-1.987654321098765."},
    {174, "The a0 of this A row is 0, or so near 0 that the fifteen decimals of the file write "
          "it as 0: a filter divides by its a0, so no filter has an a0 of 0."},
    {179, "TS-"},
    {180, "*"},
    {186, "Point"},
    {187, "Frequency"},
    {188, "Amplitude"},
    {190, "?"},
    {191, "Error"},
    {193, "EQ-"},
    {194, "BS-"},
    {195, "HPB-"},
    {196, "HPLR-"},
    {197, "LPB-"},
    {198, "LPLR-"},
    {199, "NT-"},
    {201, "C1HP-"},
    {202, "C1LP-"},
    {203, "Yes"},
    {204, "No"},
    {205, "YES"},
    {206, ".par"},
    {207, "Parameter Files (*.par) |*.par||"},
    {208, "*.par"},
    {213, "Phase"},
    {214, "Deg"},
    {216, ".mpt"},
    {217, "Master Pt. Files (*.mpt) |*.mpt||"},
    {218, "*.mpt"},
    {221, "Lower Tolerance"},
    {223, "Delete Point "},
    {224, ".eq"},
    {225, "QZX2201  Files [*.eq] |*.eq||"},
    {226, "*.eq"},
    {227, "The Speaker Response is already within Tolerance."},
    {232, "Do you want to clear all the Master Points?"},
    {236, "B1HP-"},
    {237, "B1LP-"},
    {238, "LOPT-"},
    {239, "HIPT-"},
    {240, "VQHP-"},
    {241, "VQLP-"},
    {262, "Desired Response"},
    {263, ".h"},
    {264, "DSP EQ Files (*.h) |*.h| All Files (*.*) |*.*||"},
    {267, "DRC"},
    {268, "Output db"},
    {270, "Input db"},
    {271, "Upper Tolerance"},
    {272, ".drc"},
    {273, "DRC EQ Files (*.drc) |*.drc| All Files (*.*) |*.*||"},
    {276, "1:1 Ratio"},
    {277, "Above Threshold"},
    {278, "Below Threshold"},
    {279, "Threshold"},
    {280, "Dynamic Range Compression"},
    {281, "Compression"},
    {285, "ALPS-"},
    {286, ".EQ241X"},
    {287, "QZX241X EQ Files[*.EQ241X]|*.EQ241X||"},
    {288, "*.EQ241X"},
    {297, "DRC Curve"},
    {298, "Expansion"},
    {299, ".DR241X"},
    {300, "QZX241X DRC Files (*.DR241X) |*.DR241X| All Files (*.*) |*.*||"},
    {301, ".LD241X"},
    {302, "QZX241X LOUDNESS EQ Files (*.LD241X) |*.LD241X| All Files (*.*) |*.*||"},
    {304, "QZX606X LOUDNESS EQ Files (*.LD606X) |*.LD606X| All Files (*.*) |*.*||"},
    {305, ".LD606X"},
    {308, "QZX606X DRC Files (*.DRC606X) |*.DRC606X| All Files (*.*) |*.*||"},
    {309, ".DRC606X"},
    {311, ".EQ606X"},
    {312, "QZX606X EQ Files[*.EQ606X]|*.EQ606X||"},
    {313, "*.EQ606X"},
    {5101, ".*"},
    {5102, "Text and  Raw Files (*.txt; *.raw) |*.txt; *.raw| All Files (*.*) |*.*||"},
    {5103, ".raw"},
    {5104, "Raw Files (*.raw) |*.raw||"},
    {5105, "\"Loudspeaker Raw Response Data for the Morvane Program\""},
    {5106, "       \"Hz\" \"Mag (dB)\"      \"deg\""},
    {5107, "Mod"},
    {5109, ".eq"},
    {5110, "FilterParameters"},
    {5111, "MasterPt"},
    {5112, "QZX2xxxData"},
    {5113, "The file holds no response points: no row of numbers follows the title and column "
           "header lines."},
    {5114, "A response row must hold a frequency and a magnitude as numbers."},
    {5115, "A response row must hold a frequency, a magnitude and a phase as numbers."},
    {5117, "The file was not saved."},
    {5118, "The response was not saved: its curves do not have one point per frequency."},
    {5119, "The file holds a single response point: a response needs at least two rows."},
    {5120, "The frequency of this row is not above 0 Hz."},
    {5121, "The frequency of this row is not above the frequency of the row before it: the "
           "frequencies must increase from row to row."},
    {5122, "The frequency of this row is outside what a measurement holds: frequencies must lie "
           "from 0.001 Hz to 10 MHz."},
    {5123, "The magnitude of this row is outside what a measurement holds: magnitudes must lie "
           "from -1000 dB to 1000 dB."},
    {5124, "The number \"%s\" holds a decimal comma: where blanks or tabs separate the "
           "numbers, a comma between two digits is a decimal mark, and numbers are read with "
           "a decimal point only.  Write it with a point, such as 85.5."},
    {5126, "The response was not saved: its point %d is not a frequency from 0.001 Hz to "
           "10 MHz with a magnitude from -1000 dB to 1000 dB and a phase, all finite numbers, "
           "and a file holding it would not open again.  An older file of that name is left "
           "as it was."},
    {5127, "This line is no master point: a point line holds a frequency from 0.001 Hz to "
           "10 MHz and an amplitude from -1000 dB to 1000 dB as its first two numbers, such "
           "as 1000.000000, -3.000000, and numbers alone.  The file was not opened."},
    {5128, "The master point file was not saved: point %d of \"%s\" is not a frequency from "
           "0.001 Hz to 10 MHz with an amplitude from -1000 dB to 1000 dB, and a file holding "
           "it would not open again.  An older file of that name is left as it was."},
    {5129, "The master point file was opened.  Lines that hold no point gave no row: %s.  A "
           "point line begins with its frequency, such as 1000.000000, -3.000000; any other "
           "text is read as a note."},
    {5130, "The file names none of the sections \"Desired Response\", \"Upper Tolerance\" "
           "and \"Lower Tolerance\": this is no master point file."},
    {5150, "The frequency limits leave fewer than two response points to calculate on.  "
           "Calculation ended."},
    {5155, "This line is no filter, and no line of the file is one: this is no filter parameter "
           "file.  A filter line begins with the label of its filter, such as EQ-1 or HPB-2."},
    {5156, "This line holds a point, but no section name comes before it: this is no master "
           "point file.  Its points follow the name of their section, \"Desired Response\", "
           "\"Upper Tolerance\" or \"Lower Tolerance\"."},
    {5160, "The raw response was log sampled or smoothed after it was read from this file.  "
           "Saving it replaces the measurement in the file.  Do you want to replace it?"},
    {5161, "Desired Response Pts."},
    {5162, "Upper Tolerance Pts."},
    {5163, "Lower Tolerance Pts."},
    {5164, "The curves were not changed.  Every master point grid needs points at two or more "
           "different frequencies above 0 Hz, each with an amplitude.  Different frequencies "
           "in"},
    {5165, "The curves were not changed.  A master point needs a frequency from 0.001 Hz to "
           "10 MHz and an amplitude from -1000 dB to 1000 dB; a point without either is left "
           "out.  Incomplete point"},
    {5166, "The filter parameter file was not written: the %s of the filter %s is not a finite "
           "number, and a file holding it would not open again.  Correct it in the filter "
           "editor."},
    {5167, "The filter %s on this line cannot be taken as the line gives it: %s  The file "
           "was not opened.  Correct the line, or remove it."},
    {5168, "The filter parameter file was not written: the filter %s cannot be designed as "
           "it is, and a file holding it would not open again: %s  Correct it in the filter "
           "editor."},
    {5170, "Nothing was written to \"%s\": %s"},
    {5171, "Nothing was written for the %s: %s"},
    {5172, "An older file of that name is left as it was."},
    {5173, "Older files of those names are left as they were."},
    {5174, "no raw response file was opened."},
    {5175, "there are no desired response curves."},
    {5176, "no filter is active in the grids, and there is no calculated or restart filter."},
    {5177, "the filter grids hold no filters (Copy Generated Filters to Edit Grid puts "
           "calculated filters there)."},
    {5178, "the response view shows no modified response curve."},
    {5179, "there are no master points: the master point editor was never opened."},
    {5180, "no device data was generated, opened or typed, and the filter grids hold no "
           "filters to generate it from."},
    {5181, "the DSP target has no device program data, and no other device's data is "
           "unsaved."},
    {5182, "no other device's data is unsaved."},
    {5183, "The older file %s is left as it was."},
    {5184, "The older files %s are left as they were."},
    {5185, "The curves were not changed.  A master point needs a frequency from 0.001 Hz to "
           "10 MHz and an amplitude from -1000 dB to 1000 dB.  Out of range: point"},
    {5190, "There is not enough memory to log sample the raw response to %ld points: about "
           "%.0f MB are needed and %.0f MB are free.  The raw response was not changed; use "
           "fewer points."},
    {5191, "There is not enough memory to calculate on the %ld points of the raw response: "
           "about %.0f MB are needed and %.0f MB are free.  The calculation was not started."},
    {5192, "There is not enough memory for another filter on the %ld points of the raw "
           "response: about %.0f MB are needed and %.0f MB are free.  The calculation ended "
           "with the filters placed so far."},
};
// clang-format on
} // namespace

std::string LoadResourceString(unsigned id)
{
    const auto it =
        std::lower_bound(std::begin(kStringTable), std::end(kStringTable), id,
                         [](const CStringEntry& e, unsigned key) { return e.id < key; });
    return it != std::end(kStringTable) && it->id == id ? it->text : std::string();
}

CHelpString::CHelpString(unsigned id) : CResourceString(id), m_Buffer(begin(), end())
{
    m_Buffer.push_back('\0');
}
