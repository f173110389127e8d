// The program's window as a user has it, on the offscreen platform with raster painting:
// the application started from a profile of its own, the synthetic two-way speaker of
// SpeakerModel.h opened as a raw response file (10000 points every 2.5 Hz, three
// columns), flat desired and ±1.5 dB tolerance curves, a calculation to the end, and the
// four speaker windows arranged side by side in a 1920×1080 main window. Or, instead of
// the calculation, the raw response log-sampled to many points before the desired curves
// are made (the program allows log sampling only before).
#pragma once

#include "document/DocumentServices.h"
#include "framework/core/Services.h"

#include <filesystem>
#include <memory>
#include <string>

class CCanvasWidget;
class CMorvaneApp;

namespace bench
{
// A folder of its own under the temporary folder with a profile for the benchmark's runs
// (48 kHz, limits 20 Hz and 20 kHz, ±1.5 dB, at most 20 filters); removed at the end.
class CProfileFolder
{
public:
    CProfileFolder();
    ~CProfileFolder();
    std::string Profile() const { return (m_Path / "profile.ini").string(); }
    const std::filesystem::path& Path() const { return m_Path; }

private:
    std::filesystem::path m_Path;
};

class CGuiSession
{
public:
    // The window after a calculation on the 10000-point response; or, with nLogPoints,
    // with the response log-sampled to so many points (Edit > Log Sample Raw Curve, the
    // count typed into its dialog) and no calculation; or, with bOpenOnly, just after
    // the response was opened, for the steps below.
    explicit CGuiSession(long nLogPoints = 0, bool bOpenOnly = false);
    ~CGuiSession();
    // The view of a speaker window.
    CCanvasWidget& View(ESpeakerFrame frame) const;
    // One speaker window maximized in the main window's client area, or the four side by
    // side again.
    void Maximize(ESpeakerFrame frame);
    void ArrangeFourWindows();
    // The number of points of the raw response.
    int RawPoints() const;
    int Filters() const;

    // The steps of the window's state.
    void LogSample(long nPoints);
    void CreateDesiredCurve();
    // Calculate > Modified Response with at most nMaxFilters filters.
    void Calculate(int nMaxFilters);

private:

    CProfileFolder m_Folder;
    std::unique_ptr<CMorvaneApp> m_pApp;
    CRecordingMessageBox m_Messages;
};
// The session of a state, kept from one benchmark to the next: 0 after the calculation, 1
// log-sampled to 1,000,000 points. One application lives at a time: asking for the
// other state ends the session held. EndSharedSession ends it before Qt goes.
CGuiSession& SharedSession(int state);
void EndSharedSession();

// The child of BM_StartUpProcess: starts the program from the profile, writes one byte to
// fd once both speaker views have painted, and ends. The option is the program's first
// argument, followed by fd and the profile.
constexpr const char* kFirstPaintChildOption = "--first-paint-child";
int RunFirstPaintChild(int fd, const std::string& profile);
} // namespace bench
