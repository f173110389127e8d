// The filter editor ("Edit Filters"): one modeless sheet of seventeen pages, one per
// filter kind, that the main frame keeps in a mini frame for the whole run. Switching
// pages writes the page left back into its document list and fills the page entered
// from its list; hiding the editor writes back the current page, and showing it again
// returns to the page that was current.
#pragma once

#include "shell/filtereditor/EditorSheet.h"
#include "shell/filtereditor/FilterPage.h"

#include <array>
#include <functional>
#include <string>

class CUserCreatedFilters : public CEditorSheet
{
public:
    explicit CUserCreatedFilters(CDocumentSource document, QWidget* parent = nullptr);

    // "Clear" of a page: after the question when bAsk (No: false, nothing changed), the
    // grid is emptied and laid out anew. The document is not touched.
    bool ClearGrid(CFilterEditGrid& grid, bool bAsk);
    // "Clear All": after the question, every grid is emptied, every list rebuilt from it
    // and the document's filters-present mode turned off.
    bool ClearAllGrids();
    // Every page writes its grid into its list, in the order EQ, TS, BS, HPB, HPLR, LPB,
    // LPLR, NT, C1HP, C1LP, B1HP, B1LP, LOPT, HIPT, VQLP, VQHP, ALPS.
    bool UpdateFiltersFromGrids();
    // Every page fills its grid from its list again, after the lists were replaced; an
    // edit open in a grid is dropped.
    void FiltersToAllGrids();
    // The page of a filter kind (0 to 16).
    CFilterPage& Page(int kind) const;

    // The page activated last.
    CFilterPage* m_pLastActivePage = nullptr;

protected:
    void hideEvent(QHideEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void OnCurrentChanged(int index);

    CDocumentSource m_Document;
    // By kind.
    std::array<CFilterPage*, kFilterKindCount> m_Pages{};
    CFilterPage* m_pPageOnHide = nullptr;
};
