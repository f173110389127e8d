// The profile read back at start-up: arbitrary "key=value" lines as the section
// "MVQ_Settings" and the recent-file list. Every setting must come back within its valid
// range (each view's axes wide enough for it to draw), a stored text that the one parse of
// numbers or truth values does not read whole counts as a missing key, what is written
// back must read again as the same settings, and a speaker document made from them must build its
// start-up response and take the settings.
#include "document/HeadlessAppServices.h"
#include "document/MorvaneDoc.h"
#include "document/MorvaneSettings.h"
#include "framework/core/Services.h"
#include "graph/Assert.h"
#include "graph/Convert.h"
#include "matrix/handler.h"
#include "shell/RecentFileList.h"
#include "tests/document/DocumentFakes.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <memory>
#include <string>

namespace
{
void Quiet(const char*, const char*, int) {}
void QuietPrint(const char*) {}

// A profile section: integers read as the Qt store reads them (the whole text a number
// once the white space around it is trimmed, as QString::trimmed does).
class CTextStore : public ISettingsStore
{
public:
    bool ReadText(const std::string& key, std::string& value) const override
    {
        const auto it = values.find(key);
        if (it == values.end())
            return false;
        value = it->second;
        return true;
    }
    bool ReadInt(const std::string& key, int& value) const override
    {
        std::string text;
        if (!ReadText(key, text))
            return false;
        const char* const kSpace = " \t\n\v\f\r";
        const std::size_t first = text.find_first_not_of(kSpace);
        if (first == std::string::npos)
            return false;
        text = text.substr(first, text.find_last_not_of(kSpace) - first + 1);
        char* end = nullptr;
        errno = 0;
        const long n = std::strtol(text.c_str(), &end, 10);
        if (*end != '\0' || errno != 0 || n < INT32_MIN || n > INT32_MAX)
            return false;
        value = int(n);
        return true;
    }
    void WriteText(const std::string& key, const std::string& value) override
    {
        values[key] = value;
    }
    void WriteInt(const std::string& key, int value) override
    {
        values[key] = std::to_string(value);
    }
    std::map<std::string, std::string> values;
};

bool Within(double v, double low, double high)
{
    return std::isfinite(v) && v >= low && v <= high;
}

bool IsValid(const CMorvaneSettings& s)
{
    bool ok = Within(s.m_nLowerFrequencyLimit, 1, 30000) &&
              Within(s.m_nHigherFrequencyLimit, 1, 30000) &&
              s.m_nLowerFrequencyLimit <= s.m_nHigherFrequencyLimit &&
              Within(s.m_nSamplingFrequency, 1, 200000) && Within(s.m_dUpperTolerance, 0, 100) &&
              Within(s.m_dLowerTolerance, -100, 0) &&
              GetFilterLimitCount(s.m_LimitNumberOfFilters) >= 0 &&
              Within(s.m_dSingleOptParam, 1e-11, 1e10) && Within(s.m_dJointOptParam, 1e-11, 1e10);
    // Each view's axes wide enough for it to draw.
    const struct
    {
        const CDoubleRect& range;
        double dMaxLevel;
    } views[] = {{s.m_SpeakerRange, CMorvaneSettings::kMaxAxisLevel},
                 {s.m_PhaseRange, CMorvaneSettings::kMaxPhaseAxisLevel},
                 {s.m_FilterRange, CMorvaneSettings::kMaxAxisLevel},
                 {s.m_PhaseFilterRange, CMorvaneSettings::kMaxAxisLevel}};
    for (const auto& [r, dMaxLevel] : views)
        ok = ok && Within(r.left, 1, 200000) && Within(r.right, 1, 200000) &&
             Within(r.top, -dMaxLevel, dMaxLevel) && Within(r.bottom, -dMaxLevel, dMaxLevel) &&
             CMorvaneSettings::IsDrawableFrequencyRange(r.left, r.right) &&
             CMorvaneSettings::IsDrawableLevelRange(r.bottom, r.top, dMaxLevel);
    return ok;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    mclSetAssertionHandler(&Quiet);
    mwSetPrintHandler(&QuietPrint);
    // "key=value" lines; a value may hold anything but a line break.
    CTextStore store;
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::size_t start = 0;
    while (start < text.size())
    {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        const std::string line = text.substr(start, end - start);
        const std::size_t equals = line.find('=');
        if (equals != std::string::npos)
            store.values[line.substr(0, equals)] = line.substr(equals + 1);
        start = end + 1;
    }

    CMorvaneSettings settings;
    settings.ReadFrom(store, "/start");
    if (!IsValid(settings))
        std::abort();
    // A stored text that is no value of its key's kind, read whole by the one parse of
    // numbers or of truth values, is as good as a missing key: the key's default.
    CTextStore defaults;
    CMorvaneSettings().WriteTo(defaults);
    CTextStore valuesOnly = store;
    for (const auto& [key, text] : store.values)
    {
        const auto it = defaults.values.find(key);
        if (it == defaults.values.end() || key == "Working Directory" || key == "KT47 Directory")
            continue;
        int n = 0;
        const bool bInt = defaults.ReadInt(key, n);
        const bool bBool = it->second == "true" || it->second == "false";
        const bool bValue = bInt    ? store.ReadInt(key, n)
                            : bBool ? ParseTrueFalse(text).has_value()
                                    : ParseWholeDouble(text).has_value();
        if (!bValue)
            valuesOnly.values.erase(key);
    }
    CMorvaneSettings fromValues;
    fromValues.ReadFrom(valuesOnly, "/start");
    CTextStore settingsWritten, valuesWritten;
    settings.WriteTo(settingsWritten);
    fromValues.WriteTo(valuesWritten);
    if (settingsWritten.values != valuesWritten.values)
        std::abort();
    CRecentFileList recent;
    recent.ReadFrom(store);
    if (recent.Files().size() > std::size_t(CRecentFileList::kSize))
        std::abort();

    // Written back at exit and read at the next start: the same values.
    CTextStore written;
    settings.WriteTo(written);
    CMorvaneSettings again;
    again.ReadFrom(written, "/start");
    CTextStore rewritten;
    again.WriteTo(rewritten);
    if (rewritten.values != written.values)
        std::abort();

    // A new speaker document takes them and builds its start-up response.
    CRecordingMessageBox messages;
    Services::SetMessageBox(&messages);
    {
        CHeadlessAppServices app;
        app.m_Settings = settings;
        RecordingFamilyManager family;
        app.m_pFamilyManager = &family;
        FakeResponseView response;
        auto doc = std::make_unique<CMorvaneDoc>(app);
        doc->OnNewDocument();
        doc->m_pResponseView = &response;
        doc->CreateDefaultResponse();
        if (doc->m_nRawPoints < 1 || doc->m_nSamplingFrequency != settings.m_nSamplingFrequency ||
            doc->m_nHigherFrequencyLimit > doc->m_nSamplingFrequency / 2 + 1)
            std::abort();
    }
    Services::SetMessageBox(nullptr);
    return 0;
}
