// One section of the user's profile through QSettings: the organization "Vandrel Inc.",
// the application "Morvane" (on Linux ~/.config/Vandrel Inc./Morvane.conf). Integers
// are stored as integers, everything else as text.
#pragma once

#include "document/MorvaneSettings.h"

#include <memory>
#include <string>
#include <vector>

class QSettings;

class CQtSettingsStore : public ISettingsStore
{
public:
    static constexpr const char* kOrganization = "Vandrel Inc.";
    static constexpr const char* kApplication = "Morvane";

    // The section of the user's profile.
    explicit CQtSettingsStore(const std::string& section);
    // The section of an INI file (tests, portable runs).
    CQtSettingsStore(const std::string& iniPath, const std::string& section);
    // A profile file that exists but is no regular file (a named pipe, a device, a folder)
    // is neither read nor written: reading it could block the program for good. The store
    // then reads nothing and writes nothing, and GetError says why; empty otherwise.
    ~CQtSettingsStore() override;

    bool ReadText(const std::string& key, std::string& value) const override;
    // False for a missing key and for a value that is not an integer.
    bool ReadInt(const std::string& key, int& value) const override;
    void WriteText(const std::string& key, const std::string& value) override;
    void WriteInt(const std::string& key, int value) override;
    void Remove(const std::string& key);

    // Writes pending changes to the profile; false when it cannot be written.
    bool Sync();
    const std::string& GetError() const { return m_strError; }

private:
    // True when every file the profile would be read from is a regular file or missing;
    // otherwise false with the message.
    bool CheckProfileFiles(const std::vector<std::string>& paths);

    std::unique_ptr<QSettings> m_pSettings; // null while the profile is refused
    std::string m_strError;
};
