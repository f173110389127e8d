// The program's application class under the failures its event guard catches: handlers
// that throw (memory ran out, or another error) and allocations that fail while the guard
// tells of it. A close that fails is refused, by whatever way it was asked, and told each
// time; the guard takes no memory of its own around a handler that succeeds and lets
// nothing of its own out; a failure that repeats, whatever its text and however it
// interleaves with successes, is shown once until its receiver has gone the guard's quiet
// time without failing on that kind of event, and remembered once; a receiver its own
// handler deleted is named as it was and not remembered; many failures at once open one
// box. The guard's clock is the test's own, moved on by the tests: nothing waits for time
// to pass. The program runs these tests once with the debug log off and once with it on
// (a folder holding its file), so both places the guard logs to are checked.
#include "AllocationFault.h"
#include "GuardClock.h"

#include "../framework/QtTestApp.h"
#include "framework/core/Services.h"
#include "shell/DebugLog.h"
#include "shell/ui/GuardedApplication.h"

#include <QMainWindow>
#include <QPaintEvent>
#include <QPointer>
#include <QTest>
#include <QThread>
#include <QWindow>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstddef>
#include <filesystem>
#include <fstream>
#include <functional>
#include <initializer_list>
#include <memory>
#include <new>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace
{
const QEvent::Type kTestEvent = QEvent::User;

// An object whose timers and test events end by the failure set for it (none: they
// succeed). Handling allocates nothing of its own while it succeeds.
class CFailingObject : public QObject
{
public:
    void (*raise)() = nullptr;
    int nTimers = 0;

protected:
    bool event(QEvent* event) override
    {
        if (event->type() == QEvent::Timer)
            ++nTimers;
        else if (event->type() != kTestEvent)
            return QObject::event(event);
        if (raise)
            raise();
        return true;
    }
};

// A window whose test events end by the failure set for it.
class CFailingWidget : public QWidget
{
public:
    void (*raise)() = nullptr;

protected:
    bool event(QEvent* event) override
    {
        if (event->type() == kTestEvent && raise)
            raise();
        return QWidget::event(event);
    }
};

// A main window holding unsaved work, whose close ends by the failure set for it.
class CFailingCloseWindow : public QMainWindow
{
public:
    CFailingCloseWindow() { setWindowTitle("Unsaved work"); }
    void (*raise)() = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override
    {
        if (raise)
            raise();
        QMainWindow::closeEvent(event);
    }
};

// The two kinds of failure, and two texts.
void RunOutOfMemory()
{
    throw std::bad_alloc();
}
void FailOnFire()
{
    throw std::runtime_error("the disk is on fire");
}
void FailFlooded()
{
    throw std::runtime_error("the disk is flooded");
}
// A text that changes from one failure to the next, as the standard library's own.
void FailOutOfRange()
{
    static std::size_t nIndex = 0;
    const std::vector<int> empty;
    (void)empty.at(nIndex++);
}
const char kOutOfRange[] = "was stopped by an error: vector::_M_range_check: __n (which is ";

// Warnings Qt writes (the guard's log while the debug log is off).
std::vector<std::string> g_Warnings;
void RecordWarning(QtMsgType type, const QMessageLogContext&, const QString& text)
{
    if (type == QtWarningMsg)
        g_Warnings.push_back(text.toStdString());
}

class EventGuardTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        TestApp<CGuardedApplication>();
        ASSERT_NE(dynamic_cast<CGuardedApplication*>(QCoreApplication::instance()), nullptr);
        clock.emplace();
        ASSERT_EQ(theDebugLog.IsOn(), std::filesystem::exists(CDebugLog::kFileName))
            << "the debug log is on where its file is";
        Services::SetMessageBox(&messages);
        g_Warnings.clear();
        m_PreviousHandler = qInstallMessageHandler(RecordWarning);
        m_nLogStart = LogFileText().size();
        m_nToldBefore = Guard().ToldFailureCount();
    }
    void TearDown() override
    {
        qInstallMessageHandler(m_PreviousHandler);
        Settle();
        Services::SetMessageBox(nullptr);
        clock.reset();
    }
    // Lets the queued messages be shown.
    static void Settle()
    {
        for (int i = 0; i < 5; ++i)
            QCoreApplication::processEvents();
    }
    static bool Send(QObject& receiver, QEvent::Type type = kTestEvent)
    {
        QEvent event(type);
        return QCoreApplication::sendEvent(&receiver, &event);
    }
    // Runs the event loop until the object has had n more timers.
    static void WaitForTimers(CFailingObject& object, int n)
    {
        const int nUntil = object.nTimers + n;
        ASSERT_TRUE(QTest::qWaitFor([&] { return object.nTimers >= nUntil; }, 10000));
        Settle();
    }
    static int Contains(const std::vector<std::string>& texts, const std::string& part)
    {
        int n = 0;
        for (const std::string& text : texts)
            n += text.find(part) != std::string::npos;
        return n;
    }
    static CGuardedApplication& Guard()
    {
        return *static_cast<CGuardedApplication*>(QCoreApplication::instance());
    }
    // The failures the guard remembers that this test made.
    std::ptrdiff_t ToldFailures() const
    {
        return std::ptrdiff_t(Guard().ToldFailureCount()) - std::ptrdiff_t(m_nToldBefore);
    }
    static std::string LogFileText()
    {
        std::ifstream in(CDebugLog::kFileName);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }
    // How often part was logged since the test began: in the debug log while it is on,
    // else among Qt's warnings.
    int Logged(const std::string& part) const
    {
        if (!theDebugLog.IsOn())
            return Contains(g_Warnings, part);
        const std::string text = LogFileText().substr(m_nLogStart);
        int n = 0;
        for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
            ++n;
        return n;
    }
    // The last line of a box that holds n more failures than its own.
    static std::string MoreFailures(std::size_t n)
    {
        return std::to_string(n) + (n == 1 ? " more failure was" : " more failures were") +
               " written to " +
               (theDebugLog.IsOn() ? "the debug log." : "standard error, as the debug log is off.");
    }

    CRecordingMessageBox messages;
    std::optional<CGuardClock> clock;
    QtMessageHandler m_PreviousHandler = nullptr;
    std::size_t m_nLogStart = 0;
    std::size_t m_nToldBefore = 0;
};

