// One page of the filter editor: the edit grid of one filter kind above the buttons
// "Close", "Clear" and "Clear All". The page fills its grid from the speaker document's
// list of its kind when it becomes the current page (FiltersToGrid) and, when the grid was
// filled or edited since, rebuilds the list from the grid when it is left
// (GridToFilters). Every call finds the list through the current document, so a page
// never holds on to a list the document has since replaced.
#pragma once

#include "document/MorvaneDoc.h"
#include "filters/FilterGridTransfer.h"
#include "graph/Mode.h"
#include "shell/filtereditor/DocumentSource.h"
#include "shell/filtereditor/FilterEditGrid.h"

#include <QWidget>

#include <functional>
#include <string>

class CUserCreatedFilters;

// What tells one page from another.
struct CFilterPageSetup
{
    int nKind;
    unsigned nGridId;
    std::string strTabLabel; // the tab's title
    std::string strTitle;    // the static title above the grid; empty for none
};

class CFilterPage : public QWidget
{
public:
    CFilterPage(const CFilterPageSetup& setup, CDocumentSource document,
                CUserCreatedFilters& sheet);

    // Fills the grid from the document's list; turns the document's filters-present mode
    // on when the list holds filters. Always true.
    virtual bool FiltersToGrid() = 0;
    // Rebuilds the document's list from the grid. Always true.
    virtual bool GridToFilters() = 0;

    bool OnSetActive();
    bool OnKillActive();
    // The grid's change notification.
    void OnGridEdited();

    CFilterEditGrid& Grid() { return *m_pGrid; }
    const std::string& GetTabLabel() const { return m_Setup.strTabLabel; }
    int GetKind() const { return m_Setup.nKind; }

    // On: the grid is written back into the list when the page is left.
    CMode m_GridEditedMode;

protected:
    CMorvaneDoc* Document() const { return m_Document ? m_Document() : nullptr; }

private:
    void OnClear();
    void OnDeleteRequest(const std::string& name);

    CFilterPageSetup m_Setup;
    CDocumentSource m_Document;
    CUserCreatedFilters& m_Sheet;
    CFilterEditGrid* m_pGrid;
};

// The page of one kind's list, reached as a member of the document's filter lists.
template <class TArray> class CFilterPageOf : public CFilterPage
{
public:
    CFilterPageOf(const CFilterPageSetup& setup, CDocumentSource document,
                  CUserCreatedFilters& sheet, TArray CFilterLists::*pList)
        : CFilterPage(setup, std::move(document), sheet), m_pList(pList)
    {
    }

    bool FiltersToGrid() override
    {
        CMorvaneDoc* pDoc = Document();
        TArray empty;
        const int n = ::FiltersToGrid(Grid(), pDoc ? pDoc->m_FilterLists.*m_pList : empty);
        if (pDoc && n > 0)
            pDoc->m_FiltersInGridMode.TurnOn();
        m_GridEditedMode.TurnOn();
        return true;
    }

    bool GridToFilters() override
    {
        if (CMorvaneDoc* pDoc = Document())
            ::GridToFilters(Grid(), pDoc->m_FilterLists.*m_pList, pDoc->m_nSamplingFrequency);
        return true;
    }

private:
    TArray CFilterLists::*m_pList;
};

using CEQFilter = CFilterPageOf<CDigEQFilterArray>;
using CTrebleShelfFilter = CFilterPageOf<CDigTrebleShelfArray>;
using CBassShelfFilter = CFilterPageOf<CDigBassShelfArray>;
using CHighPassFilter = CFilterPageOf<CDigHighPass_BArray>;
using CHighPassFilter_LR = CFilterPageOf<CDigHighPass_LRArray>;
using CLowPassFilter = CFilterPageOf<CDigLowPass_BArray>;
using CLowPassFilter_LR = CFilterPageOf<CDigLowPass_LRArray>;
using CNotchFilter = CFilterPageOf<CDigNotchArray>;
using CChebychev_1HP = CFilterPageOf<CDigCheby_1HPArray>;
using CChebychev_1LP = CFilterPageOf<CDigCheby_1LPArray>;
using CButterworth1HP = CFilterPageOf<CDigButterworth_1HPArray>;
using CButterworth1LP = CFilterPageOf<CDigButterworth_1LPArray>;
using CGenericFilter = CFilterPageOf<CDigGenericFilterArray>;
