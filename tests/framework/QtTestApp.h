// The one QApplication of a GUI test program, made on first use (tests run on the
// offscreen platform). It is never destroyed: Qt must not be torn down among the
// program's static destructors.
#pragma once

#include <QApplication>

inline QApplication& TestApp()
{
    static int argc = 1;
    static char name[] = "morvane-test";
    static char* argv[] = {name, nullptr};
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}