// The ways a window is asked to close: by the program, by the window manager (its title
// bar's close button), by closing every window, and by a quit of the application.
struct CCloseRoute
{
    const char* name;
    std::function<void(QMainWindow&)> close;
};

TEST_F(EventGuardTest, AFailedCloseIsRefusedWhateverAskedForIt)
{
    const CCloseRoute routes[] = {
        {"close()", [](QMainWindow& w) { EXPECT_FALSE(w.close()); }},
        {"window system", [](QMainWindow& w) { EXPECT_FALSE(w.windowHandle()->close()); }},
        {"closeAllWindows", [](QMainWindow&) { QApplication::closeAllWindows(); }},
        {"quit",
         [](QMainWindow&)
         {
             QEvent quit(QEvent::Quit);
             QCoreApplication::sendEvent(QCoreApplication::instance(), &quit);
             EXPECT_FALSE(quit.isAccepted());
         }},
    };
    for (const CCloseRoute& route : routes)
    {
        SCOPED_TRACE(route.name);
        CFailingCloseWindow window;
        window.show();
        window.raise = RunOutOfMemory;
        route.close(window);
        Settle();
        EXPECT_TRUE(window.isVisible());
        ASSERT_EQ(messages.texts.size(), 1u);
        const std::string& text = messages.texts.front();
        EXPECT_EQ(text.substr(0, text.find('\n')),
                  "Closing the window \"Unsaved work\" was stopped because memory ran out.");
        EXPECT_NE(text.find("The window stays open."), std::string::npos) << text;
        messages.texts.clear();
        // Once its close can work, the window closes.
        window.raise = nullptr;
        EXPECT_TRUE(window.close());
        EXPECT_FALSE(window.isVisible());
        EXPECT_TRUE(messages.texts.empty());
    }
}

