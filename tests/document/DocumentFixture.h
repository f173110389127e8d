// A speaker document with recording views, scripted file dialogs and a recording message
// box, in a temporary folder that is also the working directory.
#pragma once

#include "document/HeadlessAppServices.h"
#include "document/MorvaneDoc.h"
#include "framework/core/Services.h"
#include "graph/MatrixUtilities.h"
#include "tests/document/DocumentFakes.h"
#include "tests/document/TempFolder.h"

#include <gtest/gtest.h>

#include <complex>
#include <memory>
#include <vector>

inline std::vector<std::complex<double>> ComplexValues(const mwMatrix& m)
{
    const int n = m.NumberOfElements();
    std::vector<double> re(static_cast<std::size_t>(n)), im(static_cast<std::size_t>(n), 0.0);
    std::vector<std::complex<double>> v;
    if (n == 0)
        return v;
    if (mxIsComplex(m.GetData()))
        m.CopyComplexTo(re.data(), im.data());
    else
        m.CopyRealTo(re.data());
    for (int i = 0; i < n; ++i)
        v.emplace_back(re[std::size_t(i)], im[std::size_t(i)]);
    return v;
}

// TApp: the application services, those of a run without a screen unless a test needs
// more of them (the filter grids, say).
template <class TApp> class DocumentTestOf : public ::testing::Test
{
protected:
    void SetUp() override
    {
        directory = std::make_unique<CMemoryWorkingDirectory>(folder.Root());
        Services::SetMessageBox(&messages);
        Services::SetFileDialogs(&dialogs);
        Services::SetWorkingDirectory(directory.get());
        app.m_pFamilyManager = &family;
        doc = std::make_unique<CMorvaneDoc>(app);
        doc->OnNewDocument();
        doc->m_pResponseView = &response;
        doc->m_pPhaseView = &phase;
        doc->m_pFilterView = &filter;
        doc->m_pPhaseFilterView = &phaseFilter;
    }
    void TearDown() override
    {
        doc.reset();
        Services::SetMessageBox(nullptr);
        Services::SetFileDialogs(nullptr);
        Services::SetWorkingDirectory(nullptr);
    }

    // Writes the text as a file in the folder and opens it as the raw response.
    bool Open(const std::string& name, const std::string& text)
    {
        WriteFileBytes(folder.Path(name), text);
        return doc->OpenRawResponseFile(folder.Path(name));
    }

    // Gives the views the curves of the document's raw response, as the shell's views
    // build them on the update hints.
    void ShowRawCurves()
    {
        const std::vector<double> x = Values(doc->m_LogFrequencies);
        const std::vector<double> y = Values(doc->m_RawMagnitudeDb);
        const std::vector<double> p = Values(doc->m_RawPhase);
        std::vector<CDoublePoint> raw, ph;
        for (std::size_t i = 0; i < x.size(); ++i)
        {
            raw.push_back({x[i], y[i]});
            ph.push_back({x[i], p[i]});
        }
        SetCurvePoints(*response.curves[IResponseView::kRawCurve], raw, response.area,
                       response.window, "Raw Curve");
        SetCurvePoints(*phase.curves[IPhaseView::kPhaseCurve], ph, response.area, phase.window,
                       "Phase Curve");
    }

    TempFolder folder;
    std::unique_ptr<CMemoryWorkingDirectory> directory;
    CRecordingMessageBox messages;
    CScriptedFileDialogs dialogs;
    TApp app;
    RecordingFamilyManager family;
    FakeResponseView response;
    FakePhaseView phase;
    FakeFilterView filter;
    FakePhaseFilterView phaseFilter;
    std::unique_ptr<CMorvaneDoc> doc;
};

using DocumentTest = DocumentTestOf<CHeadlessAppServices>;
