// Moving one kind's filter list to and from its edit grid. The grid is the editing copy;
// the list is what the calculation, the files and the views use.
//
// The parameter columns of every kind are columns 1 to its parameter count, in the order
// of the kind's filter line (EQ: gain in dB, bandwidth, centre frequency; shelves: gain,
// cut frequency; notch: bandwidth, cut frequency; Chebyshev: cut frequency, ripple; the
// passes: cut frequency; generic kinds: their parameters by index).
#pragma once

#include "filters/DigGenericFilter.h"
#include "filters/FilterGridRows.h"
#include "graph/Assert.h"
#include "graph/CFormat.h"

#include <memory>
#include <type_traits>
#include <vector>

// Lays the grid out for its kind and fills it from the list, one row per filter from row
// 1, then leaves the empty filter row and the "*" row. Returns the number of filters.
// Every filter row gets an output order above 0.
template <class TArray> int FiltersToGrid(CFilterGridRows& grid, TArray& list)
{
    using TFilter = typename TArray::Element;
    grid.Clear();
    grid.SetupGridForType(grid.GetControlId(), grid.GetFilterType());
    const std::vector<int> columns = grid.Info().ParameterColumns();
    const int n = list.GetSize();
    for (int i = 0; i < n; ++i)
    {
        const int r = i + 1;
        TFilter* pFilter = list.GetAt(i);
        if (r > grid.GetRows() - 1)
            grid.AddItem(pFilter->GetLabel(), r);
        else
            grid.SetName(r, pFilter->GetLabel());
        auto params = pFilter->GetParameters();
        const auto fields = params.LineFields();
        for (std::size_t j = 0; j < fields.size() && j < columns.size(); ++j)
            grid.SetTextMatrix(r, columns[j], FormatScalar(*fields[j]));
        grid.SetActive(r, pFilter->m_ActiveMode.IsOn() != 0);
        if constexpr (TFilter::kFilterModes == EFilterModes::ModifiableAndActive)
            grid.SetModifiable(r, pFilter->m_ModifiableMode.IsOn() != 0);
        // A filter without an order (a parameter file line with none) gets the next one,
        // so that its row stays a filter and is read back.
        const int order = pFilter->GetOutputOrder();
        grid.SetOutputOrder(r, order > 0 ? order : CFilterGridRows::TakeNextOutputOrder());
    }
    grid.AddNewFilterRow();
    return n;
}

// Empties the list and makes one filter per grid row that has an output order above 0,
// in grid order, designed for nSampleRate (Hz). A row without an order is not a filter
// and is skipped; the rows after it are still read. Returns the number of filters.
template <class TArray> int GridToFilters(CFilterGridRows& grid, TArray& list, int nSampleRate)
{
    using TFilter = typename TArray::Element;
    grid.EndCellEdit();
    list.RemoveAll();
    const std::vector<int> columns = grid.Info().ParameterColumns();
    for (const int r : grid.OrderedRows())
    {
        typename TFilter::Params params;
        if constexpr (std::is_same_v<TFilter, CDigGenericFilter>)
        {
            params.m_nKind = grid.GetFilterType();
            params.m_nParamCount = grid.GetParamCount();
            params.m_strPrefix = grid.Info().m_strPrefix;
        }
        const auto fields = params.LineFields();
        for (std::size_t j = 0; j < fields.size() && j < columns.size(); ++j)
        {
            bool ok = false;
            const double value = ScanDouble(grid.GetTextMatrix(r, columns[j]), &ok);
            *fields[j] = mwMatrix(ok ? value : 0.0);
        }
        params.m_SampleRate = mwMatrix(double(nSampleRate));
        TFilter* pFilter = list.Add(std::make_unique<TFilter>());
        MORVANE_CHECK(pFilter);
        pFilter->SetParameters(params);
        pFilter->SetLabel(grid.GetName(r));
        pFilter->m_ActiveMode.SetState(grid.GetActive(r) ? 1 : 0);
        if constexpr (TFilter::kFilterModes == EFilterModes::ModifiableAndActive)
            pFilter->m_ModifiableMode.SetState(grid.GetModifiable(r) ? 1 : 0);
        pFilter->SetOutputOrder(int(grid.GetOutputOrder(r)));
    }
    return list.GetSize();
}
