#include "shell/QtSettingsStore.h"

#include <QLibraryInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QString>

#include <sys/stat.h>

namespace
{
QString Q(const std::string& text)
{
    return QString::fromStdString(text);
}

// The files QSettings reads for the user's profile: the application's and the
// organization's file in the user's configuration folder and in the system's.
std::vector<std::string> ProfileFiles()
{
    QStringList folders = QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation);
    folders << QLibraryInfo::path(QLibraryInfo::SettingsPath);
    std::vector<std::string> paths;
    for (const QString& folder : folders)
    {
        const std::string base = (folder + "/" + CQtSettingsStore::kOrganization).toStdString();
        paths.push_back(base + "/" + CQtSettingsStore::kApplication + ".conf");
        paths.push_back(base + ".conf");
    }
    return paths;
}
} // namespace

CQtSettingsStore::CQtSettingsStore(const std::string& section)
{
    if (!CheckProfileFiles(ProfileFiles()))
        return;
    m_pSettings = std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                              kOrganization, kApplication);
    m_pSettings->beginGroup(Q(section));
}

CQtSettingsStore::CQtSettingsStore(const std::string& iniPath, const std::string& section)
{
    if (!CheckProfileFiles({iniPath}))
        return;
    m_pSettings = std::make_unique<QSettings>(Q(iniPath), QSettings::IniFormat);
    m_pSettings->beginGroup(Q(section));
}

CQtSettingsStore::~CQtSettingsStore()
{
    if (!m_pSettings)
        return;
    m_pSettings->endGroup();
    m_pSettings->sync();
}

bool CQtSettingsStore::CheckProfileFiles(const std::vector<std::string>& paths)
{
    for (const std::string& path : paths)
    {
        // stat follows a link to the file it names and never waits on a pipe.
        struct stat st;
        if (::stat(path.c_str(), &st) == 0 && !S_ISREG(st.st_mode))
        {
            m_strError = "The settings file \"" + path +
                         "\" is not a regular file: the program runs with its default "
                         "settings and does not save them.";
            return false;
        }
    }
    return true;
}

bool CQtSettingsStore::ReadText(const std::string& key, std::string& value) const
{
    if (!m_pSettings)
        return false;
    const QVariant stored = m_pSettings->value(Q(key));
    if (!stored.isValid())
        return false;
    value = stored.toString().toStdString();
    return true;
}

bool CQtSettingsStore::ReadInt(const std::string& key, int& value) const
{
    if (!m_pSettings)
        return false;
    const QVariant stored = m_pSettings->value(Q(key));
    if (!stored.isValid())
        return false;
    bool bOk = false;
    const int nValue = stored.toString().trimmed().toInt(&bOk);
    if (bOk)
        value = nValue;
    return bOk;
}

void CQtSettingsStore::WriteText(const std::string& key, const std::string& value)
{
    if (!m_pSettings)
        return;
    m_pSettings->setValue(Q(key), Q(value));
}

void CQtSettingsStore::WriteInt(const std::string& key, int value)
{
    if (!m_pSettings)
        return;
    m_pSettings->setValue(Q(key), value);
}

void CQtSettingsStore::Remove(const std::string& key)
{
    if (!m_pSettings)
        return;
    m_pSettings->remove(Q(key));
}

bool CQtSettingsStore::Sync()
{
    if (!m_pSettings)
        return false;
    m_pSettings->sync();
    return m_pSettings->status() == QSettings::NoError;
}
