// The event guard of the program's application (CGuardedApplication): the time of an
// event that succeeds, to an object or to a part of a window, as Qt delivers every event
// through the guard, while the guard remembers failures of other objects the user was
// told of. The cost must not grow with
// them: a window that kept failing for a long session must not slow every later event.
#include "framework/core/Services.h"
#include "shell/ui/GuardedApplication.h"

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QWidget>

#include <benchmark/benchmark.h>

#include <memory>
#include <stdexcept>
#include <vector>

namespace
{
const QEvent::Type kBenchEvent = QEvent::User;

// An object whose bench events fail while it is set to.
class CBenchObject : public QObject
{
public:
    bool bFail = false;

protected:
    bool event(QEvent* event) override
    {
        if (event->type() != kBenchEvent)
            return QObject::event(event);
        if (bFail)
            throw std::out_of_range("the object failed");
        return true;
    }
};

// Sends receiver events that succeed while the guard remembers the failures of
// state.range(0) other objects.
void SendGuarded(benchmark::State& state, QObject& receiver)
{
    auto* guard = dynamic_cast<CGuardedApplication*>(QCoreApplication::instance());
    if (!guard)
    {
        state.SkipWithError("the application is not the program's own");
        return;
    }
    IMessageBox& previous = Services::MessageBox();
    CRecordingMessageBox messages;
    Services::SetMessageBox(&messages);
    // The failures beyond the first are written to the log, here Qt's warnings: not into
    // the figures.
    const QtMessageHandler previousHandler =
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    std::vector<std::unique_ptr<CBenchObject>> failed(std::size_t(state.range(0)));
    for (auto& object : failed)
    {
        object = std::make_unique<CBenchObject>();
        object->bFail = true;
        QEvent event(kBenchEvent);
        QCoreApplication::sendEvent(object.get(), &event);
    }
    QCoreApplication::processEvents();
    qInstallMessageHandler(previousHandler);
    QEvent event(kBenchEvent);
    for (auto _ : state)
        benchmark::DoNotOptimize(QCoreApplication::sendEvent(&receiver, &event));
    state.counters["remembered"] = double(guard->ToldFailureCount());
    failed.clear();
    Services::SetMessageBox(&previous);
}

// Arg: the objects whose failure is remembered.
void BM_GuardedEvent(benchmark::State& state)
{
    CBenchObject quiet;
    SendGuarded(state, quiet);
}
BENCHMARK(BM_GuardedEvent)->Arg(0)->Arg(1)->Arg(20000);

// The receiver a part of a window, two levels below the window that holds the title: the
// guard takes the title before each event, in case the handler deletes the window.
void BM_GuardedWidgetEvent(benchmark::State& state)
{
    QWidget window;
    window.setWindowTitle("Speaker Response");
    QWidget frame(&window);
    QWidget part(&frame);
    SendGuarded(state, part);
}
BENCHMARK(BM_GuardedWidgetEvent)->Arg(0)->Arg(20000);
} // namespace