TEST_F(EventGuardTest, TheGuardTakesNoMemoryAroundAHandlerThatSucceeds)
{
    CFailingObject quiet;
    // A window's part too, whose window's title the guard takes before each event.
    QWidget window;
    window.setWindowTitle("A window whose title is longer than a short string");
    auto* part = new CFailingWidget;
    part->setParent(&window);
    std::vector<std::unique_ptr<CFailingObject>> failing;
    Send(quiet); // what Qt sets up once
    Send(*part);
    for (const std::size_t nRemembered : {0, 1, 1000})
    {
        SCOPED_TRACE(std::to_string(nRemembered) + " failures remembered");
        while (failing.size() < nRemembered)
        {
            failing.push_back(std::make_unique<CFailingObject>());
            failing.back()->raise = FailOnFire;
            Send(*failing.back());
        }
        ASSERT_EQ(ToldFailures(), std::ptrdiff_t(nRemembered));
        const CAllocationCount count;
        for (int i = 0; i < 1000; ++i)
        {
            EXPECT_TRUE(Send(quiet));
            EXPECT_TRUE(Send(*part));
        }
        EXPECT_EQ(count.Count(), 0u);
    }
    // Nor around a receiver whose failure it remembers, before its quiet time and after.
    failing.front()->raise = nullptr;
    for (const bool bQuiet : {false, true})
    {
        if (bQuiet)
            clock->Advance(CGuardedApplication::kQuietTime);
        const CAllocationCount count;
        for (int i = 0; i < 1000; ++i)
            EXPECT_TRUE(Send(*failing.front()));
        EXPECT_EQ(count.Count(), 0u);
    }
    EXPECT_EQ(ToldFailures(), 1000) << "a receiver's memory ends with it, not with a success";
}

// An error made before memory runs out: throwing it takes none of the program's memory.
const std::runtime_error kErrorMadeBefore("the disk is on fire, and so is the floor");
void FailWithErrorMadeBefore()
{
    throw kErrorMadeBefore;
}

TEST_F(EventGuardTest, MemoryThatRunsOutWhileTheFailureIsToldStaysInTheGuard)
{
    const std::pair<void (*)(), const char*> cases[] = {
        {RunOutOfMemory, "was stopped because memory ran out."},
        // Its text cannot even be copied.
        {FailWithErrorMadeBefore, "was stopped by an error: the disk is on fire, and so"},
    };
    for (const auto& [raise, shown] : cases)
    {
        SCOPED_TRACE(shown);
        CFailingObject object;
        object.raise = raise;
        bool bEscaped = false;
        {
            // Every allocation of the guard fails, from the handler's failure on.
            const CAllocationFault fault(1, RunOutOfMemory);
            try
            {
                Send(object);
            }
            catch (...)
            {
                bEscaped = true;
            }
        }
        EXPECT_FALSE(bEscaped) << "the guard let its own failure out";
        Settle();
        EXPECT_TRUE(messages.texts.empty());
        // It was not told, so it is not taken as told: with memory back, it is shown.
        Send(object);
        Settle();
        EXPECT_EQ(Contains(messages.texts, std::string("Handling the event \"User\" ") + shown), 1);
        messages.texts.clear();
    }
}

// A message box that cannot open once (memory ran out for it), then records.
class CFailingOnceMessageBox : public CRecordingMessageBox
{
public:
    int Show(const std::string& text) override
    {
        if (bFail)
        {
            bFail = false;
            throw std::bad_alloc();
        }
        return CRecordingMessageBox::Show(text);
    }
    bool bFail = true;
};

TEST_F(EventGuardTest, AMessageThatCouldNotBeShownIsShownWithTheNext)
{
    CFailingOnceMessageBox box;
    Services::SetMessageBox(&box);
    CFailingObject object;
    object.raise = FailOnFire;
    Send(object);
    Settle();
    EXPECT_FALSE(box.bFail);
    // The next failure here is the box's own, written to the log and counted in the box.
    ASSERT_EQ(box.texts.size(), 1u);
    EXPECT_EQ(Contains(box.texts, "the disk is on fire"), 1);
    EXPECT_EQ(Contains(box.texts, MoreFailures(1)), 1) << box.texts.front();
    EXPECT_EQ(Logged("Handling the event \"MetaCall\" was stopped because memory ran out."), 1);
    // And later failures are shown as they come.
    CFailingObject other;
    other.raise = FailFlooded;
    Send(other);
    Settle();
    ASSERT_EQ(box.texts.size(), 2u);
    EXPECT_EQ(Contains(box.texts, "the disk is flooded"), 1);
    Services::SetMessageBox(&messages);
}

