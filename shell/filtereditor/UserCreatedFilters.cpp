#include "shell/filtereditor/UserCreatedFilters.h"

namespace
{
template <class TArray>
CFilterPage* MakePage(const CFilterPageSetup& setup, const CDocumentSource& document,
                      CUserCreatedFilters& sheet, TArray CFilterLists::*pList)
{
    return new CFilterPageOf<TArray>(setup, document, sheet, pList);
}
} // namespace

CUserCreatedFilters::CUserCreatedFilters(CDocumentSource document, QWidget* parent)
    : CEditorSheet(parent), m_Document(std::move(document))
{
    setWindowTitle("Edit Filters");
    using L = CFilterLists;
    const CDocumentSource& d = m_Document;
    // In the order of the tabs.
    CFilterPage* const pages[] = {
        MakePage({kKindEQ, 1047, "EQ", ""}, d, *this, &L::m_EQFilters),
        MakePage({kKindNT, 1053, "Notch", ""}, d, *this, &L::m_NotchFilters),
        MakePage({kKindTS, 1043, "Treble Shelf", ""}, d, *this, &L::m_TrebleShelfFilters),
        MakePage({kKindBS, 1048, "Bass Shelf", ""}, d, *this, &L::m_BassShelfFilters),
        MakePage({kKindC1HP, 1054, "Chebychev-1HP", "Chebychev Type 1 High Pass Filter"}, d, *this,
                 &L::m_Cheby_1HPFilters),
        MakePage({kKindC1LP, 1055, "Chebychev-1LP", "Chebychev Type 1 Low Pass Filter"}, d, *this,
                 &L::m_Cheby_1LPFilters),
        MakePage({kKindB1HP, 1076, "Butterworth-1HP", "Butterworth 1st Order HP Filter"}, d, *this,
                 &L::m_Butterworth_1HPFilters),
        MakePage({kKindB1LP, 1077, "Butterworth-1LP", "Butterworth 1st Order LP Filter"}, d, *this,
                 &L::m_Butterworth_1LPFilters),
        MakePage({kKindHPB, 1049, "Butterworth-2HP", "Butterworth 2nd Order HP Filter"}, d, *this,
                 &L::m_HighPass_BFilters),
        MakePage({kKindLPB, 1051, "Butterworth-2LP", "Butterworth 2nd Order LP Filter"}, d, *this,
                 &L::m_LowPass_BFilters),
        MakePage({kKindHPLR, 1050, "High Pass-LR", "High Pass Linkwitz-Riley Filter"}, d, *this,
                 &L::m_HighPass_LRFilters),
        MakePage({kKindLPLR, 1052, "Low Pass-LR", "Low Pass Linkwitz-Riley"}, d, *this,
                 &L::m_LowPass_LRFilters),
        MakePage({kKindLOPT, 1078, "Low Plateau", "Low Plateau"}, d, *this,
                 &L::m_LowPlateauFilters),
        MakePage({kKindHIPT, 1079, "High Plateau", "High Plateau"}, d, *this,
                 &L::m_HighPlateauFilters),
        MakePage({kKindVQLP, 1080, "Low Vari Q", "Low Variable Q"}, d, *this,
                 &L::m_LowVariQFilters),
        MakePage({kKindVQHP, 1081, "High Vari Q", "High Variable Q"}, d, *this,
                 &L::m_HighVariQFilters),
        MakePage({kKindALPS, 1082, "Allpass", "Allpass"}, d, *this, &L::m_AllpassFilters),
    };
    m_pLastActivePage = pages[0];
    for (CFilterPage* page : pages)
    {
        m_Pages[std::size_t(page->GetKind())] = page;
        addTab(page, QString::fromStdString(page->GetTabLabel()));
    }
    connect(this, &QTabWidget::currentChanged, this,
            [this](int index) { OnCurrentChanged(index); });
}

void CUserCreatedFilters::OnCurrentChanged(int index)
{
    auto* page = dynamic_cast<CFilterPage*>(widget(index));
    if (!page || page == m_pLastActivePage)
        return;
    if (m_pLastActivePage)
        m_pLastActivePage->OnKillActive();
    page->OnSetActive();
}

CFilterPage& CUserCreatedFilters::Page(int kind) const
{
    return *m_Pages.at(std::size_t(kind));
}

bool CUserCreatedFilters::ClearGrid(CFilterEditGrid& grid, bool bAsk)
{
    if (bAsk && !Ask("Do you want to delete all the filters on this page?"))
        return false;
    // What is being typed goes with the filters.
    grid.DiscardCellEdit();
    grid.Clear();
    grid.SetupGrid();
    grid.AddNewFilterRow();
    return true;
}

bool CUserCreatedFilters::ClearAllGrids()
{
    if (!Ask("Do you want to clear all the filters in all the pages in this grid control?"))
        return false;
    for (const EFilterKind kind : ParameterFileKindOrder())
        ClearGrid(Page(kind).Grid(), false);
    UpdateFiltersFromGrids();
    if (CMorvaneDoc* pDoc = m_Document ? m_Document() : nullptr)
        pDoc->m_FiltersInGridMode.TurnOff();
    return true;
}

bool CUserCreatedFilters::UpdateFiltersFromGrids()
{
    for (const EFilterKind kind : ParameterFileKindOrder())
        Page(kind).GridToFilters();
    return true;
}

void CUserCreatedFilters::FiltersToAllGrids()
{
    for (CFilterPage* page : m_Pages)
    {
        page->Grid().DiscardCellEdit();
        page->FiltersToGrid();
    }
}

void CUserCreatedFilters::hideEvent(QHideEvent* event)
{
    QTabWidget::hideEvent(event);
    m_pPageOnHide = m_pLastActivePage;
    if (m_pLastActivePage)
        m_pLastActivePage->OnKillActive();
}

void CUserCreatedFilters::showEvent(QShowEvent* event)
{
    QTabWidget::showEvent(event);
    if (m_pPageOnHide)
        setCurrentWidget(m_pPageOnHide);
    m_pPageOnHide = nullptr;
}
