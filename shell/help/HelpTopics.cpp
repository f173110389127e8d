#include "shell/help/HelpTopics.h"

#include <algorithm>

namespace HelpTopics
{
namespace
{
constexpr CHelpTopic kTopics[] = {
    {kContents, "Morvane Help"},
    {kMeasurement, "Loading a measurement"},
    {kDesired, "Desired curve and tolerances"},
    {kCalculating, "Calculating filters"},
    {kFilters, "Editing filters"},
    {kRestart, "Additive restart"},
    {kDevice, "Device export"},
    {kLoudness, "Loudness filters"},
    {kLoudness2202, "QZX2202 Loudness Parameters"},
    {kLoudness2410, "QZX2410 Loudness Parameters"},
    {kCompression, "Dynamic range compression"},
    {kWindows, "Windows, printing and help"},
};

constexpr CCommandTopic kCommandTopics[] = {
    // Measurement: open, save, log sample, smooth.
    {57601, kMeasurement},
    {32802, kMeasurement},
    {32803, kMeasurement},
    {32814, kMeasurement},
    {32858, kMeasurement},
    {32859, kMeasurement},
    // Desired curves and master points.
    {32774, kDesired},
    {32800, kDesired},
    {32805, kDesired},
    {32804, kDesired},
    {32798, kDesired},
    {32822, kDesired},
    {32849, kDesired},
    {32852, kDesired},
    {32830, kDesired},
    {32832, kDesired},
    {32833, kDesired},
    // The calculation, its settings and its results.
    {32854, kCalculating},
    {32856, kCalculating},
    {32787, kCalculating},
    {32799, kCalculating},
    {32775, kCalculating},
    {32777, kCalculating},
    {32794, kCalculating},
    {32857, kCalculating},
    {32819, kCalculating},
    // The filter grids and graphical editing.
    {32821, kFilters},
    {32836, kFilters},
    {32823, kFilters},
    {32847, kFilters},
    {32848, kFilters},
    {32877, kFilters},
    {32878, kFilters},
    {32827, kFilters},
    {32834, kFilters},
    {32835, kFilters},
    // Additive restart.
    {32815, kRestart},
    {32816, kRestart},
    {32883, kRestart},
    {32820, kRestart},
    // Devices, device data, the KT47 tool and the DSP header.
    {32895, kDevice},
    {32897, kDevice},
    {32898, kDevice},
    {32926, kDevice},
    {32932, kDevice},
    {32863, kDevice},
    {32864, kDevice},
    {32865, kDevice},
    {32866, kDevice},
    {32867, kDevice},
    {32869, kDevice},
    {32880, kDevice},
    {32881, kDevice},
    {32882, kDevice},
    {32910, kDevice},
    {32911, kDevice},
    {32912, kDevice},
    // The loudness design windows.
    {32887, kLoudness},
    {32928, kLoudness},
    {32938, kLoudness},
    {32896, kLoudness},
    {32900, kLoudness},
    {32929, kLoudness},
    {32905, kLoudness},
    {32906, kLoudness},
    {32907, kLoudness},
    {32908, kLoudness},
    {32931, kLoudness},
    {32950, kLoudness},
    // The compression design windows.
    {32914, kCompression},
    {32927, kCompression},
    {32937, kCompression},
    {32916, kCompression},
    {32930, kCompression},
    {32951, kCompression},
    // Windows, printing and help.
    {32781, kWindows},
    {32782, kWindows},
    {32860, kWindows},
    {32824, kWindows},
    {32909, kWindows},
    {32921, kWindows},
    {32922, kWindows},
    {32899, kWindows},
    {57606, kWindows},
    {57607, kWindows},
    {57609, kWindows},
    {57667, kWindows},
    {57669, kWindows},
    {57670, kWindows},
    {57671, kWindows},
    {32818, kContents},
    {57664, kContents},
};
} // namespace

std::span<const CHelpTopic> All()
{
    return kTopics;
}

bool Exists(const std::string& topic)
{
    return std::any_of(std::begin(kTopics), std::end(kTopics),
                       [&topic](const CHelpTopic& t) { return topic == t.id; });
}

std::string PageUrl(const std::string& topic)
{
    return "qrc:/help/" + topic + ".html";
}

std::span<const CCommandTopic> OfCommands()
{
    return kCommandTopics;
}

std::string OfCommand(int id)
{
    for (const CCommandTopic& entry : kCommandTopics)
        if (entry.id == id)
            return entry.topic;
    return {};
}
} // namespace HelpTopics