TEST_F(EventGuardTest, ManyFailuresAtOnceOpenOneBoxThatCountsTheRest)
{
    std::vector<std::unique_ptr<CFailingObject>> objects(30000);
    for (auto& object : objects)
    {
        object = std::make_unique<CFailingObject>();
        object->raise = FailOutOfRange;
        Send(*object);
    }
    Settle();
    ASSERT_EQ(messages.texts.size(), 1u);
    const std::string& text = messages.texts.front();
    EXPECT_EQ(text.rfind(std::string("Handling the event \"User\" ") + kOutOfRange, 0), 0u) << text;
    const std::string more = "\n\n" + MoreFailures(29999);
    EXPECT_EQ(text.substr(text.size() - std::min(text.size(), more.size())), more) << text;
    EXPECT_EQ(Logged(kOutOfRange), 29999) << "the box says where they went";
    // Each is remembered once, until its object goes.
    EXPECT_EQ(ToldFailures(), 30000);
    objects.resize(10000);
    EXPECT_EQ(ToldFailures(), 10000);
    objects.clear();
    EXPECT_EQ(ToldFailures(), 0);
}

// Records a message, and the first time lets failures happen while it is on the screen,
// as they do in the box's own event loop.
class CBurstingMessageBox : public CRecordingMessageBox
{
public:
    int Show(const std::string& text) override
    {
        const int nAnswer = CRecordingMessageBox::Show(text);
        if (const auto burst = std::exchange(whileShown, nullptr))
            burst();
        return nAnswer;
    }
    std::function<void()> whileShown;
};

TEST_F(EventGuardTest, FailuresWhileABoxIsOnTheScreenOpenOneBoxAfterIt)
{
    CBurstingMessageBox box;
    Services::SetMessageBox(&box);
    CFailingObject first;
    first.raise = FailOnFire;
    std::vector<std::unique_ptr<CFailingObject>> burst(50);
    box.whileShown = [&]
    {
        for (auto& object : burst)
        {
            object = std::make_unique<CFailingObject>();
            object->raise = FailFlooded;
            Send(*object);
        }
    };
    Send(first);
    Settle();
    Services::SetMessageBox(&messages);
    ASSERT_EQ(box.texts.size(), 2u);
    EXPECT_EQ(box.texts[0].find("more failure"), std::string::npos) << "it was shown already";
    EXPECT_NE(box.texts[0].find("the disk is on fire"), std::string::npos);
    EXPECT_NE(box.texts[1].find("the disk is flooded"), std::string::npos);
    EXPECT_NE(box.texts[1].find(MoreFailures(49)), std::string::npos) << box.texts[1];
}

TEST_F(EventGuardTest, EveryFailedCloseOfAWindowIsTold)
{
    // The user asks again and again, by the close box, by File > Exit: each refusal says
    // why the window stays.
    CFailingCloseWindow window;
    window.show();
    window.raise = RunOutOfMemory;
    const std::function<void()> closes[] = {
        [&] { EXPECT_FALSE(window.close()); },
        [&] { EXPECT_FALSE(window.windowHandle()->close()); },
        [&] { EXPECT_FALSE(window.close()); },
        [] { QApplication::closeAllWindows(); },
        [&] { EXPECT_FALSE(window.close()); },
    };
    for (const auto& close : closes)
    {
        close();
        Settle();
        EXPECT_TRUE(window.isVisible());
        ASSERT_EQ(messages.texts.size(), 1u);
        EXPECT_EQ(Contains(messages.texts, "Closing the window \"Unsaved work\" was stopped"), 1);
        EXPECT_EQ(Contains(messages.texts, "The window stays open."), 1);
        messages.texts.clear();
    }
    EXPECT_EQ(ToldFailures(), 0) << "a close is not remembered";
    window.raise = nullptr;
    EXPECT_TRUE(window.close());
}

