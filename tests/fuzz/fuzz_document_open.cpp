// The speaker document's own open paths after the files are parsed, through the document
// with recording views: a raw response file (first-point repair, log10 of the
// frequencies, the unwrapped phase, the frequency limits) and then a desired response
// file (three curves, copied when their x are the raw curve's, resampled onto the raw
// curve otherwise).
//
// An accepted raw response gives the document columns of one length and limits within
// the sample rate's half; a refused one leaves the document as it was. An accepted
// desired response file gives the three curves the raw curve's length and x; a refused
// one leaves them as they were. A curve file is accepted only when the frequencies of its
// curves never go backwards, and every level taken lies within the levels of the curve it
// came from. Every point taken is one a response holds, and the curves saved with Save As
// Desired Response open again as the same points.
//
// Input: one selector byte (phase column mode, sample rate, whether a raw file is opened
// or the start-up response kept, whether the curve file is taken as it is or built from
// points), two bytes of raw file length (little-endian), the raw file text, then the
// curve file's bytes or the points its three curves are built from (so that the copy and
// resample paths are reached with files the curve reader accepts: their frequencies are
// put in order unless a bit of the points says not to).
#include "document/HeadlessAppServices.h"
#include "document/MorvaneDoc.h"
#include "graph/CurveFile.h"
#include "tests/document/DocumentFakes.h"
#include "tests/fuzz/FuzzSupport.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

