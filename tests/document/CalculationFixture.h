// A headless speaker document set up for the calculation: a raw response with Gaussian
// bumps over log10 of the frequency, flat desired and tolerance curves, and helpers to
// add EQ filters and to run actions inside the calculation's cancellation points.
#pragma once

#include "document/MorvaneSettings.h"
#include "graph/MatrixUtilities.h"
#include "matrix/matrix.h"
#include "numerics/CheckUserAbort.h"
#include "tests/document/DocumentFixture.h"

#include <cmath>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

struct CBump
{
    double dCenter; // Hz
    double dGain;   // dB
};

// A raw response file of n log-spaced points from 20 Hz to 20 kHz (one point: 1 kHz): 0 dB
// with the bumps.
inline std::string RawText(const std::vector<CBump>& bumps, int n = 100)
{
    std::string text = "\"Loudspeaker Raw Response Data for the Morvane Program\"\n\"f m\"\n";
    for (int i = 0; i < n; ++i)
    {
        const double x = n == 1 ? 3.0 : std::log10(20.0) + 3.0 * i / (n - 1);
        double db = 0.0;
        for (const CBump& b : bumps)
            db += b.dGain * std::exp(-std::pow((x - std::log10(b.dCenter)) / 0.12, 2.0));
        char line[80];
        std::snprintf(line, sizeof line, "%.6f %.6f\n", std::pow(10.0, x), db);
        text += line;
    }
    return text;
}

inline mwMatrix Column(int n, double value)
{
    return mwMatrix(n, 1, std::vector<double>(std::size_t(n), value).data(), nullptr, 1);
}

// A peaking EQ filter at 48 kHz.
inline std::unique_ptr<CDigEQFilter> MakeEQ(double gain, double bandwidth, double center,
                                            bool bActive, bool bModifiable, int nLabel = 1)
{
    auto f = std::make_unique<CDigEQFilter>();
    CDigEQFilterParams params;
    params.m_Gain = mwMatrix(gain);
    params.m_Bandwidth = mwMatrix(bandwidth);
    params.m_CenterFrequency = mwMatrix(center);
    params.m_SampleRate = mwMatrix(48000.0);
    f->SetParameters(params);
    f->SetLabelNumber(nLabel);
    f->m_ActiveMode.SetState(bActive ? 1 : 0);
    f->m_ModifiableMode.SetState(bModifiable ? 1 : 0);
    return f;
}

// A message pump that runs the action once, at the first cancellation point.
class CActionPump : public CMessagePump
{
public:
    std::function<void()> action;
    bool bPending = true;
    bool IsMessageWaiting() override { return bPending; }
    bool PumpMessage() override
    {
        bPending = false;
        action();
        return true;
    }
    bool OnIdle(long) override { return false; }
    void PostQuit(int) override {}
};

// Installs a pump for the scope.
class CScopedPump
{
public:
    explicit CScopedPump(CMessagePump* pump) : m_pOld(SetMessagePump(pump)) {}
    ~CScopedPump() { SetMessagePump(m_pOld); }
    CScopedPump(const CScopedPump&) = delete;
    CScopedPump& operator=(const CScopedPump&) = delete;

private:
    CMessagePump* m_pOld;
};

class CalculationTest : public DocumentTest
{
protected:
    void Prepare(const std::vector<CBump>& bumps, int n = 100)
    {
        ASSERT_NO_FATAL_FAILURE(OpenResponse(bumps, n));
        doc->m_nSamplingFrequency = 48000;
        doc->m_nLowerFrequencyLimit = 20;
        doc->m_nHigherFrequencyLimit = 20000;
        doc->m_SingleOptParam = mwMatrix(0.001);
        doc->m_JointOptParam = mwMatrix(0.01);
        doc->m_DesiredResponse = Column(n, 0.0);
        doc->m_UpperTolerance = Column(n, 1.5);
        doc->m_LowerTolerance = Column(n, -1.5);
        doc->m_DesiredCurveFile.TurnOn();
        ClearRecords();
    }
    // A response of n points opened from a file. A file of one point is refused, so a
    // response of one point (which the later steps must still survive) is the first
    // point of a file of two.
    void OpenResponse(const std::vector<CBump>& bumps, int n)
    {
        ASSERT_TRUE(Open("spk.raw", RawText(bumps, std::max(n, 2))));
        if (n > 1)
            return;
        const auto first = [](const mwMatrix& m)
        {
            if (!mxIsComplex(m.GetData()))
                return mwMatrix(m.RealElement(1));
            std::vector<double> re(std::size_t(m.NumberOfElements()));
            std::vector<double> im(re.size());
            m.CopyComplexTo(re.data(), im.data());
            return mwMatrix(re[0], im[0]);
        };
        for (mwMatrix* pMember :
             {&doc->m_RawFrequencies, &doc->m_RawResponse, &doc->m_RawPhase, &doc->m_ModifiedPhase,
              &doc->m_RawMagnitudeDb, &doc->m_LogFrequencies, &doc->m_ModifiedResponse})
            *pMember = first(*pMember);
        doc->m_nRawPoints = 1;
    }
    void ClearRecords()
    {
        response.hints.clear();
        filter.hints.clear();
        app.statusTexts.clear();
        app.windowCalls.clear();
    }
    int Calculated() { return doc->m_CalculatedEQFilters.GetSize(); }
    // The modified response lies within the tolerance curves (dB, real).
    void ExpectModifiedWithinTolerance()
    {
        ASSERT_FALSE(mxIsComplex(doc->m_ModifiedResponse.GetData()));
        const std::vector<double> shown = Values(doc->m_ModifiedResponse);
        const std::vector<double> upper = Values(doc->m_UpperTolerance);
        const std::vector<double> lower = Values(doc->m_LowerTolerance);
        ASSERT_EQ(shown.size(), upper.size());
        for (std::size_t i = 0; i < shown.size(); ++i)
        {
            EXPECT_LE(shown[i], upper[i]) << i;
            EXPECT_GE(shown[i], lower[i]) << i;
        }
    }
};
