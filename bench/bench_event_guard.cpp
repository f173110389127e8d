// The event guard of the program's application (CGuardedApplication): the time of an
// event that succeeds, as Qt delivers every event through the guard, while the guard
// remembers failures of other objects the user was told of. The cost must not grow with
// them: a window that kept failing for a long session must not slow every later event.
#include "framework/core/Services.h"
#include "shell/ui/GuardedApplication.h"

#include <QCoreApplication>
#include <QEvent>
#include <QObject>

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

// Arg: the objects whose failure is remembered.
void BM_GuardedEvent(benchmark::State& state)
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
    CBenchObject quiet;
    QEvent event(kBenchEvent);
    for (auto _ : state)
        benchmark::DoNotOptimize(QCoreApplication::sendEvent(&quiet, &event));
    state.counters["remembered"] = double(guard->ToldFailureCount());
    failed.clear();
    Services::SetMessageBox(&previous);
}
BENCHMARK(BM_GuardedEvent)->Arg(0)->Arg(1)->Arg(20000);
} // namespace
