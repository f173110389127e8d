// A speaker view (response or phase) on a real speaker document, offscreen, 800 by 600
// pixels, with what its paints draw recorded.
#pragma once

#include "framework/core/RecordingDC.h"
#include "tests/shell/RecordedDrawing.h"
#include "tests/document/CalculationFixture.h"
#include "tests/graph/TrueAxisLabels.h"
#include "tests/framework/QtTestApp.h"
#include "tests/shell/GraphPixels.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

inline mwMatrix ColumnOf(std::vector<double> values)
{
    return mwMatrix(int(values.size()), 1, values.data(), nullptr, 1);
}

inline std::vector<double> YValues(const CCurve& curve)
{
    std::vector<double> y;
    for (long i = 0; i < curve.GetTotalPoints(); ++i)
        y.push_back(curve.m_pDblPt[i].y);
    return y;
}

template <class View> class SpeakerViewTest : public CalculationTest
{
protected:
    void SetUp() override
    {
        TestApp();
        CalculationTest::SetUp();
        view = std::make_unique<View>(*doc);
        view->resize(800, 600);
        view->OnInitialUpdate();
    }
    void TearDown() override
    {
        view.reset();
        CalculationTest::TearDown();
    }

    // The document's log frequencies become values.size() points from 20 Hz to 20 kHz and
    // its member the values; the views are told by the hint.
    void SetDocumentCurve(mwMatrix CMorvaneDoc::*pMember, const std::vector<double>& values,
                          int nHint)
    {
        std::vector<double> x;
        for (std::size_t i = 0; i < values.size(); ++i)
            x.push_back(std::log10(20.0) + 3.0 * double(i) / double(values.size() - 1));
        doc->m_LogFrequencies = ColumnOf(x);
        (*doc).*pMember = ColumnOf(values);
        doc->UpdateAllViews(nullptr, nHint);
    }

    // Draws the view as a paint of its client area does; the pixel at the plot corner
    // tells whether the graph is still on the screen (black: it is).
    CRecordingDC& Paint(COLORREF plotCorner = 0, double dCharWidthPerHeight = 0.0)
    {
        dc = std::make_unique<CRecordingDC>();
        dc->SetPixelColor(plotCorner);
        dc->SetCharWidthPerHeight(dCharWidthPerHeight);
        view->OnDraw(dc.get());
        return *dc;
    }
    // Gives the view of the settings sheet's index (0 response, 1 phase) the range through
    // the document, as the sheet's Apply does but without the sheet's bounds, with its
    // automatic scaling off, and paints it.
    void PaintWithRange(std::size_t iView, double dLowValue, double dHighValue, double dLowHz,
                        double dHighHz)
    {
        CSettingsSheetValues values;
        doc->FillSettingsSheet(values);
        values.views[iView] = {dLowHz, dHighHz, dLowValue, dHighValue, false};
        doc->TakeSettingsSheet(values);
        doc->ApplySettings();
        doc->UpdateAllViews(nullptr, kHintSettingsApplied);
        Paint();
    }
    // The value labels of both axes of the last paint are true to the view's window and
    // stand at their own lines: the numbers right-aligned left of the plot, labelled
    // every verticalStep, and those under it, every decade; none is missing that would
    // have room at its line.
    void ExpectTrueAxes(const std::string& name, double verticalStep) const
    {
        ExpectAxesAtTheirLines(dc->Calls(), view->GetGraph(), view->GetDataWindow(),
                               {verticalStep, 1.0, true, false, 10, dc->GetCharWidthPerHeight()},
                               name);
    }
    int CurvesDrawnIn(COLORREF color) const { return ::CurvesDrawnIn(*dc, color); }
    bool HasText(const std::string& text) const { return ::HasText(*dc, text); }
    CPoint PixelOf(const CCurve& curve, long i) const
    {
        return PixelOfPoint(view->GetGraph(), curve, i);
    }

    std::unique_ptr<View> view;
    std::unique_ptr<CRecordingDC> dc;
};