// An object of another thread whose test events fail, counting them.
class CFailingWorker : public QObject
{
public:
    std::atomic<int> nEvents{0};

protected:
    bool event(QEvent* event) override
    {
        if (event->type() != kTestEvent)
            return QObject::event(event);
        ++nEvents;
        throw std::runtime_error("the worker's disk is on fire");
    }
};

TEST_F(EventGuardTest, AFailureOnAnotherThreadIsToldOnTheProgramsThread)
{
    QThread thread;
    auto* worker = new CFailingWorker;
    worker->moveToThread(&thread);
    thread.start();
    for (int i = 0; i < 3; ++i)
        QCoreApplication::postEvent(worker, new QEvent(kTestEvent));
    // Waits without running this thread's events, so that the three arrive together.
    for (int i = 0; i < 1000 && worker->nEvents < 3; ++i)
        QThread::msleep(10);
    EXPECT_EQ(worker->nEvents, 3);
    Settle();
    ASSERT_EQ(messages.texts.size(), 1u);
    EXPECT_EQ(Contains(messages.texts, "Handling the event \"User\" was stopped by an error: "
                                       "the worker's disk is on fire"),
              1);
    EXPECT_EQ(Contains(messages.texts, MoreFailures(2)), 1) << messages.texts.front();
    EXPECT_EQ(ToldFailures(), 0);
    thread.quit();
    thread.wait();
    delete worker;
}

TEST_F(EventGuardTest, AFailureThatRepeatsIsShownOnceUntilItsReceiverHasGoneQuiet)
{
    const std::string kTimerOnFire = "Handling the event \"Timer\" was stopped by an error: "
                                     "the disk is on fire";
    CFailingObject object;
    object.startTimer(20);
    object.raise = FailOnFire;
    WaitForTimers(object, 10);
    EXPECT_EQ(messages.texts.size(), 1u);
    EXPECT_EQ(Contains(messages.texts, kTimerOnFire), 1);
    EXPECT_GE(Logged(kTimerOnFire), 9) << "the repeats are logged";
    // Another kind of event on the same object is shown of its own, once.
    Send(object);
    Send(object);
    Settle();
    EXPECT_EQ(messages.texts.size(), 2u);
    EXPECT_EQ(Contains(messages.texts, "Handling the event \"User\""), 1);
    // Another text of the same kind of event is the same failure: it is logged.
    object.raise = FailFlooded;
    WaitForTimers(object, 3);
    EXPECT_EQ(messages.texts.size(), 2u);
    EXPECT_GE(Logged("Handling the event \"Timer\" was stopped by an error: the disk is flooded"),
              3);
    // Another object failing the same way is shown of its own.
    CFailingObject other;
    other.raise = FailFlooded;
    other.startTimer(20);
    WaitForTimers(other, 3);
    EXPECT_EQ(messages.texts.size(), 3u);
    EXPECT_EQ(Contains(messages.texts, "the disk is flooded"), 1);
    other.raise = nullptr;
    // One timer that works does not end the repeats: the next failure is logged.
    object.raise = nullptr;
    WaitForTimers(object, 1);
    object.raise = FailOnFire;
    WaitForTimers(object, 3);
    EXPECT_EQ(messages.texts.size(), 3u);
    // Timers that work for the quiet time, and the failure is shown again when it comes
    // back; the test event failed again meanwhile, so its failure is still known.
    const auto half = std::chrono::milliseconds(CGuardedApplication::kQuietTime) / 2;
    object.raise = nullptr;
    WaitForTimers(object, 1);
    clock->Advance(half);
    object.raise = FailOnFire;
    Send(object);
    object.raise = nullptr;
    clock->Advance(half);
    WaitForTimers(object, 1);
    object.raise = FailOnFire;
    WaitForTimers(object, 3);
    Send(object);
    Settle();
    EXPECT_EQ(messages.texts.size(), 4u);
    EXPECT_EQ(Contains(messages.texts, kTimerOnFire), 2);
    EXPECT_EQ(Contains(messages.texts, "Handling the event \"User\""), 1);
}

