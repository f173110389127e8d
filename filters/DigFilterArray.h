// The typed list of one kind's filters, as the speaker document keeps one per kind. The
// list owns its filters: removing one deletes it, and Detach hands one over to another
// owner. Besides the filters it holds the kind's refresh command, which it passes to its
// refresh notifier when it changes a filter's Active mode by label, so that whoever shows
// the list (the kind's editor page) reloads it; the notifier is expected to queue the
// reload rather than run it at once.
#pragma once

#include "filters/DigFilterOf.h"
#include "filters/FilterKinds.h"
#include "filters/MatrixPtrArray.h"

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

template <class T> class CDigFilterArray
{
public:
    using Element = T;
    using Notifier = std::function<void(int nCommandId)>;

    CDigFilterArray()
    {
        if constexpr (requires { T::kKind; })
            m_nCommandId = FilterKindInfo(T::kKind).refreshCommand;
    }
    CDigFilterArray(const CDigFilterArray&) = delete;
    CDigFilterArray& operator=(const CDigFilterArray&) = delete;

    int GetSize() const { return int(m_Filters.size()); }
    bool IsEmpty() const { return m_Filters.empty(); }
    // i from 0 to GetSize() - 1.
    T* GetAt(int i) const { return m_Filters.at(std::size_t(i)).get(); }
    // Appends the filter and returns it.
    T* Add(std::unique_ptr<T> filter)
    {
        m_Filters.push_back(std::move(filter));
        return m_Filters.back().get();
    }
    // Deletes the filter at i.
    void RemoveAt(int i) { m_Filters.erase(m_Filters.begin() + i); }
    // Takes the filter at i out of the list without deleting it.
    std::unique_ptr<T> Detach(int i)
    {
        std::unique_ptr<T> filter = std::move(m_Filters.at(std::size_t(i)));
        m_Filters.erase(m_Filters.begin() + i);
        return filter;
    }
    // Deletes every filter.
    void RemoveAll() { m_Filters.clear(); }

    // For each filter whose Active mode is on, in list order: designs its section and
    // appends its A to listA and its B to listB (shared values), so that the k-th entries
    // of both lists belong to one filter. A filter without parameters contributes the A
    // and B it had. Always true.
    bool GetActiveCoefficients(CMatrixPtrArray& listA, CMatrixPtrArray& listB)
    {
        return Collect(listA, listB, [](const T& f) { return f.m_ActiveMode.IsOn() != 0; });
    }
    // As GetActiveCoefficients, for the filters the calculation keeps as they are: the
    // active ones, and of the peaking EQ kind only those that are not modifiable.
    bool GetFixedCoefficients(CMatrixPtrArray& listA, CMatrixPtrArray& listB)
    {
        return Collect(listA, listB,
                       [](const T& f)
                       {
                           if constexpr (T::kFilterModes == EFilterModes::ModifiableAndActive)
                               return f.m_ActiveMode.IsOn() != 0 && f.m_ModifiableMode.IsOn() == 0;
                           else
                               return f.m_ActiveMode.IsOn() != 0;
                       });
    }

    // Sets the Active state of the first filter labelled exactly label and notifies the
    // refresh command. False, changing nothing, when the list is empty, when the label's
    // first two characters differ from those of the first filter's label, or when no
    // filter has the label.
    bool SetActiveByLabel(const std::string& label, int nState)
    {
        if (m_Filters.empty() || label.substr(0, 2) != m_Filters.front()->GetLabel().substr(0, 2))
            return false;
        const auto it = std::find_if(m_Filters.begin(), m_Filters.end(),
                                     [&](const auto& f) { return f->GetLabel() == label; });
        if (it == m_Filters.end())
            return false;
        (*it)->m_ActiveMode.SetState(nState);
        if (m_Notifier)
            m_Notifier(m_nCommandId);
        return true;
    }

    // Every filter whose label lacks its prefix (a name that SetLabel refused leaves
    // "Error") is named prefix + the next number above the largest in the list, so that
    // a saved list comes back whole. Returns the number of filters renamed.
    int LabelUnnamedFilters()
    {
        int renamed = 0;
        for (auto& filter : m_Filters)
        {
            if (filter->HasOwnPrefix() || !IsKnownPrefix(filter->GetPrefix()))
                continue;
            const int largest = LargestLabelNumber();
            if (largest >= kMaxFilterNumber)
                continue;
            filter->SetLabelNumber(largest + 1);
            ++renamed;
        }
        return renamed;
    }

    int GetCommandId() const { return m_nCommandId; }
    // The lists of the generic kinds get their command here.
    bool SetCommandId(int nCommandId)
    {
        m_nCommandId = nCommandId;
        return true;
    }
    // An empty notifier detaches.
    void SetRefreshNotifier(Notifier notifier) { m_Notifier = std::move(notifier); }

private:
    template <class Test> bool Collect(CMatrixPtrArray& listA, CMatrixPtrArray& listB, Test test)
    {
        for (auto& filter : m_Filters)
        {
            if (!test(*filter))
                continue;
            filter->Calculate();
            listA.Add(*filter->GetA());
            listB.Add(*filter->GetB());
        }
        return true;
    }

    int LargestLabelNumber() const
    {
        int largest = 0;
        for (const auto& filter : m_Filters)
            if (filter->HasOwnPrefix())
                largest = std::max(largest, filter->GetLabelNumber());
        return largest;
    }

    static bool IsKnownPrefix(const std::string& prefix)
    {
        for (int kind = 0; kind < kFilterKindCount; ++kind)
            if (prefix == FilterKindPrefix(EFilterKind(kind)))
                return true;
        return false;
    }

    std::vector<std::unique_ptr<T>> m_Filters;
    int m_nCommandId = 0;
    Notifier m_Notifier;
};
