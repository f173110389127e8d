// The master points of the speaker document: the master point file (".mpt") read into and
// written from the three grids of the master point editor, the curves built from the
// grids, and the grids filled from the curves' master points.
#include "document/DocumentStrings.h"
#include "document/MasterPointEditing.h"
#include "document/MasterPtFile.h"
#include "document/MorvaneDoc.h"
#include "graph/Convert.h"
#include "graph/Curve.h"
#include "graph/MatrixUtilities.h"
#include "graph/MorvaneUtilities.h"
#include "graph/ResourceString.h"

#include <array>

namespace
{
// The grids in file section order (desired, upper, lower).
std::array<CMasterPtGridRows*, 3> SectionGrids(const CMasterPointGrids& grids)
{
    return {&grids.desired, &grids.upper, &grids.lower};
}
} // namespace

void CMorvaneDoc::OnFileOpenMasterPointFile()
{
    std::string path;
    CMasterPtFile file;
    if (!file.OpenForRead(path))
    {
        // A refused file is named with its line; the grids stay.
        if (file.GetErrorLine() > 0)
            m_App.ShowFileReadError(path, file.GetErrorLine(), file.GetError());
        else if (!file.GetError().empty())
            ShowMessage(file.GetError());
        return;
    }
    CMasterPointGrids* pGrids =
        m_App.OpenMasterPointEditor(true) ? m_App.MasterPointGrids() : nullptr;
    if (!pGrids)
        return;
    m_MasterPointFile.SetName(path);
    ClearAllGrids(*pGrids);
    int nSection = CMasterPtFile::kDesiredResponse;
    for (CMasterPtGridRows* pGrid : SectionGrids(*pGrids))
        file.ReadSection(nSection++, pGrid);
    file.Close();
    m_MasterPointFile.TurnOn();
    m_MasterPointFile.m_ChangedMode.TurnOff();
    if (const std::string note = file.GetSkippedLinesNote(); !note.empty())
        ShowMessage(note);
}

bool CMorvaneDoc::SaveMasterPointsTo(std::string& path, bool bAsk)
{
    CMasterPointGrids* pGrids = m_App.MasterPointGrids();
    if (!pGrids)
        return false;
    m_App.CommitMasterPointEdits();
    CMasterPtFile file;
    if (!file.OpenForWrite(path, bAsk))
        return false;
    int nSection = CMasterPtFile::kDesiredResponse;
    bool ok = true;
    for (const CMasterPtGridRows* pGrid : SectionGrids(*pGrids))
        ok = ok && file.WriteSection(nSection++, pGrid);
    if (!file.Close() || !ok)
    {
        ReportSaveFailure(file.GetError());
        return false;
    }
    m_MasterPointFile.m_ChangedMode.TurnOff();
    return true;
}

bool CMorvaneDoc::OnFileSaveMasterPointFile()
{
    std::string path = m_MasterPointFile.GetName();
    return SaveMasterPointsTo(path, path.empty());
}

bool CMorvaneDoc::OnFileSaveAsMasterPointFile()
{
    std::string path = m_MasterPointFile.GetName();
    if (!SaveMasterPointsTo(path, true))
        return false;
    m_MasterPointFile.SetName(path);
    return true;
}

CCommandState CMorvaneDoc::OnUpdateFileSaveMasterPointFile() const
{
    return {m_App.MasterPointGrids() != nullptr, false};
}

void CMorvaneDoc::OnEditCopyMasterPointsToGrid()
{
    CMasterPointGrids* pGrids =
        m_App.OpenMasterPointEditor(false) ? m_App.MasterPointGrids() : nullptr;
    if (!pGrids || !m_pResponseView)
        return;
    ClearAllGrids(*pGrids);
    const std::array<IResponseView::ECurve, 3> curves = {
        IResponseView::kDesiredCurve, IResponseView::kUpperBound, IResponseView::kLowerBound};
    const std::array<CMasterPtGridRows*, 3> grids = SectionGrids(*pGrids);
    for (std::size_t i = 0; i < curves.size(); ++i)
        if (const CCurve* pCurve = m_pResponseView->GetCurve(curves[i]))
            FillGridFromMasterPoints(*pCurve, *grids[i]);
    m_MasterPointFile.MarkNewContent();
}

bool CMorvaneDoc::OnEditGenerateCurvesFromMasterPoints()
{
    // The curves stay as they are while a calculation works on them.
    CMasterPointGrids* pGrids = m_App.MasterPointGrids();
    if (!pGrids || !m_pResponseView || m_bInCalculationCommand)
        return false;
    m_App.CommitMasterPointEdits();
    // Both offset grids are filled, whether or not the first one changed.
    const bool bUpperFilled = FillOffsetGrid(pGrids->desired, pGrids->upper, m_dUpperToleranceDb);
    const bool bLowerFilled = FillOffsetGrid(pGrids->desired, pGrids->lower, m_dLowerToleranceDb);
    if (bUpperFilled || bLowerFilled)
        m_MasterPointFile.MarkNewContent();
    // Every grid is checked before any curve changes.
    const std::array<CMasterPtGridRows*, 3> grids = SectionGrids(*pGrids);
    const unsigned names[] = {IDS_DESIRED_PAGE, IDS_UPPER_PAGE, IDS_LOWER_PAGE};
    std::array<std::vector<CDoublePoint>, 3> points;
    for (std::size_t i = 0; i < grids.size(); ++i)
    {
        const std::string page = " \"" + std::string(CResourceString(names[i])) + "\"";
        if (const int nRow = FirstIncompleteRow(*grids[i]))
        {
            // A row of two numbers that make no point is out of range, not incomplete.
            const unsigned why =
                grids[i]->HoldsBothValues(nRow) ? IDS_POINT_OUT_OF_RANGE : IDS_HALF_FILLED_POINT;
            ShowMessage(CResourceString(why) + " " + grids[i]->GetTextMatrix(nRow, 0) + " in" +
                        page + ".");
            return false;
        }
        points[i] = CurvePoints(*grids[i]);
        const int nDistinct = CountDistinctFrequencies(points[i]);
        if (nDistinct < 2)
        {
            ShowMessage(CResourceString(IDS_TOO_FEW_MASTER_POINTS) + page + ": " +
                        IntToString(nDistinct) + ".");
            return false;
        }
    }
    const std::array<IResponseView::ECurve, 3> curves = {
        IResponseView::kDesiredCurve, IResponseView::kUpperBound, IResponseView::kLowerBound};
    mwMatrix* const targets[] = {&m_DesiredResponse, &m_UpperTolerance, &m_LowerTolerance};
    for (std::size_t i = 0; i < curves.size(); ++i)
    {
        CCurve* pCurve = m_pResponseView->ResetCurveOnRawGrid(curves[i]);
        if (pCurve && BuildCurveFromPoints(*pCurve, points[i]))
            CurveValuesToMatrix(pCurve, targets[i]);
    }
    UpdateAllViews(m_pFilterView, kHintSettingsApplied);
    m_DesiredCurveFile.MarkNewContent();
    return true;
}

CCommandState CMorvaneDoc::OnUpdateEditGenerateCurvesFromMasterPoints() const
{
    const CMasterPointGrids* pGrids = m_App.MasterPointGrids();
    return {pGrids && pGrids->desired.GetRows() > 3 && m_pResponseView && !m_bInCalculationCommand,
            false};
}
