#include "shell/CommandPrompts.h"

#include <iterator>

namespace
{
// Where the string table gives a command its text (typos included), the prompt is that
// text up to its line break and the tooltip the text after it; a text without one is the
// prompt, and for a button that text is both prompt and tooltip.
// clang-format off
constexpr CCommandPrompt kPrompts[] = {
    // File
    {57600, "Create a New Desired Response File", "New"},
    {57601, "Open Raw Response File", "Open Raw Response File"},
    {32802, "Save the raw response under its file name", "Save Raw Response File"},
    {32803, "Save the raw response under a new name", "Save As Raw Response File"},
    {32814, "Save the modified response as a raw response file", "Save As Modified Response"},
    {32774, "Open a desired response curve file with its tolerance curves",
     "Open Desired Response File"},
    {32800, "Save the desired and tolerance curves under their file name",
     "Save Desired Response File"},
    {32805, "Save the desired and tolerance curves under a new name", "Save As Desired Response"},
    {32830, "Open a master point file into the master point editor's grids",
     "Open Master Point File"},
    {32833, "Save the master points under the master point file's name",
     "Save Master Point File"},
    {32832, "Save the master points under a new name", "Save As Master Point File"},
    {32827, "Open a filter parameter file into the filter lists and the editor's grids",
     "Open Filter Parameter File"},
    {32834, "Save the filters under the filter parameter file's name", "Save Filter Parameters"},
    {32835, "Save the filters under a new name", "Save As Filter Parameters"},
    {32815, "Open a filter coefficient file whose filters an additive restart applies",
     "Open Coefficients for Additive Restart"},
    {32775, "Save the coefficients of the active filters under the coefficient file's name",
     "Save Filter Coefficients"},
    {32777, "Save the coefficients of the active filters under a new name",
     "Save As Filter Coefficients"},
    {32794, "Save Output Files", "Save Output Files"},
    {32863, "Open QZX2xxxProgram Data File ", "Open QZX2xxx Program Data File "},
    {32864, "Save QZX2xxx Program Data File", "Save QZX2xxx Program Data File"},
    {32865, "Save As LD24 Data", "Save As LD24 Data"},
    {57606, "Choose the printer and its page settings", "Print Setup"},
    {57607, "Print", "Print"},
    {57609, "Show the page of the active window as it will be printed", "Print Preview"},
    {57665, "Quit the application", "Exit"},
    // Edit
    {32804, "Create New Desired Response Curve", "Create New Desired Response Curve"},
    {32798, "Replace Section of Curve Graphically", "Replace Section of Curve Graphically"},
    {32858, "Log Sample Raw Curve", "Log Sample Raw Curve"},
    {32859, "Smooth Raw Curve", "Smooth Raw Curve"},
    {32821, "Open the filter editor: a grid of filters for each kind", "Edit Filter Parameters"},
    {32822, "Open the editor of the master points of the desired and tolerance curves",
     "Edit Master Points"},
    {32849, "Copy Master Points From Curves to Edit Grid",
     "Copy Master Points From Curves to Edit Grid"},
    {32852, "Generate Curves from Master Points in Edit Gri",
     "Generate Curves from Master Points in Edit Gri"},
    {32857, "Copy the calculated filters into the EQ grid of the filter editor",
     "Copy Generated Filters to Edit Grid"},
    {32823, "Delete Filters Graphicaly", "Delete Filters Graphicaly"},
    {32847, "Mark Filters as Modifiable Graphically", "Mark Filters as Modifiable Graphically"},
    {32848, "Mark Filters As Fixed Graphically", "Mark Filters As Fixed Graphically"},
    {32877, "Mark Filters As Active Graphically", "Mark Filters As Active Graphically"},
    {32878, "Mark Filters As Inactive Graphically", "Mark Filters As Inactive Graphically"},
    {32867, "Edit QZX2xxx Data", "Edit QZX2xxx Data"},
    {32869, "Generate QZX2xxx Data", "Generate QZX2xxx Data"},
    {32880, "Add QZX2xxx Data to Filter Parameters Grid",
     "Add QZX2xxx Data to Filter Parameters Grid"},
    {32881, "Replace Filter Parameters Grid Data with QZX2xxx Data",
     "Replace Filter Parameters Grid Data with QZX2xxx Data"},
    {32882, "Replace QZX2xxx Data with Data from the Filter Parameters Grid",
     "Replace QZX2xxx Data with Data from the Filter Parameters Grid"},
    // View
    {32781, "Show the speaker response window", "Loud Speaker Response Window"},
    {32782, "Show the filter definition window", "Filter Definition Window"},
    {32860, "View Original Positions", "View Original Positions"},
    {32824, "View Phase Windows", "View Phase Windows"},
    {32909, "View db and Phase Windows", "View db and Phase Windows"},
    {32921, "View Response and Phase", "View Response and Phase"},
    {32922, "View Filter and Filter Phase", "View Filter and Filter Phase"},
    {32836, "Draw Filters", "Draw Filters"},
    {32799, "Edit the frequency limits, tolerances, filter limit and ranges of the views",
     "Settings"},
    // Calculate
    {32854, "Calculate equalizing filters that bring the speaker within the tolerances",
     "Calculate Modified Response"},
    {32856, "Calculate equalizing filters, asking after each whether to go on",
     "Calculate Modified Response and Pause"},
    {32787, "Stop Calculation", "Stop Calculation"},
    {32816, "Additive Restart Using Filter Coefficient File",
     "Additive Restart Using Filter Coefficient File"},
    {32883, "Additive Restart Using QZX2xxx File", "Additive Restart Using QZX2xxx File"},
    // Device
    {32895, "Design for the QZX2201 chip", "QZX2201"},
    {32897, "Design for the QZX2202 chip", "QZX2202"},
    {32898, "Design for a DSP that takes a C header of coefficients", "DSP"},
    {32926, "Design for the QZX2410 chip", "QZX2410"},
    {32932, "Design for the QZX6060 chip", "QZX6060"},
    {32866, "Run QZX2xxx Program", "Run QZX2xxx Program"},
    // DSP
    {32910, "Generate .hFile", "Generate .h File"},
    {32911, "Edit .h File", "Edit .h File"},
    {32912, "Save As .h File", "Save As .h File"},
    // Design
    {32899, "Close the loudness and compression designs and show the speaker windows again",
     "Design EQ Filters"},
    {32887, "Design loudness filters for the QZX2202", "Loudness Filters For QZX2202"},
    {32928, "Design loudness filters for the QZX2410", "Loudness Filters For QZX2410"},
    {32938, "Design loudness filters for the QZX6060", "Loudness Filters For QZX6060"},
    {32914, "Design the dynamic range compression of the QZX2202",
     "Dynamic Range Compression For QZX2202"},
    {32927, "Design the dynamic range compression of the QZX2410",
     "Dynamic Range Compression For QZX2410"},
    {32937, "Design the dynamic range compression of the QZX6060",
     "Dynamic Range Compression For QZX6060"},
    // Loudness design windows
    {32896, "Design new loudness filters in the Create Loudness Filter sheet",
     "Create Loudness Filters"},
    {32900, "Show the QZX2202 loudness filters in their grids", "Edit Loudness Filters"},
    {32929, "Show the QZX2410 and QZX6060 loudness filters in their grids",
     "Edit Loudness Filters"},
    {32905, "Click on a loudness filter's curve to delete the filter",
     "Delete Filters Graphically"},
    {32906, "Click on a loudness filter's curve to edit the filter",
     "Select Filters to Edit Graphically"},
    {32907, "Click on a loudness filter's curve to add it to the device data file",
     "Select Filter to Add to Data File"},
    {32908, "Stop adding the chosen loudness filter to the device data file",
     "Turn Off Loudness Filter Addition"},
    {32931, "Save as LD24 File/nSave as LD24 File", "Save as LD24 File"},
    {32950, "Save the loudness filter chosen for the data file as a loudness file",
     "Save As .LD606X Data"},
    // Help
    {32818, "Show the contents of the help", "Help Contents"},
    {32819, "Help on calculating filters", "Calculating Filters"},
    {32820, "Help on the additive restart", "Additive Restart"},
    {57667, "List the topics of the help", "Help Topics"},
    {57664, "About", "About"},
    // No menu item.
    {32868, "Speaker Response and Phase", "Speaker Response and Phase"},
    {32904, "Delete Filters Graphically", "Delete Filters Graphically"},
    {57670, "Display help for current task or command", "Help"},
    {57669, "Display help for the button, menu command or window clicked next", "Context Help"},
    {57671, "Show the list of the help's topics", "Help Topics"},
};
// clang-format on
} // namespace

const CCommandPrompt* FindCommandPrompt(int id)
{
    for (const CCommandPrompt& row : kPrompts)
        if (row.id == id)
            return &row;
    return nullptr;
}

const CCommandPrompt* CommandPromptsBegin()
{
    return std::begin(kPrompts);
}

const CCommandPrompt* CommandPromptsEnd()
{
    return std::end(kPrompts);
}
