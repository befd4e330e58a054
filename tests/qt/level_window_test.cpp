#include "platform/qt/form_window.h"
#include "platform/qt/qt_desktop.h"
#include "qt_app.h"
#include "screen/game.h"
#include "screen/level_screen.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include <gtest/gtest.h>

namespace zubble {
namespace {

using platform::FormWindow;

FormWindow* levelWindow(const char* name)
{
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->objectName() == QLatin1String(name))
            return static_cast<FormWindow*>(widget);
    return nullptr;
}

class LevelWindowTest : public ::testing::Test {
protected:
    testing::QtAppReady ready;
    platform::QtDesktop desktop;
    Game game{desktop};
};

TEST_F(LevelWindowTest, IsAFixedZubbleWindowWith534By425Client)
{
    game.start();
    FormWindow* window = levelWindow("frmLevel1");
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle(), "Zubble");
    EXPECT_FALSE(window->windowIcon().isNull());
    EXPECT_EQ(window->centralWidget()->size(), QSize(534, 425));
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    // The client area's top-left corner stands 540 and 1620 twips from the
    // screen's edges.
    EXPECT_EQ(window->centralWidget()->mapToGlobal(QPoint(0, 0)), QPoint(36, 108));
}

TEST_F(LevelWindowTest, MenuBarHasFileAndHelpWithAccessKeysAndShortcuts)
{
    game.start();
    FormWindow* window = levelWindow("frmLevel1");
    ASSERT_NE(window, nullptr);
    const QList<QAction*> menus = window->menuBar()->actions();
    ASSERT_EQ(menus.size(), 2);
    EXPECT_EQ(menus[0]->text(), "&File");
    EXPECT_EQ(menus[1]->text(), "&Help");
    const struct {
        int menu;
        int row;
        const char* text; // empty: a separator
        const char* shortcut;
    } items[] = {
        {0, 0, "&New Game", "Ctrl+N"}, {0, 1, "&Pause Game", "Ctrl+P"}, {0, 2, "", ""},
        {0, 3, "E&xit", "Ctrl+X"}, {1, 0, "&Rules", "Ctrl+R"}, {1, 1, "", ""},
        {1, 2, "&About", "Ctrl+A"},
    };
    for (const auto& item : items) {
        SCOPED_TRACE(item.text);
        const QList<QAction*> actions = menus[item.menu]->menu()->actions();
        ASSERT_LT(item.row, actions.size());
        QAction* action = actions[item.row];
        EXPECT_EQ(action->isSeparator(), *item.text == 0);
        EXPECT_EQ(action->text(), item.text);
        EXPECT_EQ(action->shortcut(), QKeySequence(item.shortcut));
        EXPECT_TRUE(action->isEnabled());
        EXPECT_FALSE(action->isChecked());
    }
    EXPECT_EQ(menus[0]->menu()->actions().size(), 4);
    EXPECT_EQ(menus[1]->menu()->actions().size(), 3);
}

// The pause state lives in the game's menu item; the menu shows it as a check.
TEST_F(LevelWindowTest, PauseShowsAsACheckMark)
{
    game.start();
    FormWindow* window = levelWindow("frmLevel1");
    ASSERT_NE(window, nullptr);
    QMenu* file = window->menuBar()->actions()[0]->menu();
    QAction* pause = file->actions()[1];
    pause->trigger();
    EXPECT_TRUE(game.frmLevel1().mnuPauseGame().Checked);
    emit file->aboutToShow();
    EXPECT_TRUE(pause->isChecked());
    pause->trigger();
    emit file->aboutToShow();
    EXPECT_FALSE(pause->isChecked());
    EXPECT_TRUE(game.frmLevel1().tmrZub.Enabled);
}

} // namespace
} // namespace zubble
