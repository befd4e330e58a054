#include "support/game_fixture.h"

namespace zubble {
namespace {

using testing::GameFixture;

class HelpTest : public GameFixture {
protected:
    struct Seen {
        bool paused;
        bool running;
    };
    // Opens a help box and notes the pause state while it is open.
    Seen openWhilePaused(LevelScreen& screen, bool paused, void (LevelScreen::*command)())
    {
        if (paused)
            screen.mnuPauseGame_Click();
        Seen seen{};
        desktop.onBox = [&](const platform::HeadlessDesktop::Box&) {
            seen = {screen.mnuPauseGame().Checked, screen.tmrZub.Enabled && screen.tmrAnim.Enabled};
        };
        desktop.deliver([&] { (screen.*command)(); });
        desktop.onBox = nullptr;
        return seen;
    }
};

// Help pauses a running game while its box is open; a paused game runs while
// the box is open and is paused again after it.
TEST_F(HelpTest, BoxesToggleThePauseAroundThemselves)
{
    start();
    for (auto command : {&LevelScreen::mnuRules_Click, &LevelScreen::mnuAbout_Click}) {
        for (bool paused : {false, true}) {
            SCOPED_TRACE(paused);
            LevelScreen& s = level1();
            if (s.mnuPauseGame().Checked)
                s.mnuPauseGame_Click();
            const Seen during = openWhilePaused(s, paused, command);
            EXPECT_EQ(during.paused, !paused);
            EXPECT_EQ(during.running, paused);
            EXPECT_EQ(s.mnuPauseGame().Checked, paused);
            EXPECT_EQ(s.tmrZub.Enabled, !paused);
        }
    }
}

TEST_F(HelpTest, EachScreenHasItsOwnRulesAndOneAbout)
{
    start();
    level1().mnuRules_Click();
    level2().mnuRules_Click();
    level1().mnuAbout_Click();
    level2().mnuAbout_Click();
    ASSERT_EQ(desktop.boxes.size(), 4u);
    EXPECT_EQ(desktop.boxes[0].title, "About Zubble");
    EXPECT_EQ(desktop.boxes[0].text,
        "Use the arrow keys to control Zubble.\r\nEat dots and don't hit the ghosts--it's\r\n"
        "pretty basic.  Press ESC to pause the\r\ngame and start it up again.");
    EXPECT_EQ(desktop.boxes[1].title, "Zubble for Dummies");
    EXPECT_EQ(desktop.boxes[1].text,
        "Use the arrow keys to control Zubble.\r\nEat dots and don't hit the ghosts--it's\r\n"
        "pretty basic.  The 'p' key pauses the\r\ngame and then starts it up again.");
    for (int i : {2, 3}) {
        EXPECT_EQ(desktop.boxes[i].title, "About Zubble");
        const std::string& text = desktop.boxes[i].text;
        // Four lines: three line breaks, none at the end.
        int breaks = 0;
        for (std::size_t at = text.find("\r\n"); at != std::string::npos;
             at = text.find("\r\n", at + 2))
            ++breaks;
        EXPECT_EQ(breaks, 3);
        EXPECT_NE(text.substr(text.size() - 2), "\r\n");
        EXPECT_EQ(text, desktop.boxes[2].text);
    }
}

TEST_F(HelpTest, ExitEndsTheProgramPausedOrNot)
{
    start();
    desktop.tick();
    level1().mnuPauseGame_Click();
    desktop.deliver([&] { level1().form.findMenuItem("mnuExit")->Click(); });
    EXPECT_TRUE(desktop.ended());
    EXPECT_TRUE(desktop.boxes.empty());
}

} // namespace
} // namespace zubble
