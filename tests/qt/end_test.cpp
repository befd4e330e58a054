#include "platform/qt/form_window.h"
#include "platform/qt/qt_desktop.h"
#include "qt_app.h"
#include "screen/game.h"
#include "screen/level_screen.h"

#include <QMessageBox>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace zubble {
namespace {

// Ending the program while a fast tick waits in "Game Over": the box goes, no
// "New Game" box follows, the main loop returns 0 and nothing ticks again.
TEST(QtEnd, EndsAtOnceFromInsideAMessageBoxOfAFastTick)
{
    testing::qtApp();
    const struct {
        const char* how;
        std::function<void(Game&, platform::QtDesktop&)> end;
    } ways[] = {
        {"Exit", [](Game& game, platform::QtDesktop& desktop) {
             desktop.dispatch([&] { game.frmLevel1().mnuExit_Click(); });
         }},
        {"close box", [](Game& game, platform::QtDesktop&) {
             for (QWidget* widget : QApplication::topLevelWidgets())
                 if (widget->objectName() == QLatin1String("frmLevel1"))
                     widget->close();
             (void)game;
         }},
    };
    for (const auto& way : ways) {
        SCOPED_TRACE(way.how);
        platform::QtDesktop desktop;
        Game game(desktop);
        game.start();
        LevelScreen& s = game.frmLevel1();
        s.lbllife.Caption = "1";
        s.GhostDir = {0, 0, 0, 0, 0};
        s.imgGhost[0].Left = s.imgZubble.Left; // its centre lies inside the player
        s.imgGhost[0].Top = s.imgZubble.Top;

        QStringList titles;
        QTimer watcher;
        QObject::connect(&watcher, &QTimer::timeout, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || titles.contains(box->windowTitle()))
                return;
            titles << box->windowTitle();
            way.end(game, desktop);
        });
        watcher.start(5);
        QTimer::singleShot(5000, [] { QCoreApplication::exit(99); }); // a safety net
        desktop.startClock();
        const int status = QApplication::exec();
        watcher.stop();

        EXPECT_EQ(status, 0);
        EXPECT_EQ(titles, QStringList{"Game Over"});
        EXPECT_TRUE(desktop.ended());
        EXPECT_EQ(s.lbllife.Caption, "0");
        EXPECT_FALSE(s.tmrZub.Enabled);
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    }
}

} // namespace
} // namespace zubble
