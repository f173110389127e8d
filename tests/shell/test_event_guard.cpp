// The program's application class under the failures its event guard catches: handlers
// that throw (memory ran out, or another error) and allocations that fail while the guard
// tells of it. A close that fails is refused, by whatever way it was asked; the guard takes
// no memory of its own around a handler that succeeds and lets nothing of its own out; a
// failure that repeats is shown once until its receiver has handled that kind of event
// again without failing.
#include "AllocationFault.h"

#include "../framework/QtTestApp.h"
#include "framework/core/Services.h"
#include "shell/ui/GuardedApplication.h"

#include <QMainWindow>
#include <QTest>
#include <QWindow>

#include <gtest/gtest.h>

#include <functional>
#include <new>
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
        Services::SetMessageBox(&messages);
        g_Warnings.clear();
        m_PreviousHandler = qInstallMessageHandler(RecordWarning);
    }
    void TearDown() override
    {
        qInstallMessageHandler(m_PreviousHandler);
        Settle();
        Services::SetMessageBox(nullptr);
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

    CRecordingMessageBox messages;
    QtMessageHandler m_PreviousHandler = nullptr;
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
    CFailingObject failing;
    failing.raise = FailOnFire;
    Send(quiet); // what Qt sets up once
    for (const bool bFailureKnown : {false, true})
    {
        SCOPED_TRACE(bFailureKnown ? "with a failure remembered" : "with none");
        if (bFailureKnown)
            Send(failing);
        const CAllocationCount count;
        for (int i = 0; i < 1000; ++i)
            EXPECT_TRUE(Send(quiet));
        EXPECT_EQ(count.Count(), 0u);
    }
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
    EXPECT_EQ(Contains(box.texts, "the disk is on fire"), 1);
    // And later failures are shown as they come.
    object.raise = FailFlooded;
    Send(object);
    Settle();
    EXPECT_EQ(Contains(box.texts, "the disk is flooded"), 1);
    Services::SetMessageBox(&messages);
}

TEST_F(EventGuardTest, AFailureThatRepeatsIsShownOnceUntilItsKindOfEventHasWorked)
{
    const std::string kTimerOnFire = "Handling the event \"Timer\" was stopped by an error: "
                                     "the disk is on fire";
    CFailingObject object;
    object.startTimer(20);
    object.raise = FailOnFire;
    WaitForTimers(object, 10);
    EXPECT_EQ(messages.texts.size(), 1u);
    EXPECT_EQ(Contains(messages.texts, kTimerOnFire), 1);
    EXPECT_GE(Contains(g_Warnings, kTimerOnFire), 9) << "the repeats are logged";
    // Another kind of event on the same object is shown of its own, once.
    Send(object);
    Send(object);
    Settle();
    EXPECT_EQ(messages.texts.size(), 2u);
    EXPECT_EQ(Contains(messages.texts, "Handling the event \"User\""), 1);
    // Another text of the same kind of event is shown of its own.
    object.raise = FailFlooded;
    WaitForTimers(object, 3);
    EXPECT_EQ(messages.texts.size(), 3u);
    EXPECT_EQ(Contains(messages.texts, "the disk is flooded"), 1);
    // One timer that works, and the failure is shown again when it comes back; the test
    // event has not worked since, so its failure is still known.
    object.raise = nullptr;
    WaitForTimers(object, 1);
    object.raise = FailOnFire;
    WaitForTimers(object, 3);
    Send(object);
    Settle();
    EXPECT_EQ(messages.texts.size(), 4u);
    EXPECT_EQ(Contains(messages.texts, kTimerOnFire), 2);
    EXPECT_EQ(Contains(messages.texts, "Handling the event \"User\""), 1);
}

TEST_F(EventGuardTest, AFailureOfAnObjectThatIsGoneIsForgotten)
{
    // A new object, even where the old one lay, is told of its first failure.
    for (int i = 0; i < 3; ++i)
    {
        auto object = std::make_unique<CFailingObject>();
        object->raise = FailOnFire;
        Send(*object);
        Settle();
        EXPECT_EQ(messages.texts.size(), std::size_t(i + 1));
    }
}
} // namespace
