// One page of the master point editor: a master point grid with the page's buttons. The
// page marks the speaker document's master point file unsaved whenever its points change
// (typed values, deletions, clearing, offsets, extension from the desired grid), and
// makes itself the sheet's active page when it becomes or stops being the current page.
#pragma once

#include "graph/Mode.h"
#include "shell/masterpoints/MasterPtEditGrid.h"

#include <QWidget>

#include <string>

class CEditMasterPoints;
class CMorvaneDoc;
class QVBoxLayout;

class CMasterPointPage : public QWidget
{
public:
    CMasterPointPage(CEditMasterPoints& sheet, const std::string& caption, unsigned uGridId,
                     bool bReadOnly);

    virtual bool OnSetActive();
    virtual bool OnKillActive();

    CMasterPtEditGrid& Grid() { return *m_pGrid; }
    const std::string& GetCaption() const { return m_strCaption; }

    // The document's master point file holds unsaved changes.
    void MarkPointsChanged();

protected:
    CMorvaneDoc* Document() const;
    QVBoxLayout* Layout() const { return m_pLayout; }

    CEditMasterPoints& m_Sheet;
    // On until the page was first made current.
    CMode m_FirstActivationMode;

private:
    std::string m_strCaption;
    QVBoxLayout* m_pLayout;
    CMasterPtEditGrid* m_pGrid;
};
