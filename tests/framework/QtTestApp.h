// The one QApplication of a GUI test program, made on first use (tests run on the
// offscreen platform). It is never destroyed: Qt must not be torn down among the
// program's static destructors. A test program of the application's windows makes the
// program's own application class (TestApp<CGuardedApplication>()); whichever call comes
// first makes the one that every later call returns.
#pragma once

#include <QApplication>

template <class Application = QApplication> QApplication& TestApp()
{
    static int argc = 1;
    static char name[] = "morvane-test";
    static char* argv[] = {name, nullptr};
    if (auto* existing = qobject_cast<QApplication*>(QCoreApplication::instance()))
        return *existing;
    return *new Application(argc, argv);
}