TEST_F(EventGuardTest, AFailureWhoseTextChangesIsShownOnceAndRememberedOnce)
{
    // An index that grows from one failure to the next, as a timer's walk through a list.
    CFailingObject object;
    object.raise = FailOutOfRange;
    for (int i = 0; i < 30000; ++i)
        Send(object);
    Settle();
    ASSERT_EQ(messages.texts.size(), 1u);
    EXPECT_EQ(Contains(messages.texts, std::string("Handling the event \"User\" ") + kOutOfRange),
              1);
    EXPECT_EQ(messages.texts.front().find("more failure"), std::string::npos)
        << "repeats are not counted as failures of their own";
    EXPECT_EQ(Logged(kOutOfRange), 29999);
    EXPECT_EQ(ToldFailures(), 1);
    // Once the object has gone the quiet time without failing, the next failure is shown
    // again, and still remembered once.
    clock->Advance(CGuardedApplication::kQuietTime);
    object.raise = nullptr;
    Send(object);
    object.raise = FailOutOfRange;
    Send(object);
    Send(object);
    Settle();
    EXPECT_EQ(messages.texts.size(), 2u);
    EXPECT_EQ(ToldFailures(), 1);
}

TEST_F(EventGuardTest, AFailureOfAnObjectThatIsGoneIsForgotten)
{
    // A new object, even where the old one lay, is told of its first failure.
    for (int i = 0; i < 3; ++i)
    {
        auto object = std::make_unique<CFailingObject>();
        object->raise = FailOnFire;
        Send(*object);
        Send(*object, QEvent::Timer);
        EXPECT_EQ(ToldFailures(), 2) << "one for each kind of event";
        object.reset();
        EXPECT_EQ(ToldFailures(), 0);
        Settle();
        EXPECT_EQ(messages.texts.size(), std::size_t(i + 1));
    }
    // A window too, whose end is told by the widget's own destructor, even with its
    // signals blocked.
    auto window = std::make_unique<CFailingWidget>();
    window->blockSignals(true);
    window->raise = FailOnFire;
    Send(*window);
    EXPECT_EQ(ToldFailures(), 1);
    window.reset();
    EXPECT_EQ(ToldFailures(), 0);
}

using std::chrono::milliseconds;

// One event of a run: after the clock has moved on by after, the receiver fails or works.
struct CBeat
{
    milliseconds after;
    bool bFail;
};
const CBeat kFailNow{milliseconds(0), true};
const CBeat kFailAfter20ms{milliseconds(20), true};
const CBeat kWorkAfter20ms{milliseconds(20), false};
const CBeat kFailAfter1s{milliseconds(1000), true};

// The beats n times over.
std::vector<CBeat> Repeat(std::size_t n, const std::vector<CBeat>& beats)
{
    std::vector<CBeat> run;
    for (std::size_t i = 0; i < n; ++i)
        run.insert(run.end(), beats.begin(), beats.end());
    return run;
}
// The runs one after the other.
std::vector<CBeat> Joined(std::initializer_list<std::vector<CBeat>> parts)
{
    std::vector<CBeat> run;
    for (const auto& part : parts)
        run.insert(run.end(), part.begin(), part.end());
    return run;
}

struct CInterleaving
{
    const char* name;
    std::vector<CBeat> beats;
    std::size_t nBoxes;
};

