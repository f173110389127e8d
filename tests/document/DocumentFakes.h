// Recording views of the speaker document: each keeps the hints it received and holds
// real curves, so that the document's commands run without a display.
#pragma once

#include "document/DocumentServices.h"
#include "graph/Curve.h"
#include "graph/CurveFile.h"
#include "graph/ModeArray.h"

#include <cmath>
#include <functional>
#include <memory>
#include <string>
#include <vector>

// Sets the curve to the points, valid and laid out for the area and window.
inline void SetCurvePoints(CCurve& curve, const std::vector<CDoublePoint>& points,
                           const CRect& area, const CDoubleRect& window,
                           const std::string& name = "Curve")
{
    curve.Create(long(points.size()), 2, 0, 0, 1, 0, 0, 0, true, true, name);
    for (std::size_t i = 0; i < points.size(); ++i)
        curve.m_pDblPt[i] = points[i];
    curve.m_PointsAreValidMode.TurnOn();
    curve.LayoutInRect(area, &window);
}

// Writes a curve file of three flat curves (desired response, upper and lower bound) at
// the levels over the x values (log10 of Hz); false, with the reason, when it cannot.
inline bool WriteFlatCurveFile(const std::string& path, const std::vector<double>& xs,
                               const std::vector<double>& levels, const CRect& area,
                               const CDoubleRect& window, std::string* pError)
{
    std::vector<std::unique_ptr<CCurve>> curves;
    std::vector<const CCurve*> pointers;
    for (double level : levels)
    {
        std::vector<CDoublePoint> points;
        for (double x : xs)
            points.push_back({x, level});
        curves.push_back(std::make_unique<CCurve>());
        SetCurvePoints(*curves.back(), points, area, window);
        pointers.push_back(curves.back().get());
    }
    return CCurveFile::WriteCurves(path, pointers, pError);
}

class RecordingView
{
public:
    std::vector<int> hints;
    // Runs on every hint, after it was recorded (the view reading the document).
    std::function<void(int nHint)> onHint;
    CDoubleRect window{20.0, 1.0, -40.0, std::log10(24000.0)};
};

template <class Base> class RecordingViewOf : public Base, public RecordingView
{
public:
    void OnUpdate(IDocumentView*, int nHint) override
    {
        hints.push_back(nHint);
        if (onHint)
            onHint(nHint);
    }
    CDoubleRect GetDataWindow() const override { return window; }
    void SetDataWindow(const CDoubleRect& w) override { window = w; }
};

class FakeResponseView : public RecordingViewOf<IResponseView>
{
public:
    FakeResponseView()
    {
        for (auto& curve : curves)
            curve = std::make_unique<CCurve>();
    }
    CCurve* GetCurve(ECurve which) override { return curves[which].get(); }
    CRect GetPlotArea() const override { return area; }
    bool IsNewCurveModeOn() const override { return newCurveMode; }
    int GetNewCurveMasterPointCount() const override { return masterPoints; }
    bool BuildNewCurve() override
    {
        ++builds;
        CCurve& desired = *curves[kDesiredCurve];
        desired.FromMasterPoints();
        return true;
    }
    void EndNewCurveMode() override { newCurveMode = false; }
    // As the view keeps its desired-curves mode: the last hint that sets or clears it.
    bool AreDesiredCurvesShown() const override
    {
        for (auto it = hints.rbegin(); it != hints.rend(); ++it)
        {
            if (*it == 3 || *it == 7 || *it == 8)
                return true;
            if (*it == 1 || *it == 6)
                return false;
        }
        return false;
    }
    void StartReplaceCurveSection() override { ++replaceStarts; }
    // The curve as the view makes it: the raw curve's x values, y from the raw curve.
    CCurve* ResetCurveOnRawGrid(ECurve which) override
    {
        if (which != kDesiredCurve && which != kUpperBound && which != kLowerBound)
            return nullptr;
        const CCurve& raw = *curves[kRawCurve];
        std::vector<CDoublePoint> points(raw.m_pDblPt.get(),
                                         raw.m_pDblPt.get() + raw.GetTotalPoints());
        SetCurvePoints(*curves[which], points, area, window);
        ++resets[which];
        return curves[which].get();
    }

    std::unique_ptr<CCurve> curves[5];
    CRect area{220, 2780, 4000, 220};
    bool newCurveMode = false;
    int masterPoints = 0;
    int builds = 0;
    int replaceStarts = 0;
    int resets[5] = {};
};

class FakePhaseView : public RecordingViewOf<IPhaseView>
{
public:
    FakePhaseView()
    {
        for (auto& curve : curves)
            curve = std::make_unique<CCurve>();
    }
    CCurve* GetCurve(ECurve which) override { return curves[which].get(); }
    std::unique_ptr<CCurve> curves[2];
};

class FakeFilterView : public RecordingViewOf<IFilterView>
{
public:
    FakeFilterView()
    {
        for (CMode& mode : editModes)
            editModeSet.Add(&mode);
    }
    void RebuildFilterCurves() override { ++rebuilds; }
    CMode& GetEditMode(EEditMode which) override { return editModes[which]; }
    CModeArray& GetEditModeSet() override { return editModeSet; }
    void OnEditModeChanged() override { ++editModeChanges; }
    int rebuilds = 0;
    CMode editModes[5];
    CModeArray editModeSet;
    int editModeChanges = 0;
};

class FakePhaseFilterView : public RecordingViewOf<IDocumentView>
{
};

class RecordingFamilyManager : public IFamilyDataFileNames
{
public:
    void SetDataFileNameFromRaw(const std::string& rawPath) override { paths.push_back(rawPath); }
    std::vector<std::string> paths;
};
