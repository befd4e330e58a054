// The real game binary on a private X server, played as a person would:
// with the keyboard, the mouse and the eyes.
#include "x_session.h"

#include <QColor>

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <thread>

namespace zubble {
namespace {

using testing::XSession;

void pause(double seconds)
{
    std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
}

// The centre of the player's yellow body inside `area`, or (-1, -1).
QPointF playerCentre(const QImage& screen, const QRect& area)
{
    double sumX = 0, sumY = 0;
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (screen.pixel(x, y) == qRgb(234, 214, 57)) {
                sumX += x;
                sumY += y;
                ++count;
            }
    return count ? QPointF(sumX / count, sumY / count) : QPointF(-1, -1);
}

// The ghosts chase the player for real: a lost life's box may have come up.
// Answers it (and a game over's boxes after it) and says so, so that a step
// can be tried again.
bool answerLifeBoxes(XSession& x)
{
    const std::string box = x.run(
        "xdotool search --onlyvisible --name '^(Lives Left:.*|Only .*|Game Over|New Game)$'");
    if (box.empty())
        return false;
    x.run("xdotool windowfocus " + box.substr(0, box.find('\n')) + " key Return");
    pause(0.2);
    answerLifeBoxes(x);
    return true;
}

class GameBinary : public ::testing::Test {
protected:
    static constexpr int kTries = 4;

    XSession x;
    pid_t game = -1;
    unsigned long level = 0;
    unsigned long speed = 0;

    void SetUp() override
    {
        if (!x.ready())
            GTEST_SKIP() << "no Xvfb here";
        game = x.launch(ZUBBLE_GAME_BIN);
        ASSERT_GT(game, 0);
        level = x.findWindow("Zubble", 10);
        speed = x.findWindow("Select Speed", 10);
        ASSERT_NE(level, 0u);
        ASSERT_NE(speed, 0u);
        pause(0.3);
    }
    void TearDown() override
    {
        if (game > 0)
            x.waitForExit(game, 0); // kills it if a test left it running
    }
    QPointF player() { return playerCentre(x.screen(), x.geometry(level)); }
    QImage levelPicture() { return x.screen().copy(x.geometry(level)); }
    void choose(int optionTop)
    {
        const QRect s = x.geometry(speed);
        x.click(s.x() + 20, s.y() + optionTop + 16);
        // Back over the board, as a player's hand goes back to the keys: with
        // no window manager the keys follow the pointer.
        const QRect l = x.geometry(level);
        x.run("xdotool mousemove " + std::to_string(l.center().x()) + " "
            + std::to_string(l.center().y()));
        pause(0.1);
    }
    static constexpr int kVerySlowTop = 0;
    static constexpr int kNormalTop = 80;

    // Sends the player the way with more room and returns its pace in pixels
    // a second, timed from screenshot to screenshot.
    double run(double seconds)
    {
        const QRect area = x.geometry(level);
        const double clientTop = area.bottom() + 1 - 425;
        const double highest = clientTop + 1840 / 15.0 + 17.5;
        const double lowest = clientTop + 5680 / 15.0 + 17.5;
        const QPointF here = player();
        x.key(here.y() - highest > lowest - here.y() ? "Up" : "Down");
        pause(0.05);
        const auto from = std::chrono::steady_clock::now();
        const QPointF a = player();
        pause(seconds);
        const auto to = std::chrono::steady_clock::now();
        const QPointF b = player();
        return std::abs(b.y() - a.y()) / std::chrono::duration<double>(to - from).count();
    }

