// The master point editor and the file commands of the master point and filter parameter
// files in the application: the main frame's "Edit Master Points" mini frame holds the
// sheet of the three master point pages, the document reaches their grids through the
// application's services, and the commands run the document's operations.
#include "shell/masterpoints/EditMasterPoints.h"
#include "shell/ui/MainFrm.h"
#include "shell/ui/MiniFrame.h"
#include "shell/ui/MorvaneApp.h"
#include "shell/views/MorvaneView.h"

namespace
{
enum EMasterPointCommand : int
{
    ID_FILE_OPEN_FILTER_PARAMETERS = 32827,
    ID_FILE_OPEN_MASTER_POINTS = 32830,
    ID_FILE_SAVE_AS_MASTER_POINTS = 32832,
    ID_FILE_SAVE_MASTER_POINTS = 32833,
    ID_FILE_SAVE_FILTER_PARAMETERS = 32834,
    ID_FILE_SAVE_AS_FILTER_PARAMETERS = 32835,
    ID_EDIT_COPY_MASTER_POINTS = 32849,
    ID_EDIT_GENERATE_CURVES = 32852,
};
} // namespace

void CMorvaneApp::WireMasterPointEditor()
{
    m_pMainFrame->SetSheetFactory(
        CMainFrame::kMasterPointEditor,
        [this] { return new CEditMasterPoints([this] { return m_pMorvaneDoc; }); });
    // Commands of the document: disabled while there is none.
    const auto add = [this](int id, auto run, auto state)
    {
        AddCommand(
            id, [this, run] { run(*m_pMorvaneDoc); },
            [this, state] { return m_pMorvaneDoc ? state(*m_pMorvaneDoc) : CCommandState{}; });
    };
    // Commands that replace what a running calculation works on wait until it has ended.
    const auto idle = [](CMorvaneDoc& doc) {
        return CCommandState{!doc.IsCalculationCommandActive(), false};
    };
    const auto always = [](CMorvaneDoc&) { return CCommandState{true, false}; };
    add(
        ID_FILE_OPEN_MASTER_POINTS, [](CMorvaneDoc& doc) { doc.OnFileOpenMasterPointFile(); },
        always);
    for (const int id : {ID_FILE_SAVE_MASTER_POINTS, ID_FILE_SAVE_AS_MASTER_POINTS})
        add(
            id,
            [id](CMorvaneDoc& doc)
            {
                if (id == ID_FILE_SAVE_MASTER_POINTS)
                    doc.OnFileSaveMasterPointFile();
                else
                    doc.OnFileSaveAsMasterPointFile();
            },
            [](CMorvaneDoc& doc) { return doc.OnUpdateFileSaveMasterPointFile(); });
    add(
        ID_FILE_OPEN_FILTER_PARAMETERS,
        [](CMorvaneDoc& doc) { doc.OnFileOpenFilterParameterFile(); }, idle);
    add(
        ID_FILE_SAVE_FILTER_PARAMETERS, [](CMorvaneDoc& doc) { doc.OnFileSaveFilterParameters(); },
        [](CMorvaneDoc& doc) { return doc.OnUpdateFileSaveFilterParameters(); });
    add(
        ID_FILE_SAVE_AS_FILTER_PARAMETERS,
        [](CMorvaneDoc& doc) { doc.OnFileSaveAsFilterParameters(); },
        [](CMorvaneDoc& doc) { return doc.OnUpdateFileSaveFilterParameters(); });
    // Copy: while the response view holds a desired response curve.
    add(
        ID_EDIT_COPY_MASTER_POINTS, [](CMorvaneDoc& doc) { doc.OnEditCopyMasterPointsToGrid(); },
        [](CMorvaneDoc& doc)
        {
            const auto* pView = dynamic_cast<const CMorvaneView*>(doc.m_pResponseView);
            return CCommandState{pView && pView->m_DesiredCurveMode.IsOn(), false};
        });
    add(
        ID_EDIT_GENERATE_CURVES,
        [](CMorvaneDoc& doc) { doc.OnEditGenerateCurvesFromMasterPoints(); },
        [](CMorvaneDoc& doc) { return doc.OnUpdateEditGenerateCurvesFromMasterPoints(); });
}

CEditMasterPoints* CMorvaneApp::GetMasterPointEditor() const
{
    if (!m_pMainFrame || !m_pMainFrame->m_pMasterPtPropFrame)
        return nullptr;
    return dynamic_cast<CEditMasterPoints*>(m_pMainFrame->m_pMasterPtPropFrame->GetSheet());
}

bool CMorvaneApp::OpenMasterPointEditor(bool bFirstPage)
{
    CMiniFrame* frame =
        m_pMainFrame ? m_pMainFrame->OpenMiniFrame(CMainFrame::kMasterPointEditor) : nullptr;
    if (!frame || !GetMasterPointEditor())
        return false;
    if (bFirstPage)
        frame->GetSheet()->setCurrentIndex(0);
    return true;
}

CMasterPointGrids* CMorvaneApp::MasterPointGrids()
{
    CEditMasterPoints* sheet = GetMasterPointEditor();
    return sheet ? &sheet->Grids() : nullptr;
}

void CMorvaneApp::CommitMasterPointEdits()
{
    if (CEditMasterPoints* sheet = GetMasterPointEditor())
        sheet->CommitEdits();
}