TEST_F(EventGuardTest, AFailureIsToldAgainOnlyAfterItsReceiverHasGoneQuietHoweverItInterleaves)
{
    const CInterleaving cases[] = {
        // A 20 ms timer, or a view whose full repaints fail while its small ones work.
        {"fails every other event, 200 events", Repeat(100, {kFailAfter20ms, kWorkAfter20ms}), 1},
        {"fails every other event for a minute", Repeat(1500, {kFailAfter20ms, kWorkAfter20ms}), 1},
        {"fails every third event for a minute",
         Repeat(1000, {kFailAfter20ms, kWorkAfter20ms, kWorkAfter20ms}), 1},
        {"fails every second for a minute", Repeat(61, {kFailAfter1s}), 1},
        {"fails, works, fails 4.98 s later",
         Joined({{kFailNow}, Repeat(248, {kWorkAfter20ms}), {kFailAfter20ms}}), 1},
        {"fails, works for 6 s, fails",
         Joined({{kFailNow}, Repeat(300, {kWorkAfter20ms}), {kFailNow}}), 2},
        {"fails, nothing for 6 s, fails", {kFailNow, {milliseconds(6000), true}}, 2},
        {"fails every 5 s", Repeat(4, {{milliseconds(5000), true}}), 4},
        {"fails every 4.99 s for a minute", Repeat(13, {{milliseconds(4990), true}}), 1},
        {"fails every second for a minute, works for 5 s, fails",
         Joined({Repeat(61, {kFailAfter1s}), Repeat(250, {kWorkAfter20ms}), {kFailNow}}), 2},
    };
    const char kOnFire[] =
        "Handling the event \"User\" was stopped by an error: the disk is on fire";
    for (const CInterleaving& run : cases)
    {
        SCOPED_TRACE(run.name);
        const int nLoggedBefore = Logged(kOnFire);
        CFailingObject object;
        std::size_t nFailures = 0;
        for (const CBeat& beat : run.beats)
        {
            clock->Advance(beat.after);
            object.raise = beat.bFail ? FailOnFire : nullptr;
            EXPECT_TRUE(Send(object));
            // Each box is shown before the next failure: none joins another.
            if (beat.bFail)
            {
                ++nFailures;
                Settle();
            }
        }
        EXPECT_EQ(messages.texts.size(), run.nBoxes);
        EXPECT_EQ(Contains(messages.texts, kOnFire), int(run.nBoxes));
        EXPECT_EQ(Contains(messages.texts, "more failure"), 0);
        EXPECT_EQ(Logged(kOnFire) - nLoggedBefore, int(nFailures - run.nBoxes))
            << "the repeats are logged";
        EXPECT_EQ(ToldFailures(), 1);
        messages.texts.clear();
    }
}

TEST_F(EventGuardTest, EachReceiverAndKindOfEventGoesQuietOfItsOwn)
{
    using std::chrono::seconds;
    CFailingObject first;
    CFailingObject second;
    second.raise = FailOnFire;
    const auto sendFailing =
        [](CFailingObject& object, void (*raise)(), QEvent::Type type = kTestEvent)
    {
        object.raise = raise;
        Send(object, type);
        Settle();
    };
    sendFailing(first, FailOnFire);
    sendFailing(first, FailOnFire, QEvent::Timer);
    sendFailing(second, FailOnFire);
    EXPECT_EQ(messages.texts.size(), 3u);
    // For ten seconds, the first object's test events and the second's fail every second;
    // the first's timers work.
    for (int i = 0; i < 10; ++i)
    {
        clock->Advance(seconds(1));
        sendFailing(first, FailOnFire);
        sendFailing(second, FailFlooded);
        sendFailing(first, nullptr, QEvent::Timer);
    }
    EXPECT_EQ(messages.texts.size(), 3u);
    // The first's timers went quiet meanwhile: their failure is told again.
    sendFailing(first, FailOnFire, QEvent::Timer);
    EXPECT_EQ(messages.texts.size(), 4u);
    // The second goes quiet while the first goes on failing: the second is told again,
    // the first is not.
    for (int i = 0; i < 5; ++i)
    {
        clock->Advance(seconds(1));
        sendFailing(first, FailOnFire);
    }
    sendFailing(second, FailFlooded);
    ASSERT_EQ(messages.texts.size(), 5u);
    EXPECT_EQ(Contains(messages.texts, "Handling the event \"Timer\""), 2);
    EXPECT_EQ(Contains(messages.texts, "Handling the event \"User\""), 3);
    EXPECT_EQ(Contains(messages.texts, "the disk is flooded"), 1);
    EXPECT_EQ(ToldFailures(), 3);
}

