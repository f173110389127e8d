#include "shell/QtSettingsStore.h"

#include <QSettings>
#include <QString>

namespace
{
QString Q(const std::string& text)
{
    return QString::fromStdString(text);
}
} // namespace

CQtSettingsStore::CQtSettingsStore(const std::string& section)
    : m_pSettings(std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                              kOrganization, kApplication))
{
    m_pSettings->beginGroup(Q(section));
}

CQtSettingsStore::CQtSettingsStore(const std::string& iniPath, const std::string& section)
    : m_pSettings(std::make_unique<QSettings>(Q(iniPath), QSettings::IniFormat))
{
    m_pSettings->beginGroup(Q(section));
}

CQtSettingsStore::~CQtSettingsStore()
{
    m_pSettings->endGroup();
    m_pSettings->sync();
}

bool CQtSettingsStore::ReadText(const std::string& key, std::string& value) const
{
    const QVariant stored = m_pSettings->value(Q(key));
    if (!stored.isValid())
        return false;
    value = stored.toString().toStdString();
    return true;
}

bool CQtSettingsStore::ReadInt(const std::string& key, int& value) const
{
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
    m_pSettings->setValue(Q(key), Q(value));
}

void CQtSettingsStore::WriteInt(const std::string& key, int value)
{
    m_pSettings->setValue(Q(key), value);
}

void CQtSettingsStore::Remove(const std::string& key)
{
    m_pSettings->remove(Q(key));
}

bool CQtSettingsStore::Sync()
{
    m_pSettings->sync();
    return m_pSettings->status() == QSettings::NoError;
}
