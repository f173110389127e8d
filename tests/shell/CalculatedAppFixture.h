// The application window with a real measurement, offscreen: a two-way speaker measured at
// about 85 dB SPL opened, flat desired curves read and a calculation run, as a new user
// does it first. The main window can be given any size.
#pragma once

#include "document/MorvaneDoc.h"
#include "framework/core/Services.h"
#include "graph/CurveFile.h"
#include "shell/ui/MainFrm.h"
#include "shell/ui/MorvaneApp.h"
#include "shell/ui/ResponseMDIChild.h"
#include "shell/views/MorvaneView.h"
#include "tests/document/DocumentFakes.h"
#include "tests/shell/AppWindowFixture.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <cstdio>
#include <fstream>
#include <string>

namespace calculated_app
{
constexpr int kPoints = 2048;

// A two-way speaker: a woofer in a closed box (second-order high pass at 55 Hz, Q 0.8),
// crossed over at 2.5 kHz to a tweeter 4 dB hotter (fourth-order Linkwitz-Riley), a 6 dB
// baffle step, a 1.5 dB peak at 900 Hz and 0.3 ms of delay: about 66 to 91 dB. Frequency in Hz;
// magnitude in dB SPL and phase in degrees.
inline std::complex<double> Speaker(double f)
{
    using C = std::complex<double>;
    const C s(0.0, f);
    const auto highPass2 = [&](double fc, double q)
    { return (s * s) / (s * s + s * fc / q + fc * fc); };
    const auto lowPass2 = [&](double fc, double q)
    { return (fc * fc) / (s * s + s * fc / q + fc * fc); };
    const C woofer = highPass2(55.0, 0.8) * lowPass2(2500.0, 0.5) * lowPass2(2500.0, 0.5);
    const C tweeter = std::pow(10.0, 4.0 / 20.0) * highPass2(2500.0, 0.5) * highPass2(2500.0, 0.5);
    const C baffle = (s + 400.0) / (s + 200.0) * 0.5;
    // Linkwitz-Riley sections of fourth order sum in phase.
    const C peak = (s * s + s * 900.0 / 2.0 * std::pow(10.0, 1.5 / 20.0) + 900.0 * 900.0) /
                   (s * s + s * 900.0 / 2.0 / std::pow(10.0, 1.5 / 20.0) + 900.0 * 900.0);
    const C delay = std::exp(C(0.0, -2.0 * M_PI * f * 0.0003));
    return std::pow(10.0, 88.0 / 20.0) * (woofer + tweeter) * baffle * peak * delay;
}

inline std::string SpeakerFileText()
{
    std::string text = "\"Loudspeaker Raw Response Data for the Morvane Program\"\n"
                       "       \"Hz\" \"Mag (dB)\"      \"deg\"\n";
    for (int i = 0; i < kPoints; ++i)
    {
        const double f = 20.0 * std::pow(1000.0, double(i) / (kPoints - 1));
        const std::complex<double> h = Speaker(f);
        char line[96];
        std::snprintf(line, sizeof line, "  %10.4f, %9.5f, %9.5f\n", f,
                      20.0 * std::log10(std::abs(h)), std::arg(h) * 180.0 / M_PI);
        text += line;
    }
    return text;
}
} // namespace calculated_app

class CalculatedAppTest : public AppDocumentTest
{
protected:
    void ResizeMainWindow(int width, int height)
    {
        app->m_pMainFrame->resize(width, height);
        Settle();
    }
    // Opens the speaker, reads flat desired curves at 85 +/- 1.5 dB and calculates between
    // 100 Hz and 15 kHz.
    void OpenAndCalculate()
    {
        const std::string raw = folder.Path("twoway.raw");
        std::ofstream(raw) << calculated_app::SpeakerFileText();
        dialogs.answers = {raw};
        ASSERT_TRUE(app->ExecuteCommand(CMorvaneApp::ID_FILE_OPEN));
        ASSERT_EQ(doc->m_nRawPoints, calculated_app::kPoints);
        auto* pView = dynamic_cast<CMorvaneView*>(app->m_pResponseMDI->GetView());
        ASSERT_NE(pView, nullptr);
        const std::string crv = folder.Path("twoway.crv");
        std::string error;
        ASSERT_TRUE(WriteFlatCurveFile(crv, {1.3, 2.5, 4.31}, {85.0, 86.5, 83.5},
                                       pView->GetPlotArea(), pView->GetDataWindow(), &error))
            << error;
        dialogs.answers.push_back(crv);
        doc->OnFileOpenDesiredResponse();
        ASSERT_TRUE(messages.texts.empty()) << messages.texts.front();
        ASSERT_TRUE(doc->m_DesiredCurveFile.IsOn());
        doc->m_nLowerFrequencyLimit = 100;
        doc->m_nHigherFrequencyLimit = 15000;
        ASSERT_TRUE(app->ExecuteCommand(32854)); // Calculate > Modified Response
        Settle();
        EXPECT_EQ(app->m_pMainFrame->GetStatusText(), "Calculation Completed");
        EXPECT_GT(doc->m_CalculatedEQFilters.GetSize(), 0);
        for (const std::string& text : messages.texts)
            ADD_FAILURE() << text;
    }
    static QSize ScreenSize()
    {
        return QGuiApplication::primaryScreen()->availableGeometry().size();
    }
};