// An object or a window whose test events and paints run what is set for them: here,
// delete the receiver or its window, then fail.
template <class Base> class CDeleting : public Base
{
public:
    using Base::Base;
    std::function<void()> onEvent;

protected:
    bool event(QEvent* event) override
    {
        if ((event->type() != kTestEvent && event->type() != QEvent::Paint) || !onEvent)
            return Base::event(event);
        const auto run = onEvent; // the receiver may be gone before it ends
        run();
        return true;
    }
};

// Deletes the object whose test event it sees, then fails: another object's handler.
class CDeletingFilter : public QObject
{
protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == kTestEvent)
        {
            delete watched;
            FailOnFire();
        }
        return false;
    }
};

struct CDeletedReceiver
{
    const char* name;
    QEvent::Type type;
    // Makes the receiver, and keeps in made what else it made (the test deletes what
    // is left of it).
    std::function<QObject*(std::vector<QPointer<QObject>>& made)> make;
    const char* told;
};

// A window titled "Doomed work", kept in made.
QWidget* DoomedWindow(std::vector<QPointer<QObject>>& made)
{
    auto* window = new QWidget;
    window->setWindowTitle("Doomed work");
    made.emplace_back(window);
    return window;
}

// A part of a window that deletes the window, then fails.
QObject* PartDeletingItsWindow(std::vector<QPointer<QObject>>& made)
{
    QWidget* window = DoomedWindow(made);
    auto* part = new CDeleting<QWidget>(window);
    part->onEvent = [window]
    {
        delete window;
        FailOnFire();
    };
    return part;
}

TEST_F(EventGuardTest, AReceiverItsHandlerDeletedIsNamedAsItWasAndNotRemembered)
{
    const CDeletedReceiver cases[] = {
        {"an object deletes itself", kTestEvent,
         [](std::vector<QPointer<QObject>>&)
         {
             auto* object = new CDeleting<QObject>;
             object->onEvent = [object]
             {
                 delete object;
                 FailOnFire();
             };
             return object;
         },
         "Handling the event \"User\" was stopped by an error: the disk is on fire"},
        {"a window deletes itself", kTestEvent,
         [](std::vector<QPointer<QObject>>&)
         {
             auto* window = new CDeleting<QWidget>;
             window->setWindowTitle("Doomed work");
             window->onEvent = [window]
             {
                 delete window;
                 FailOnFire();
             };
             return window;
         },
         "Handling the event \"User\" in the window \"Doomed work\" was stopped by an error: "
         "the disk is on fire"},
        {"a part deletes its window", kTestEvent, PartDeletingItsWindow,
         "Handling the event \"User\" in the window \"Doomed work\" was stopped by an error: "
         "the disk is on fire"},
        {"a paint deletes its window", QEvent::Paint, PartDeletingItsWindow,
         "Drawing the window \"Doomed work\" was stopped by an error: the disk is on fire"},
        {"another object's filter deletes it", kTestEvent,
         [](std::vector<QPointer<QObject>>& made)
         {
             auto* part = new QWidget(DoomedWindow(made));
             auto* filter = new CDeletingFilter;
             made.emplace_back(filter);
             part->installEventFilter(filter);
             return part;
         },
         "Handling the event \"User\" in the window \"Doomed work\" was stopped by an error: "
         "the disk is on fire"},
    };
    for (const CDeletedReceiver& deleted : cases)
    {
        SCOPED_TRACE(deleted.name);
        // Again and again: a receiver made later, maybe where the last one lay, is told.
        for (int i = 0; i < 3; ++i)
        {
            std::vector<QPointer<QObject>> made;
            QObject* receiver = deleted.make(made);
            QPaintEvent paint(QRect(0, 0, 10, 10));
            QEvent test(kTestEvent);
            EXPECT_TRUE(QCoreApplication::sendEvent(
                receiver, deleted.type == QEvent::Paint ? static_cast<QEvent*>(&paint) : &test));
            Settle();
            ASSERT_EQ(messages.texts.size(), 1u);
            EXPECT_EQ(messages.texts.front().rfind(deleted.told, 0), 0u) << messages.texts.front();
            EXPECT_EQ(ToldFailures(), 0) << "nothing is kept of a receiver that is gone";
            messages.texts.clear();
            for (const QPointer<QObject>& object : made)
                delete object.data();
        }
    }
}
} // namespace
