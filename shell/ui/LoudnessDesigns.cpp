#include "shell/ui/LoudnessDesigns.h"

#include "shell/ui/MorvaneApp.h"

CLoudnessDesigns::CLoudnessDesigns(CMorvaneApp& app)
    : m_SpeakerData(app), m_FamilyData(app), m_QZX2202Editor(*this, ELoudnessFamily::QZX2202),
      m_QZX241XEditor(*this, ELoudnessFamily::QZX241X), m_QZX2202(&m_Designer),
      m_QZX241X(&m_Designer, [&app] { return app.m_DeviceSelection.m_QZX6060Mode.IsOn() != 0; })
{
    m_QZX2202.SetDeviceData(&m_SpeakerData);
    m_QZX2202.SetEditor(&m_QZX2202Editor);
    m_QZX241X.SetManager(&m_FamilyData);
    m_QZX241X.SetEditor(&m_QZX241XEditor);
}

CLoudnessManager& CLoudnessDesigns::Manager(ELoudnessFamily family)
{
    if (family == ELoudnessFamily::QZX2202)
        return m_QZX2202;
    return m_QZX241X;
}

bool CLoudnessDesigns::MergeIntoDataFile(std::vector<std::string>& lines)
{
    return m_QZX2202.MergeIntoDataFile(lines);
}

bool CLoudnessDesigns::CSpeakerDeviceData::HasDeviceData() const
{
    const CMorvaneDoc* pDoc = m_App.m_pMorvaneDoc;
    return pDoc && (pDoc->m_EqFileStatus.m_GeneratedMode.IsOn() ||
                    pDoc->m_EqFileStatus.m_OpenedFromFileMode.IsOn());
}

std::vector<std::string>& CLoudnessDesigns::CSpeakerDeviceData::DeviceDataLines()
{
    CMorvaneDoc* pDoc = m_App.m_pMorvaneDoc;
    if (!pDoc)
    {
        m_NoLines.clear();
        return m_NoLines;
    }
    pDoc->m_EqFileStatus.m_SavedMode.TurnOff();
    return pDoc->m_DeviceDataLines;
}

bool CLoudnessDesigns::CFamilyDeviceData::HasDeviceData() const
{
    return m_App.m_QZX2410_Manager.HasDeviceData();
}

std::vector<std::string>& CLoudnessDesigns::CFamilyDeviceData::DeviceDataLines()
{
    m_App.m_QZX2410_Manager.m_FileStatus.m_SavedMode.TurnOff();
    return m_App.m_QZX2410_Manager.m_DataLines;
}

int CLoudnessDesigns::CFamilyDeviceData::CurrentChannel() const
{
    return m_App.m_QZX2410_Manager.m_nChannelNumber;
}

void CLoudnessDesigns::CEditor::EditFilter(int nKind, const CLoudnessInfo& record,
                                           const CLoudnessGainOffset* pGainOffset)
{
    if (m_Owner.m_FilterEditor)
        m_Owner.m_FilterEditor(m_Family, nKind, record, pGainOffset);
}
