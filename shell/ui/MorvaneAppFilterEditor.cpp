// The filter editor in the application: the main frame's "Edit Filters" mini frame holds
// the sheet of filter pages, the lists' refresh commands reload their pages, and the
// document reaches the grids through the application's services.
#include "shell/filtereditor/UserCreatedFilters.h"
#include "shell/ui/MainFrm.h"
#include "shell/ui/MiniFrame.h"
#include "shell/ui/MorvaneApp.h"

void CMorvaneApp::WireFilterEditor()
{
    m_pMainFrame->SetSheetFactory(
        CMainFrame::kFilterEditor,
        [this] { return new CUserCreatedFilters([this] { return m_pMorvaneDoc; }); });
    for (int kind = 0; kind < kFilterKindCount; ++kind)
    {
        const int id = FilterKindInfo(EFilterKind(kind)).refreshCommand;
        AddCommand(
            id,
            [this, kind]
            {
                if (CUserCreatedFilters* sheet = GetFilterEditor())
                    sheet->Page(kind).FiltersToGrid();
            },
            [] {
                return CCommandState{true, false};
            });
    }
}

CUserCreatedFilters* CMorvaneApp::GetFilterEditor() const
{
    if (!m_pMainFrame || !m_pMainFrame->m_pPropFrame)
        return nullptr;
    return dynamic_cast<CUserCreatedFilters*>(m_pMainFrame->m_pPropFrame->GetSheet());
}

void CMorvaneApp::ReloadFilterGrids()
{
    if (CUserCreatedFilters* sheet = GetFilterEditor())
        sheet->FiltersToAllGrids();
}

bool CMorvaneApp::UpdateFiltersFromGrids()
{
    CUserCreatedFilters* sheet = GetFilterEditor();
    return sheet && sheet->UpdateFiltersFromGrids();
}

void CMorvaneApp::EQGridToFilters()
{
    if (CUserCreatedFilters* sheet = GetFilterEditor())
        sheet->Page(kKindEQ).GridToFilters();
}

void CMorvaneApp::EQFiltersToGrid()
{
    if (CUserCreatedFilters* sheet = GetFilterEditor())
        sheet->Page(kKindEQ).FiltersToGrid();
}

bool CMorvaneApp::DeleteGridFilter(int kind, const std::string& label, bool bAsk)
{
    CUserCreatedFilters* sheet = GetFilterEditor();
    return sheet && IsFilterKind(kind) && sheet->Page(kind).Grid().DeleteFilter(label, bAsk);
}

int CMorvaneApp::TakeNextEQOutputOrder()
{
    return CFilterGridRows::TakeNextOutputOrder();
}
