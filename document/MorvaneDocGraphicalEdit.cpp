// Single filters changed by label, from a filter edit grid or a click on a filter's curve.
// The lists are searched for the exact label (case-sensitive), first match in list order;
// the calculated EQ filters are not user filters and are never touched here.
#include "document/MorvaneDoc.h"
#include "filters/FilterKinds.h"

namespace
{
// Index of the first filter of the list labelled exactly label; -1 when none is.
template <class List> int FindByLabel(const List& list, const std::string& label)
{
    for (int i = 0; i < list.GetSize(); ++i)
        if (list.GetAt(i)->GetLabel() == label)
            return i;
    return -1;
}
} // namespace

bool CMorvaneDoc::DeleteFilterByName(const std::string& label, bool bAsk)
{
    const int kind = FindLabelKind(label);
    if (kind < 0 || !m_App.DeleteGridFilter(kind, label, bAsk))
        return false;
    bool bRemoved = false;
    m_FilterLists.ForEach(
        [&](EFilterKind listKind, auto& list)
        {
            if (listKind != kind)
                return;
            const int i = FindByLabel(list, label);
            if (i >= 0)
            {
                list.RemoveAt(i);
                bRemoved = true;
            }
        });
    return bRemoved;
}

namespace
{
bool SetEQModifiable(CDigEQFilterArray& list, IMorvaneAppServices& app, const std::string& label,
                     bool bModifiable)
{
    const int i = FindByLabel(list, label);
    if (i < 0)
        return false;
    list.GetAt(i)->m_ModifiableMode.SetState(bModifiable ? 1 : 0);
    app.PostMainFrameCommand(list.GetCommandId());
    return true;
}
} // namespace

bool CMorvaneDoc::SetEQFilterModifiable(const std::string& label)
{
    return SetEQModifiable(m_FilterLists.m_EQFilters, m_App, label, true);
}

bool CMorvaneDoc::SetEQFilterFixed(const std::string& label)
{
    return SetEQModifiable(m_FilterLists.m_EQFilters, m_App, label, false);
}

bool CMorvaneDoc::SetFilterActive(const std::string& label, int nState)
{
    UpdateAllViews(m_pFilterView, kHintSettingsApplied);
    // A label lives in one list only, so the order the lists are offered it in does not
    // change the outcome; the list that holds it posts its page's refresh itself.
    bool bFound = false;
    m_FilterLists.ForEach(
        [&](EFilterKind, auto& list)
        {
            if (!bFound)
                bFound = list.SetActiveByLabel(label, nState);
        });
    return bFound;
}
