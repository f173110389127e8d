// The speaker document's desired response commands: the desired response curve file,
// new curves from clicked master points and the graphical replacement of a section.
#include "document/MorvaneDoc.h"
#include "graph/Curve.h"
#include "graph/CurveEdit.h"
#include "graph/CurveFile.h"
#include "graph/MorvaneUtilities.h"

#include <array>
#include <memory>

namespace
{
// The view's three curves in file order: desired response, upper bound, lower bound.
constexpr std::array<IResponseView::ECurve, 3> kDesiredCurves = {
    IResponseView::kDesiredCurve, IResponseView::kUpperBound, IResponseView::kLowerBound};

std::array<CCurve*, 3> DesiredCurvesOf(IResponseView* pView)
{
    std::array<CCurve*, 3> curves{};
    for (std::size_t i = 0; i < curves.size(); ++i)
        curves[i] = pView ? pView->GetCurve(kDesiredCurves[i]) : nullptr;
    return curves;
}
} // namespace

void CMorvaneDoc::CopyViewCurvesToMatrices()
{
    const std::array<CCurve*, 3> curves = DesiredCurvesOf(m_pResponseView);
    mwMatrix* const targets[] = {&m_DesiredResponse, &m_UpperTolerance, &m_LowerTolerance};
    for (std::size_t i = 0; i < curves.size(); ++i)
        if (curves[i])
            CurveValuesToMatrix(curves[i], targets[i]);
}

void CMorvaneDoc::OnFileOpenDesiredResponse()
{
    if (!m_pResponseView)
        return;
    const std::array<CCurve*, 3> viewCurves = DesiredCurvesOf(m_pResponseView);
    const CCurve* pRaw = m_pResponseView->GetCurve(IResponseView::kRawCurve);
    if (!pRaw || !viewCurves[0] || !viewCurves[1] || !viewCurves[2])
        return;
    std::string path;
    CCurveFile file;
    if (!file.OpenForRead(path))
    {
        if (!file.GetError().empty())
            ShowMessage(file.GetError());
        return;
    }
    // All three curves are read before any view curve changes.
    const CRect area = m_pResponseView->GetPlotArea();
    const CDoubleRect window = m_pResponseView->GetDataWindow();
    std::array<std::unique_ptr<CCurve>, 3> read;
    int nCount = 0;
    bool ok = file.ReadCount(&nCount);
    for (auto& curve : read)
    {
        curve = std::make_unique<CCurve>();
        ok = ok && file.ReadCurve(curve.get(), &area, &window);
    }
    file.Close();
    if (!ok)
    {
        ShowMessage(file.GetError());
        return;
    }
    m_DesiredCurveFile.SetName(path);
    const bool bSameX = CCurveEdit::HaveSameX(read[0].get(), pRaw);
    for (std::size_t i = 0; i < read.size(); ++i)
    {
        CCurve* pDest = viewCurves[i];
        if (bSameX)
            CCurveEdit::CopyCurve(read[i].get(), pDest, pDest->GetColor(), pDest->GetKind(),
                                  pDest->GetTag(), pDest->GetName());
        else
            CCurveEdit::ResampleCurve(pRaw, read[i].get(), pDest, pDest->GetName());
    }
    CopyViewCurvesToMatrices();
    UpdateAllViews(nullptr, kHintDesiredCurvesRead);
    // The curves are those of the file.
    m_DesiredCurveFile.TurnOn();
    m_DesiredCurveFile.m_ChangedMode.TurnOff();
}

namespace
{
// Writes the three curves to path; an empty path asks for one, offering the name given.
// FALSE on cancel (error empty) or failure (error set).
bool SaveDesiredCurves(std::string& path, const std::string& offeredName,
                       const std::array<CCurve*, 3>& curves, std::string& error)
{
    CCurveFile file;
    if (!file.OpenForWrite(path, offeredName))
        return false;
    const int nCount = int(curves.size());
    bool ok = file.WriteCount(&nCount);
    for (const CCurve* pCurve : curves)
        ok = ok && pCurve && file.WriteCurve(pCurve);
    ok = file.Close() && ok;
    if (!ok)
        error = file.GetError();
    return ok;
}
} // namespace

bool CMorvaneDoc::SaveDesiredResponseTo(std::string& path)
{
    if (m_DesiredCurveFile.IsOff())
        return false;
    std::string error;
    if (SaveDesiredCurves(path, m_DesiredCurveFile.GetName(), DesiredCurvesOf(m_pResponseView),
                          error))
    {
        m_DesiredCurveFile.m_ChangedMode.TurnOff();
        return true;
    }
    if (!error.empty())
        ReportSaveFailure(error);
    return false;
}

void CMorvaneDoc::OnFileSaveDesiredResponse()
{
    std::string path = m_DesiredCurveFile.GetName();
    if (!path.empty())
        SaveDesiredResponseTo(path);
}

void CMorvaneDoc::OnFileSaveAsDesiredResponse()
{
    if (m_DesiredCurveFile.IsOff())
        return;
    std::string path;
    std::string error;
    if (SaveDesiredCurves(path, m_DesiredCurveFile.GetName(), DesiredCurvesOf(m_pResponseView),
                          error))
    {
        m_DesiredCurveFile.SetName(path);
        m_DesiredCurveFile.m_ChangedMode.TurnOff();
    }
    else if (!path.empty())
        ReportSaveFailure(error);
}

void CMorvaneDoc::OnEditCreateNewDesiredResponseCurve()
{
    if (!m_pResponseView)
        return;
    if (m_DesiredCurveFile.IsOn())
    {
        if (!m_App.AskVerifyNewCurves())
            return;
        m_DesiredCurveFile.TurnOff();
    }
    if (!m_pResponseView->IsNewCurveModeOn())
    {
        UpdateAllViews(nullptr, kHintNewDesiredCurveStarted);
        return;
    }
    if (m_pResponseView->GetNewCurveMasterPointCount() <= 1)
    {
        m_pResponseView->EndNewCurveMode();
        return;
    }
    m_pResponseView->BuildNewCurve();
    if (CCurve* pDesired = m_pResponseView->GetCurve(IResponseView::kDesiredCurve))
        pDesired->ComputeExtent();
    m_pResponseView->EndNewCurveMode();
    UpdateAllViews(nullptr, kHintNewDesiredCurveBuilt);
    CopyViewCurvesToMatrices();
    m_DesiredCurveFile.MarkNewContent();
}

void CMorvaneDoc::OnEditReplaceCurveSection()
{
    if (!m_pResponseView)
        return;
    m_ReplaceSectionMode.TurnOn();
    m_pResponseView->StartReplaceCurveSection();
}

CCommandState CMorvaneDoc::OnUpdateFileOpenDesiredResponse() const
{
    return {m_RawFile.IsOn() != 0, false};
}

CCommandState CMorvaneDoc::OnUpdateFileSaveDesiredResponse() const
{
    return {m_DesiredCurveFile.IsOn() != 0, false};
}

CCommandState CMorvaneDoc::OnUpdateFileSaveAsDesiredResponse() const
{
    return {m_DesiredCurveFile.IsOn() != 0, false};
}

CCommandState CMorvaneDoc::OnUpdateEditCreateNewDesiredResponseCurve() const
{
    return {m_RawFile.IsOn() != 0, m_pResponseView && m_pResponseView->IsNewCurveModeOn()};
}

CCommandState CMorvaneDoc::OnUpdateEditReplaceCurveSection() const
{
    return {m_pResponseView && m_RawFile.IsOn(), m_ReplaceSectionMode.IsOn() != 0};
}
