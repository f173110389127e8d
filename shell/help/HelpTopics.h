// The topics of the program's help: pages written for this program and bundled with it
// (Qt resources under ":/help/", one "<topic>.html" per topic), and which topic explains
// each command.
#pragma once

#include <span>
#include <string>

struct CHelpTopic
{
    const char* id;    // the page's name without ".html"
    const char* title; // as the page's heading and the topic list show it
};

namespace HelpTopics
{
constexpr const char* kContents = "contents";
constexpr const char* kMeasurement = "measurement";
constexpr const char* kDesired = "desired";
constexpr const char* kCalculating = "calculating";
constexpr const char* kFilters = "filters";
constexpr const char* kRestart = "restart";
constexpr const char* kDevice = "device";
constexpr const char* kLoudness = "loudness";
// The pages of the two "Create Loudness Filter" sheets.
constexpr const char* kLoudness2202 = "loudness2202";
constexpr const char* kLoudness2410 = "loudness2410";
constexpr const char* kCompression = "compression";
constexpr const char* kWindows = "windows";

// Every topic, in the order of the contents.
std::span<const CHelpTopic> All();
bool Exists(const std::string& topic);
// The page of a topic: "qrc:/help/<topic>.html".
std::string PageUrl(const std::string& topic);

struct CCommandTopic
{
    int id;
    const char* topic;
};
// The topic that explains each command of the menus and toolbars.
std::span<const CCommandTopic> OfCommands();
// The topic of a command id; empty when no topic explains it.
std::string OfCommand(int id);
} // namespace HelpTopics
