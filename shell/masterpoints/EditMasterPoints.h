// The master point editor ("Edit Master Points"): a modeless sheet of three pages, the
// desired response, upper tolerance and lower tolerance points, that the main frame keeps
// in a mini frame for the whole run. The speaker document reaches the three grids through
// the application (Grids); closing the editor hides it, the grids keep their points.
#pragma once

#include "document/MasterPointEditing.h"
#include "shell/filtereditor/DocumentSource.h"
#include "shell/filtereditor/EditorSheet.h"

#include <memory>

class CDesiredResponseMasterPts;
class CLowerToleranceMasterPoints;
class CMasterPointPage;
class CUpperToleranceMasterPts;

class CEditMasterPoints : public CEditorSheet
{
public:
    explicit CEditMasterPoints(CDocumentSource document, QWidget* parent = nullptr);
    ~CEditMasterPoints() override;

    CDesiredResponseMasterPts& DesiredPage() const { return *m_pDesired; }
    CUpperToleranceMasterPts& UpperPage() const { return *m_pUpper; }
    CLowerToleranceMasterPoints& LowerPage() const { return *m_pLower; }
    CMasterPointGrids& Grids() { return *m_pGrids; }

    // Ends what the user is typing: open cell edits are committed, offsets typed on the
    // desired page go into the document (what is refused stays typed, after its message).
    void CommitEdits();
    CMorvaneDoc* Document() const { return m_Document ? m_Document() : nullptr; }

    // The page made current last.
    CMasterPointPage* m_pActivePage = nullptr;

protected:
    void hideEvent(QHideEvent* event) override;

private:
    // A page whose typed values are refused stays the current one, as in the settings sheet.
    void OnCurrentChanged(int index);

    CDocumentSource m_Document;
    CDesiredResponseMasterPts* m_pDesired;
    CUpperToleranceMasterPts* m_pUpper;
    CLowerToleranceMasterPoints* m_pLower;
    std::unique_ptr<CMasterPointGrids> m_pGrids;
    bool m_bRevertingPage = false;
};
