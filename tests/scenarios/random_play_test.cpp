#include "support/field.h"
#include "support/game_fixture.h"

#include "platform/key_codes.h"

#include <array>
#include <cstdint>
#include <ostream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace zubble::testing {
namespace {


constexpr int kTicksPerGame = 25000;
constexpr int kLongestKeyGap = 24; // ticks between random arrow keys, at most

// Every sprite stays in the field, hidden ghosts too since they come back
// where they vanished; the player and the ghosts on the board never enter a wall.
::testing::AssertionResult moversStayInField(const LevelScreen& screen)
{
    auto check = [&](const platform::Control& sprite, const std::string& name,
                     bool solid) -> ::testing::AssertionResult {
        if (!insideField(sprite))
            return ::testing::AssertionFailure()
                << name << " left the field at (" << sprite.Left << ", " << sprite.Top << ")";
        for (int w = 0; solid && w < kWallCount; ++w)
            if (overlaps(sprite, screen.shpWall[w]))
                return ::testing::AssertionFailure() << name << " at (" << sprite.Left << ", "
                                                     << sprite.Top << ") overlaps wall " << w;
        return ::testing::AssertionSuccess();
    };
    if (auto result = check(screen.imgZubble, "the player", true); !result)
        return result;
    for (int i = 0; i < kGhostCount; ++i) {
        const platform::Image& ghost = screen.imgGhost[i];
        if (auto result = check(ghost, "ghost " + std::to_string(i), ghost.Visible); !result)
            return result;
    }
    return ::testing::AssertionSuccess();
}

struct Play {
    int board; // the level screen the game is kept on
    int option; // speed window button, Very Slow first
    std::uint32_t seed;
};

void PrintTo(const Play& play, std::ostream* os)
{
    *os << "level " << play.board << ", speed " << SpeedWindow::kSpeeds[std::size_t(play.option)]
        << ", seed " << play.seed;
}

class RandomPlay : public GameFixture, public ::testing::WithParamInterface<Play> {};

TEST_P(RandomPlay, MoversNeverEnterWallsOrLeaveField)
{
    const Play play = GetParam();
    std::mt19937 random(play.seed);
    std::array<int, 4> drawn{};
    for (int& direction : drawn)
        direction = 1 + int(random() % 4);
    start(drawn);
    desktop.tick(1); // the speed window opens

    constexpr int kArrows[] = {
        platform::kKeyRight, platform::kKeyLeft, platform::kKeyUp, platform::kKeyDown};
    int nextKey = 0;
    for (int tick = 1; tick <= kTicksPerGame; ++tick) {
        // A lost game goes back to level 1 at Normal speed; put it back in play.
        if (play.board == 2 && level1().form.Visible())
            level1().SwitchTo(level2());
        SpeedWindow& speed = game.frmSpeed();
        if (speed.options.selected() != play.option)
            speed.options.select(play.option);
        if (--nextKey <= 0) {
            game.visibleLevel().form.KeyDown(kArrows[random() % 4], 0);
            nextKey = 1 + int(random() % kLongestKeyGap);
        }

        desktop.tick(1);

        ASSERT_FALSE(desktop.ended());
        const LevelScreen& screen = game.visibleLevel();
        ASSERT_TRUE(moversStayInField(screen))
            << "seed " << play.seed << ", " << screen.form.name << ", speed " << screen.Speed
            << ", tick " << tick;
    }
}

std::vector<Play> allPlays()
{
    std::vector<Play> plays;
    for (int board = 1; board <= 2; ++board)
        for (int option = 0; option < int(SpeedWindow::kSpeeds.size()); ++option)
            for (std::uint32_t seed : {11u, 2024u, 90210u})
                plays.push_back({board, option, seed});
    return plays;
}

INSTANTIATE_TEST_SUITE_P(BoardsAndSpeeds, RandomPlay, ::testing::ValuesIn(allPlays()),
    [](const ::testing::TestParamInfo<Play>& info) {
        std::ostringstream name;
        name << "Level" << info.param.board << "Speed"
             << SpeedWindow::kSpeeds[std::size_t(info.param.option)] << "Seed" << info.param.seed;
        return name.str();
    });

} // namespace
} // namespace zubble::testing
