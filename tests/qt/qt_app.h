#pragma once

#include <QApplication>

namespace zubble::testing {

// One QApplication for the whole test program (offscreen, set by the harness).
inline QApplication& qtApp()
{
    static int argc = 1;
    static char name[] = "test_qt";
    static char* argv[] = {name, nullptr};
    static QApplication app(argc, argv);
    return app;
}

// A first member for fixtures whose other members need the application.
struct QtAppReady {
    QtAppReady() { qtApp(); }
};

} // namespace zubble::testing
