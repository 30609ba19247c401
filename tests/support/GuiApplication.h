#pragma once

#include <QGuiApplication>

namespace testing_support {

// Fonts and pictures need a GUI application; the first test that asks makes
// one, and it lives for the rest of the run.
inline void StartGuiApplication() {
    static int argc = 1;
    static char name[] = "terrafold-tests";
    static char* argv[] = {name, nullptr};
    if (!QGuiApplication::instance())
        new QGuiApplication(argc, argv);
}

} // namespace testing_support