namespace
{
std::string Folder()
{
    static const std::string folder = FuzzFolder("doc");
    return folder;
}

std::string WriteFile(const std::string& name, const std::uint8_t* data, std::size_t size)
{
    const std::string path = Folder() + "/" + name;
    WriteFuzzFile(path, data, size);
    return path;
}

std::vector<double> Values(const mwMatrix& m)
{
    std::vector<double> v(std::size_t(m.NumberOfElements()));
    if (!v.empty())
        m.CopyRealTo(v.data());
    return v;
}

std::vector<CDoublePoint> Points(const CCurve& curve)
{
    std::vector<CDoublePoint> points;
    for (long i = 0; i < curve.GetTotalPoints(); ++i)
        points.push_back(curve.m_pDblPt[i]);
    return points;
}

bool SamePoints(const std::vector<CDoublePoint>& a, const std::vector<CDoublePoint>& b)
{
    return a.size() == b.size() &&
           (a.empty() || std::memcmp(a.data(), b.data(), a.size() * sizeof a[0]) == 0);
}

// The raw curve as the response view builds it from the document.
void ShowRawCurve(CMorvaneDoc& doc, FakeResponseView& view)
{
    const std::vector<double> x = Values(doc.m_LogFrequencies);
    const std::vector<double> y = Values(doc.m_RawMagnitudeDb);
    std::vector<CDoublePoint> raw;
    for (std::size_t i = 0; i < x.size() && i < y.size(); ++i)
        raw.push_back({x[i], y[i]});
    SetCurvePoints(*view.curves[IResponseView::kRawCurve], raw, view.area, view.window,
                   "Raw Curve");
}

// Three curves written as the program writes them, from the bytes: a point count, whether
// the curves take the raw curve's x (the copy path), then x and y of each point.
void BuildCurveFile(const std::uint8_t* data, std::size_t size, const CCurve& raw,
                    const std::string& path)
{
    if (size < 2)
        return;
    const bool bRawX = (data[1] & 1) != 0 && raw.GetTotalPoints() > 0;
    const long n = bRawX ? raw.GetTotalPoints() : 1 + data[0] % 40;
    std::size_t at = 2;
    auto next = [&]() -> double
    {
        if (at + 2 > size)
            return 0.0;
        const int v = data[at] | (data[at + 1] << 8);
        at += 2;
        return v / 65535.0;
    };
    std::vector<CDoublePoint> points(static_cast<std::size_t>(n));
    for (long i = 0; i < n; ++i)
    {
        const double x = bRawX ? raw.m_pDblPt[i].x : 5.0 * next() - 0.5; // log10 Hz
        points[std::size_t(i)] = {x, 100.0 * next() - 50.0};
    }
    if ((data[1] & 2) == 0)
        std::stable_sort(points.begin(), points.end(),
                         [](const CDoublePoint& a, const CDoublePoint& b) { return a.x < b.x; });
    CCurve curves[3];
    const CRect area{220, 2780, 4000, 220};
    const CDoubleRect window{20.0, 1.0, -40.0, 4.4};
    const double offsets[3] = {0.0, 1.5, -1.5};
    for (int k = 0; k < 3; ++k)
    {
        std::vector<CDoublePoint> shifted = points;
        for (CDoublePoint& p : shifted)
            p.y += offsets[k];
        SetCurvePoints(curves[k], shifted, area, window);
    }
    std::string error;
    CCurveFile::WriteCurves(path, {&curves[0], &curves[1], &curves[2]}, &error);
}

// The raw columns of one length; the modified ones too once a file was opened (the
// start-up response has none).
void CheckDocumentColumns(const CMorvaneDoc& doc, bool bOpened)
{
    const int n = doc.m_nRawPoints;
    for (const mwMatrix* m :
         {&doc.m_RawFrequencies, &doc.m_LogFrequencies, &doc.m_RawMagnitudeDb, &doc.m_RawPhase,
          &doc.m_RawResponse, &doc.m_ModifiedResponse, &doc.m_ModifiedPhase})
        if (m->NumberOfElements() != n &&
            (bOpened || m == &doc.m_RawFrequencies || m == &doc.m_LogFrequencies ||
             m == &doc.m_RawMagnitudeDb || m == &doc.m_RawPhase || m == &doc.m_RawResponse))
            std::abort();
    // Capped at half the sample rate once there is a response (a new document holds the
    // settings' limit until then).
    if (n > 0 && doc.m_nHigherFrequencyLimit > doc.m_nSamplingFrequency / 2 + 1)
        std::abort();
}
// Every point of a curve taken is one a response holds: x the log10 of 0.001 Hz to 10 MHz
// (the slack of a logarithmic grid's ends allowed), y from -1000 dB to 1000 dB.
void CheckCurvePoints(const std::vector<CDoublePoint>& points)
{
    for (const CDoublePoint& p : points)
        if (!(p.x >= -3.0 - 1e-8 && p.x <= 7.0 + 1e-8) || !(p.y >= -1000.0 && p.y <= 1000.0))
            std::abort();
}

// The curves of the file read: frequencies that never go backwards, and levels that the
// curves taken from them stay within.
void CheckTakenFromFile(const std::string& path, FakeResponseView& response)
{
    std::vector<std::unique_ptr<CCurve>> read;
    std::string error;
    if (!CCurveFile::ReadCurves(path, 3, response.area, response.window, read, &error))
        std::abort();
    const auto kinds = {IResponseView::kDesiredCurve, IResponseView::kUpperBound,
                        IResponseView::kLowerBound};
    std::size_t k = 0;
    for (auto kind : kinds)
    {
        const std::vector<CDoublePoint> source = Points(*read[k++]);
        double low = source[0].y, high = source[0].y;
        for (std::size_t i = 0; i < source.size(); ++i)
        {
            if (i > 0 && source[i].x < source[i - 1].x)
                std::abort();
            low = std::min(low, source[i].y);
            high = std::max(high, source[i].y);
        }
        for (const CDoublePoint& p : Points(*response.curves[kind]))
            if (!(p.y >= low && p.y <= high))
                std::abort();
    }
}

// The three curves taken, saved with Save As Desired Response and opened again, are the
// same points.
void CheckSaveAndOpenAgain(CMorvaneDoc& doc, FakeResponseView& response,
                           CScriptedFileDialogs& dialogs)
{
    const auto kinds = {IResponseView::kDesiredCurve, IResponseView::kUpperBound,
                        IResponseView::kLowerBound};
    std::vector<std::vector<CDoublePoint>> taken;
    for (auto kind : kinds)
    {
        taken.push_back(Points(*response.curves[kind]));
        CheckCurvePoints(taken.back());
    }
    const std::string saved = Folder() + "/saved.crv";
    dialogs.answers.push_back(saved);
    doc.OnFileSaveAsDesiredResponse();
    if (doc.m_DesiredCurveFile.GetName() != saved)
        std::abort();
    dialogs.answers.push_back(saved);
    doc.m_DesiredCurveFile.TurnOff();
    doc.OnFileOpenDesiredResponse();
    if (doc.m_DesiredCurveFile.IsOff())
        std::abort();
    std::size_t i = 0;
    for (auto kind : kinds)
        if (!SamePoints(Points(*response.curves[kind]), taken[i++]))
            std::abort();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 3)
        return 0;
    SilenceFuzzReports();
    const std::uint8_t selector = data[0];
    const std::size_t rawSize = std::min<std::size_t>(data[1] | (data[2] << 8), size - 3);
    const std::uint8_t* raw = data + 3;
    const std::uint8_t* curves = raw + rawSize;
    const std::size_t curveSize = size - 3 - rawSize;

