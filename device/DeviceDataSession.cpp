#include "device/DeviceDataSession.h"

#include "device/EqFile.h"

#include <utility>

bool CDeviceDataSession::ShowEditor(IDeviceDataEditor& editor)
{
    if (!EditDeviceDataChecked(editor, m_Lines, m_Rules))
        return false;
    m_Status.m_AcceptedMode.TurnOn();
    m_Status.m_SavedMode.TurnOff();
    return true;
}

bool CDeviceDataSession::Open(const std::string& path, IDeviceDataEditor& editor,
                              std::string& error, ILoudnessLineMerger* pLoudness)
{
    std::vector<std::string> lines;
    if (!CEqFile::ReadDeviceData(path, m_Rules, lines, error))
        return false;
    m_Lines = std::move(lines);
    m_Status.SetName(path);
    m_Status.m_OpenedFromFileMode.TurnOn();
    m_Status.m_GeneratedMode.TurnOff();
    if (HasFilterParameterSection(m_Lines))
        m_Status.m_HasFilterSectionMode.TurnOn();
    else
        m_Status.m_HasFilterSectionMode.TurnOff();
    if (pLoudness)
        pLoudness->MergeIntoDataFile(m_Lines);
    // Accepted and saved change only through the editor: OK makes the lines accepted and
    // unsaved, Cancel leaves both as they were.
    ShowEditor(editor);
    return true;
}

bool CDeviceDataSession::Generate(const CDeviceDataHeader& header, const CFilterBlock& block,
                                  int registerCount, IDeviceDataEditor& editor,
                                  std::vector<std::string>& warnings,
                                  ILoudnessLineMerger* pLoudness)
{
    m_Status.Reset();
    GenerateDeviceDataLines(m_Lines, header, block, registerCount, warnings);
    m_Status.m_GeneratedMode.TurnOn();
    m_Status.m_HasFilterSectionMode.TurnOn();
    if (pLoudness)
        pLoudness->MergeIntoDataFile(m_Lines);
    return ShowEditor(editor);
}

bool CDeviceDataSession::Save(const std::string& path, const std::string& nameForLine,
                              const std::string& date, IDeviceDataEditor& editor,
                              std::string& error)
{
    if (!m_Status.m_AcceptedMode.IsOn() && !ShowEditor(editor))
        return false;
    std::vector<std::string> lines = m_Lines;
    SetNameLine(nameForLine, lines);
    SetDateLine(date, lines);
    if (!CEqFile::WriteDeviceData(path, lines, m_Rules, error))
        return false;
    m_Lines = std::move(lines);
    m_Status.m_SavedMode.TurnOn();
    return true;
}
