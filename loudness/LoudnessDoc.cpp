#include "loudness/LoudnessDoc.h"

#include "loudness/LoudnessManager.h"

#include <algorithm>

CLoudnessDoc::CLoudnessDoc(ELoudnessFamily family, CLoudnessManager& manager,
                           CLoudnessDocServices services)
    : m_Family(family), m_Manager(manager), m_Services(std::move(services))
{
    BuildFrequencyAxis();
    m_AutoScaleMode.TurnOn();
    m_Manager.SetDocument(this);
}

CLoudnessDoc::~CLoudnessDoc()
{
    if (m_Manager.GetDocument() == this)
        m_Manager.SetDocument(nullptr);
}

bool CLoudnessDoc::BuildFrequencyAxis()
{
    const int lower = m_Services.lowerFrequencyLimit ? m_Services.lowerFrequencyLimit() : 0;
    m_Axis = BuildLoudnessFrequencyAxis(lower, SamplingFrequency());
    return HasFrequencyAxis();
}

int CLoudnessDoc::SamplingFrequency() const
{
    return m_Services.samplingFrequency ? m_Services.samplingFrequency() : 0;
}

void CLoudnessDoc::UpdateAllViews(int nHint)
{
    // A view may withdraw while it is told: tell a copy of the list.
    const std::vector<ILoudnessDocView*> views = m_Views;
    for (ILoudnessDocView* pView : views)
        if (std::find(m_Views.begin(), m_Views.end(), pView) != m_Views.end())
            pView->OnUpdate(nHint);
}

void CLoudnessDoc::AddView(ILoudnessDocView* pView)
{
    if (pView && std::find(m_Views.begin(), m_Views.end(), pView) == m_Views.end())
        m_Views.push_back(pView);
}

void CLoudnessDoc::RemoveView(ILoudnessDocView* pView)
{
    m_Views.erase(std::remove(m_Views.begin(), m_Views.end(), pView), m_Views.end());
}

bool CLoudnessDoc::IsForwarded(int id) const
{
    switch (id)
    {
    case ID_FILE_OPEN_DEVICE_DATA:
    case ID_FILE_SAVE_DEVICE_DATA:
    case ID_FILE_SAVE_AS_DEVICE_DATA:
    case ID_EDIT_DEVICE_DATA:
    case ID_EDIT_GENERATE_DEVICE_DATA:
    case ID_FILE_SAVE_AS_LD241X:
    case ID_FILE_SAVE_AS_LD606X:
        return true;
    default:
        return false;
    }
}

std::optional<CCommandState> CLoudnessDoc::GetCommandState(int id)
{
    if (IsForwarded(id))
    {
        const int speakerId = id == ID_FILE_SAVE_AS_LD606X ? int(ID_FILE_SAVE_AS_LD241X) : id;
        return m_Services.speakerCommandState ? m_Services.speakerCommandState(speakerId)
                                              : CCommandState{};
    }
    switch (id)
    {
    case ID_CREATE_LOUDNESS_FILTERS:
        return CCommandState{bool(m_Services.createFilters), false};
    case ID_TURN_OFF_LOUDNESS_ADDITION:
        return CCommandState{m_Manager.AddToDataFileMode().IsOn() != 0, false};
    default:
        return std::nullopt;
    }
}

void CLoudnessDoc::OnCommand(int id)
{
    if (IsForwarded(id))
    {
        // Both loudness-file items save the selected device's file, as the speaker
        // document's command does.
        if (m_Services.runSpeakerCommand)
            m_Services.runSpeakerCommand(id == ID_FILE_SAVE_AS_LD606X ? int(ID_FILE_SAVE_AS_LD241X)
                                                                      : id);
        return;
    }
    if (id == ID_CREATE_LOUDNESS_FILTERS)
        OnCreateLoudnessFilters();
    else if (id == ID_TURN_OFF_LOUDNESS_ADDITION)
        m_Manager.AddToDataFileMode().TurnOff();
}

void CLoudnessDoc::OnCreateLoudnessFilters()
{
    if (m_Services.createFilters)
        m_Services.createFilters();
}
