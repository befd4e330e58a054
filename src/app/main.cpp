#include "platform/qt/display_choice.h"
#include "platform/qt/qt_desktop.h"
#include "screen/game.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    zubble::platform::preferXWayland();
    zubble::platform::preferPlainImageTransfers();
    QApplication app(argc, argv);
    zubble::platform::QtDesktop desktop;
    zubble::Game game(desktop);
    game.start();
    desktop.startClock();
    return app.exec();
}