    // The ghosts chase the player for real: a lost life's box may have come
    // up. Dismisses it and says so, so that the step can be tried again.
    bool lifeWasLost() { return answerLifeBoxes(x); }
};

TEST_F(GameBinary, PlaysFromTheKeyboardAndEndsWithCtrlX)
{
    // The speed window sits against the level window's right edge, tops level.
    const QRect l = x.geometry(level);
    const QRect s = x.geometry(speed);
    EXPECT_EQ(s.x(), l.x() + l.width());
    EXPECT_EQ(s.y(), l.y());

    // An arrow key starts the player moving down its corridor.
    double down = 0;
    double across = 0;
    for (int attempt = 0; attempt < kTries; ++attempt) {
        const QPointF start = player();
        x.key("Down");
        pause(0.3);
        const QPointF moved = player();
        if (lifeWasLost())
            continue;
        down = moved.y() - start.y();
        across = std::abs(moved.x() - start.x());
        break;
    }
    EXPECT_GT(down, 20);
    EXPECT_LT(across, 3); // the mouth opens and shuts; the player stays in its column

    // Esc stops everything on the board, Esc again starts it.
    lifeWasLost();
    x.key("Escape");
    pause(0.2);
    const QImage held = levelPicture();
    pause(0.4);
    EXPECT_EQ(levelPicture(), held);
    x.key("Escape");
    pause(0.4);
    EXPECT_NE(levelPicture(), held);

    // "Normal" and "Very Slow" differ eightfold in pace; the keys keep
    // reaching the level window after each choice. The player runs along the
    // middle column, between y 1840 and 5680 twips, the way with more room.
    double slow = 0;
    double normal = 0;
    for (int attempt = 0; attempt < kTries; ++attempt) {
        lifeWasLost();
        choose(kNormalTop);
        normal = run(/*seconds=*/0.1);
        choose(kVerySlowTop);
        slow = run(/*seconds=*/0.5);
        if (!lifeWasLost())
            break;
    }
    EXPECT_GT(slow, 5.0);
    EXPECT_GT(normal, 3 * slow) << "slow " << slow << " px/s, normal " << normal << " px/s";

    lifeWasLost();
    x.key("ctrl+x");
    EXPECT_EQ(x.waitForExit(game, 5), 0);
    game = -1;
}

// Under a window manager the windows have frames: the speed window's frame
// stands against the level window's frame, and follows it when it is dragged.
TEST(GameBinaryOnADesktop, SpeedWindowDocksFrameToFrameAndFollowsADrag)
{
    XSession x;
    if (!x.ready() || !x.startWindowManager())
        GTEST_SKIP() << "no Xvfb or no window manager here";
    const pid_t game = x.launch(ZUBBLE_GAME_BIN);
    ASSERT_GT(game, 0);
    const unsigned long level = x.findWindow("Zubble", 10);
    const unsigned long speed = x.findWindow("Select Speed", 10);
    ASSERT_NE(level, 0u);
    ASSERT_NE(speed, 0u);
    pause(0.5);
    const auto expectDocked = [&] {
        const QRect l = x.frame(level);
        const QRect s = x.frame(speed);
        EXPECT_EQ(s.left(), l.right() + 1);
        EXPECT_EQ(s.top(), l.top());
        EXPECT_GT(l.top(), x.geometry(level).top() - 100); // a real frame, not a guess
    };
    // The client area first stands 36 pixels from the screen's left edge and
    // 108 from its top, below the menu bar.
    const QRect inside = x.inside(level);
    EXPECT_EQ(inside.left(), 36);
    EXPECT_EQ(inside.bottom() + 1 - 425, 108);
    expectDocked();
    const QRect before = x.frame(level);
    x.run("xdotool windowmove " + std::to_string(level) + " 300 200");
    pause(0.3);
    EXPECT_NE(x.frame(level).topLeft(), before.topLeft());
    expectDocked();
    x.run("xdotool windowmove " + std::to_string(speed) + " 20 20"); // dragged away
    pause(0.3);
    expectDocked();
    answerLifeBoxes(x);
    x.run("xdotool windowactivate --sync " + std::to_string(level));
    x.key("ctrl+x");
    EXPECT_EQ(x.waitForExit(game, 5), 0);
}

} // namespace
} // namespace zubble
