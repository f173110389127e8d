#include "loudness/LoudnessStrings.h"

#include "graph/ResourceString.h"

#include <utility>

namespace
{
constexpr std::pair<unsigned, const char*> kTexts[] = {
    {IDS_LOUDNESS_FILTER_HEADING, "Filter"},
    {IDS_LOUDNESS_CENTER_FREQUENCY, "Center Frequency"},
    {IDS_LOUDNESS_CUT_FREQUENCY, "Cut Frequency"},
    {IDS_LOUDNESS_NEW_ROW, "*"},
    {IDS_LOUDNESS_BANDWIDTH, "Bandwidth"},
    {IDS_CREATE_LOUDNESS_FILTER, "Create Loudness Filter"},
    {IDS_LOUDNESS_COEFF_1, "Coeff 1"},
    {IDS_LOUDNESS_COEFF_1 + 1, "Coeff 2"},
    {IDS_LOUDNESS_COEFF_1 + 2, "Coeff 3"},
    {IDS_LOUDNESS_COEFF_1 + 3, "Coeff 4"},
    {IDS_LOUDNESS_COEFF_1 + 4, "Coeff 5"},
    {IDS_LOUDNESS_PLOT_GAIN, "Plot Gain"},
    {IDS_LOUDNESS_PLOT_VOLUME, "Plot Volume"},
    {IDS_LOUDNESS_GAIN, "Gain"},
    {IDS_EDIT_LOUDNESS_FILTERS, "Edit Loudness Filters"},
    {IDS_QZX2410_LOUDNESS_HELP, "QZX2410 Loudness Parameters"},
    {IDS_QZX2202_LOUDNESS_HELP, "QZX2202 Loudness Parameters"},
};
} // namespace

std::string LoudnessString(unsigned id)
{
    for (const auto& [key, text] : kTexts)
        if (key == id)
            return text;
    return LoadResourceString(id);
}
