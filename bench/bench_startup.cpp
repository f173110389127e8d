// Start-up to the first painted main window, on the offscreen platform: from the
// application object's construction (profile read, main frame, menus, the speaker
// document with its start-up response of 10000 points and its four windows) until both
// shown speaker views have painted.
//
// BM_StartUp runs it again and again in this process (warm: fonts, plugins and libraries
// loaded). BM_StartUpProcess starts this program anew each time and measures from the
// start of the process to the first paint, so it also holds loading the program and its
// libraries and making the QApplication (warm file cache after the first run).
#include "bench/GuiSession.h"
#include "shell/ui/MorvaneApp.h"
#include "shell/views/FilterView.h"
#include "shell/views/MorvaneView.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>

#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <spawn.h>
#include <stdexcept>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace
{
using Clock = std::chrono::steady_clock;

// Notes the first paint of the response view and of the filter view.
class CFirstPaint : public QObject
{
public:
    CFirstPaint() { qApp->installEventFilter(this); }
    ~CFirstPaint() override { qApp->removeEventFilter(this); }
    bool Done() const { return m_bResponse && m_bFilter; }

protected:
    bool eventFilter(QObject* pObject, QEvent* pEvent) override
    {
        if (pEvent->type() == QEvent::Paint)
        {
            m_bResponse = m_bResponse || dynamic_cast<CMorvaneView*>(pObject);
            m_bFilter = m_bFilter || dynamic_cast<CFilterView*>(pObject);
        }
        return false;
    }

private:
    bool m_bResponse = false;
    bool m_bFilter = false;
};

// Starts the program shown maximized and returns once both views have painted; the
// application is then still running.
std::unique_ptr<CMorvaneApp> StartUntilPainted(const std::string& profile)
{
    CFirstPaint painted;
    auto pApp = std::make_unique<CMorvaneApp>(profile);
    if (!pApp->InitInstance({}, true))
        throw std::runtime_error("the application did not start");
    QElapsedTimer waited;
    waited.start();
    while (!painted.Done() && waited.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    if (!painted.Done())
        throw std::runtime_error("the views were not painted");
    return pApp;
}

void BM_StartUp(benchmark::State& state)
{
    bench::EndSharedSession();
    const bench::CProfileFolder folder;
    for (auto _ : state)
    {
        const Clock::time_point start = Clock::now();
        std::unique_ptr<CMorvaneApp> pApp = StartUntilPainted(folder.Profile());
        state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());
        pApp->ExitInstance();
    }
}
BENCHMARK(BM_StartUp)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(10);

// This program started as a child that reports its first paint through a pipe.
void BM_StartUpProcess(benchmark::State& state)
{
    const bench::CProfileFolder folder;
    const std::string self = std::filesystem::read_symlink("/proc/self/exe").string();
    for (auto _ : state)
    {
        int fds[2];
        if (::pipe(fds) != 0)
            throw std::runtime_error("no pipe");
        const std::string fd = std::to_string(fds[1]);
        const std::string profile = folder.Profile();
        char* argv[] = {const_cast<char*>(self.c_str()),
                        const_cast<char*>(bench::kFirstPaintChildOption),
                        const_cast<char*>(fd.c_str()), const_cast<char*>(profile.c_str()), nullptr};
        const Clock::time_point start = Clock::now();
        pid_t child = 0;
        if (::posix_spawn(&child, self.c_str(), nullptr, nullptr, argv, environ) != 0)
            throw std::runtime_error("cannot start the program");
        ::close(fds[1]);
        char byte = 0;
        const bool bPainted = ::read(fds[0], &byte, 1) == 1;
        state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());
        ::close(fds[0]);
        int status = 0;
        ::waitpid(child, &status, 0);
        if (!bPainted)
            state.SkipWithError("the child did not paint");
    }
}
BENCHMARK(BM_StartUpProcess)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(10);
} // namespace

namespace bench
{
int RunFirstPaintChild(int fd, const std::string& profile)
{
    std::unique_ptr<CMorvaneApp> pApp = StartUntilPainted(profile);
    const char byte = 1;
    const bool ok = ::write(fd, &byte, 1) == 1;
    ::close(fd);
    pApp->ExitInstance();
    return ok ? 0 : 1;
}
} // namespace bench