    CFuzzServices services(Folder());
    CScriptedFileDialogs& dialogs = services.dialogs;
    {
        CHeadlessAppServices app;
        RecordingFamilyManager family;
        app.m_pFamilyManager = &family;
        const int kRates[] = {48000, 44100, 8000, 1};
        app.m_Settings.m_nSamplingFrequency = kRates[(selector >> 1) & 3];
        if (selector & 1)
            app.m_PhaseColumnMode.TurnOn();
        FakeResponseView response;
        FakePhaseView phase;
        FakeFilterView filter;
        FakePhaseFilterView phaseFilter;
        auto doc = std::make_unique<CMorvaneDoc>(app);
        doc->OnNewDocument();
        doc->m_pResponseView = &response;
        doc->m_pPhaseView = &phase;
        doc->m_pFilterView = &filter;
        doc->m_pPhaseFilterView = &phaseFilter;
        if (!(selector & 8))
        {
            doc->CreateDefaultResponse();
            CheckDocumentColumns(*doc, false);
        }
        else
        {
            const int before = doc->m_nRawPoints;
            const std::vector<double> frequencies = Values(doc->m_RawFrequencies);
            const bool bOpened = doc->OpenRawResponseFile(WriteFile("fuzz.raw", raw, rawSize));
            CheckDocumentColumns(*doc, bOpened);
            if (!bOpened &&
                (doc->m_nRawPoints != before || Values(doc->m_RawFrequencies) != frequencies))
                std::abort();
        }
        ShowRawCurve(*doc, response);

        // The desired response file: all three curves or none.
        const CCurve& rawCurve = *response.curves[IResponseView::kRawCurve];
        const auto kinds = {IResponseView::kDesiredCurve, IResponseView::kUpperBound,
                            IResponseView::kLowerBound};
        std::vector<std::vector<CDoublePoint>> before;
        for (auto kind : kinds)
            before.push_back(Points(*response.curves[kind]));
        const std::string curvePath = WriteFile("fuzz.crv", curves, curveSize);
        if (selector & 16)
            BuildCurveFile(curves, curveSize, rawCurve, curvePath);
        dialogs.answers = {curvePath};
        doc->OnFileOpenDesiredResponse();
        const bool bRead = doc->m_DesiredCurveFile.IsOn();
        std::size_t i = 0;
        for (auto kind : kinds)
        {
            const std::vector<CDoublePoint> points = Points(*response.curves[kind]);
            if (!bRead && !SamePoints(points, before[i]))
                std::abort();
            if (bRead)
            {
                if (long(points.size()) != rawCurve.GetTotalPoints())
                    std::abort();
                for (std::size_t j = 0; j < points.size(); ++j)
                    if (points[j].x != rawCurve.m_pDblPt[j].x)
                        std::abort();
            }
            ++i;
        }
        if (bRead)
            CheckTakenFromFile(curvePath, response);
        if (bRead && (doc->m_DesiredResponse.NumberOfElements() != rawCurve.GetTotalPoints() ||
                      doc->m_UpperTolerance.NumberOfElements() != rawCurve.GetTotalPoints() ||
                      doc->m_LowerTolerance.NumberOfElements() != rawCurve.GetTotalPoints()))
            std::abort();
        // Without a raw response there are no points to save (the command is not offered).
        if (bRead && rawCurve.GetTotalPoints() > 0)
            CheckSaveAndOpenAgain(*doc, response, dialogs);
    }
    return 0;
}
