#include "support/field.h"
#include "support/game_fixture.h"

#include "platform/key_codes.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <functional>
#include <random>
#include <sstream>
#include <string>

namespace zubble::testing {
namespace {


constexpr int kSmallDotPoints = 100;
constexpr int kLargeDotPoints = 500;
constexpr int kFullLives = 5;

constexpr int kTicksPerSeed = 260'000; // over a million ticks in play, a few thousand paused
constexpr std::uint32_t kSeeds[] = {1u, 77u, 4096u, 900'001u};

// How rare each user action is: one tick in N, on average.
constexpr unsigned kArrowEvery = 10;
constexpr unsigned kUnpauseEvery = 20; // a paused game comes back soon
constexpr unsigned kPausedActionEvery = 20; // so most pauses see a menu or speed action
// Leaving one dot near the player gets through a board in a few hundred ticks
// instead of a few hundred thousand.
constexpr unsigned kNearlyClearEvery = 700;

enum class Rare { SpeedChoice, Escape, PauseMenu, CloseSpeed, HelpBox, NewGame };
struct RareAction {
    Rare action;
    unsigned every;
};
constexpr RareAction kRareActions[] = {
    {Rare::SpeedChoice, 1'500},
    {Rare::Escape, 5'000},
    {Rare::PauseMenu, 10'000},
    {Rare::CloseSpeed, 8'000},
    {Rare::HelpBox, 30'000},
    {Rare::NewGame, 60'000},
};

constexpr std::array<int, 5> kSpeeds{10, 40, 80, 130, 180};

// 0..5 from a lives caption, -1 for anything else.
int livesValue(const std::string& caption)
{
    if (caption.size() != 1 || caption[0] < '0' || caption[0] > '0' + kFullLives)
        return -1;
    return caption[0] - '0';
}

// What the test remembers of one level screen between steps.
struct ScreenMemory {
    std::array<bool, kSmallDotCount> small;
    std::array<bool, kLargeDotCount> large;
    bool pauseChecked = false; // the Pause Game check mark, by the menu's rule

    ScreenMemory() // a new screen has a full board
    {
        small.fill(true);
        large.fill(true);
    }
    bool full() const
    {
        return std::all_of(small.begin(), small.end(), [](bool v) { return v; })
            && std::all_of(large.begin(), large.end(), [](bool v) { return v; });
    }
    int pointsEaten() const
    {
        return kSmallDotPoints * int(std::count(small.begin(), small.end(), false))
            + kLargeDotPoints * int(std::count(large.begin(), large.end(), false));
    }
};

// How much of the game a seed got through.
struct Coverage {
    int switchesToLevel2 = 0;
    int switchesToLevel1 = 0; // level 3 and beyond
    int newGames = 0;
    int highestLevel = 1;
    std::array<std::array<long, kSpeeds.size()>, 2> ticksAtSpeed{}; // by screen, by speed
};

class Soak : public GameFixture, public ::testing::WithParamInterface<std::uint32_t> {
protected:
    std::mt19937 random{GetParam()};
    std::array<ScreenMemory, 2> memory; // frmLevel1, frmLevel2
    int score = 0; // points eaten since the last New Game
    int level = 1;
    bool paused = false;
    bool newGameShown = false; // a "New Game" box opened during the step
    Coverage coverage;
    long tick = 0;

    bool chance(unsigned oneIn) { return random() % oneIn == 0; }

    LevelScreen* shown() const
    {
        LevelScreen* one = game.level1IfCreated();
        LevelScreen* two = game.level2IfCreated();
        if (one && one->form.Visible())
            return one;
        return two && two->form.Visible() ? two : nullptr;
    }
    int indexOf(const LevelScreen& screen) const
    {
        return &screen == game.level1IfCreated() ? 0 : 1;
    }
    ScreenMemory& memoryOf(const LevelScreen& screen)
    {
        return memory[std::size_t(indexOf(screen))];
    }

    void deliverToFocusedLevel(int keyCode)
    {
        desktop.deliver([&] {
            platform::Form* focused = desktop.focused();
            if (focused == &level1().form
                || (game.level2IfCreated() && focused == &game.level2IfCreated()->form))
                focused->KeyDown(keyCode, 0);
        });
    }
    void clickMenu(const char* item)
    {
        desktop.deliver([&] { game.visibleLevel().form.findMenuItem(item)->Click(); });
    }

    // Pause Game flips the check mark and stops or starts the timers to match.
    void expectPauseToggle(const LevelScreen& screen)
    {
        bool& checked = memoryOf(screen).pauseChecked;
        checked = !checked;
        paused = checked;
    }

    // Hides every dot of the board in play but the visible one nearest the player.
    void nearlyClearBoard(LevelScreen& screen)
    {
        const float x = screen.imgZubble.Left + screen.imgZubble.Width / 2;
        const float y = screen.imgZubble.Top + screen.imgZubble.Height / 2;
        platform::Shape* nearest = nullptr;
        float best = 0;
        auto consider = [&](platform::Shape& dot) {
            const float distance = std::fabs(dot.Left - x) + std::fabs(dot.Top - y);
            if (dot.Visible && (!nearest || distance < best)) {
                nearest = &dot;
                best = distance;
            }
        };
        for (auto& dot : screen.shpCircle)
            consider(dot);
        for (auto& dot : screen.shpLarge)
            consider(dot);
        for (auto& dot : screen.shpCircle)
            dot.Visible = &dot == nearest;
        for (auto& dot : screen.shpLarge)
            dot.Visible = &dot == nearest;
        remember(screen);
    }

    void remember(const LevelScreen& screen)
    {
        ScreenMemory& m = memoryOf(screen);
        for (int i = 0; i < kSmallDotCount; ++i)
            m.small[i] = screen.shpCircle[i].Visible;
        for (int i = 0; i < kLargeDotCount; ++i)
            m.large[i] = screen.shpLarge[i].Visible;
    }

    // One random user action, then one fast tick, each checked afterwards.
    std::string playOneTick()
    {
        LevelScreen& screen = *shown();
        // Everything may happen while paused too, but the pause soon ends.
        std::string failure;
        if (paused && chance(kUnpauseEvery))
            failure = chance(2) ? rareAction(screen, Rare::Escape)
                                : rareAction(screen, Rare::PauseMenu);
        else if (paused && chance(kPausedActionEvery))
            failure = rareAction(screen, kRareActions[random() % std::size(kRareActions)].action);
        else
            failure = randomAction(screen);
        if (!failure.empty())
            return failure;
        if (!paused)
            coverage.ticksAtSpeed[std::size_t(indexOf(*shown()))][speedIndex(shown()->Speed)]++;
        ++tick;
        return step([&] { desktop.tick(); }, [] {});
    }

    std::size_t speedIndex(int speed) const
    {
        for (std::size_t i = 0; i < kSpeeds.size(); ++i)
            if (kSpeeds[i] == speed)
                return i;
        ADD_FAILURE() << "seed " << GetParam() << ", tick " << tick << ": speed " << speed;
        return 0;
    }

    std::string randomAction(LevelScreen& screen)
    {
        static constexpr int kArrows[] = {
            platform::kKeyRight, platform::kKeyLeft, platform::kKeyUp, platform::kKeyDown};
        if (chance(kArrowEvery))
            return step([&] { deliverToFocusedLevel(kArrows[random() % 4]); }, [] {});
        if (chance(kNearlyClearEvery)) {
            nearlyClearBoard(screen);
            return {};
        }
        for (const RareAction& rare : kRareActions)
            if (chance(rare.every))
                return rareAction(screen, rare.action);
        return {};
    }

    std::string rareAction(LevelScreen& screen, Rare action)
    {
        const auto none = [] {};
        const auto togglesPause = [&] { expectPauseToggle(screen); };
        switch (action) {
        case Rare::SpeedChoice: {
            const int option = int(random() % kSpeeds.size());
            return step(
                [&] {
                    if (SpeedWindow* speed = game.speedIfLoaded())
                        desktop.deliver([&] { speed->options.select(option); });
                },
                none);
        }
        case Rare::Escape:
            return step([&] { deliverToFocusedLevel(platform::kKeyEscape); }, togglesPause);
        case Rare::PauseMenu:
            return step([&] { clickMenu("mnuPauseGame"); }, togglesPause);
        case Rare::CloseSpeed:
            return step(
                [&] {
                    desktop.deliver([&] {
                        if (SpeedWindow* speed = game.speedIfLoaded())
                            speed->form.Unload();
                    });
                },
                none);
        case Rare::HelpBox: {
            // The box pauses the game around itself by toggling Pause Game twice.
            const char* item = chance(2) ? "mnuRules" : "mnuAbout";
            return step([&] { clickMenu(item); }, [&] { paused = memoryOf(screen).pauseChecked; });
        }
        case Rare::NewGame:
            return step([&] { clickMenu("mnuNewGame"); }, none);
        }
        return {};
    }

    // Runs an action, tells the model what the action means for the pause,
    // then checks every rule; empty when all hold.
    std::string step(const std::function<void()>& action, const std::function<void()>& modelPause)
    {
        LevelScreen& before = *shown();
        const int livesBefore = livesValue(before.lbllife.Caption);
        newGameShown = false;
        action();
        modelPause();
        if (desktop.ended())
            return "the program ended";
        return checkAfterStep(before, livesBefore);
    }

    std::string checkAfterStep(LevelScreen& before, int livesBefore)
    {
        LevelScreen* level2 = game.level2IfCreated();
        const bool oneShown = level1().form.Visible() != (level2 && level2->form.Visible());
        if (!oneShown)
            return "not exactly one level screen is visible";
        LevelScreen& now = *shown();
        const bool switched = &now != &before && !newGameShown;
        if (newGameShown) {
            ++coverage.newGames;
            level = 1;
            paused = false;
        }
        if (switched) {
            ++level;
            paused = false;
            coverage.highestLevel = std::max(coverage.highestLevel, level);
            ++(&now == level2 ? coverage.switchesToLevel2 : coverage.switchesToLevel1);
        }

        if (std::string failure = checkDots(before, now); !failure.empty())
            return failure;
        if (std::string failure = checkTimers(now); !failure.empty())
            return failure;
        if (std::string failure = checkMovers(now); !failure.empty())
            return failure;
        if (desktop.focused() != &now.form)
            return "the keyboard focus is not on the visible level screen";
        if (now.lblScore.Caption != std::to_string(score))
            return "score " + now.lblScore.Caption + ", expected " + std::to_string(score);
        if (now.lblLevel.Caption != std::to_string(level))
            return "level " + now.lblLevel.Caption + ", expected " + std::to_string(level);
        const int lives = livesValue(now.lbllife.Caption);
        if (lives < 0)
            return "lives caption '" + now.lbllife.Caption + "'";
        if (lives < livesBefore - 1)
            return "lives dropped from " + std::to_string(livesBefore) + " to "
                + std::to_string(lives);
        if (lives > livesBefore && !(newGameShown && lives == kFullLives))
            return "lives rose from " + std::to_string(livesBefore) + " to "
                + std::to_string(lives) + " without a New Game";
        desktop.boxes.clear(); // the boxes were seen through onBox
        return {};
    }

    // Dots hide only by being eaten and come back only when their board is
    // refilled; each eaten dot on the board in play scores.
    std::string checkDots(const LevelScreen& before, const LevelScreen& now)
    {
        for (const LevelScreen* screen : {game.level1IfCreated(), game.level2IfCreated()}) {
            if (!screen)
                continue;
            ScreenMemory& m = memoryOf(*screen);
            const bool refilled = (newGameShown && screen == game.level1IfCreated())
                || (screen == &now && &now != &before);
            const bool scores = screen == &before && !newGameShown;
            auto compare = [&](bool& was, const platform::Shape& dot, int points,
                               const char* kind, int index) -> std::string {
                if (!was && dot.Visible && !refilled)
                    return std::string(kind) + " dot " + std::to_string(index) + " of "
                        + screen->form.name + " came back without a refill";
                if (was && !dot.Visible && scores)
                    score += points;
                was = dot.Visible;
                return {};
            };
            for (int i = 0; i < kSmallDotCount; ++i)
                if (auto failure = compare(m.small[i], screen->shpCircle[i], kSmallDotPoints,
                        "small", i);
                    !failure.empty())
                    return failure;
            for (int i = 0; i < kLargeDotCount; ++i)
                if (auto failure = compare(m.large[i], screen->shpLarge[i], kLargeDotPoints,
                        "large", i);
                    !failure.empty())
                    return failure;
        }
        // The board a level switch enters is full: its own ticks start next round.
        if (&now != &before && !newGameShown && !memoryOf(now).full())
            return now.form.name + " was entered without a full board";
        // After a New Game the score is what the refilled first board has lost since.
        if (newGameShown)
            score = memory[0].pointsEaten();
        return {};
    }

    std::string checkTimers(LevelScreen& now)
    {
        if (now.mnuPauseGame().Checked != memoryOf(now).pauseChecked)
            return "the Pause Game check mark changed on its own";
        if (now.tmrZub.Enabled != !paused || now.tmrAnim.Enabled != !paused)
            return std::string("the visible screen's timers are ") + (paused ? "on" : "off")
                + (paused ? " while paused" : " while playing");
        const LevelScreen* hidden = &now == game.level1IfCreated() ? game.level2IfCreated()
                                                                   : game.level1IfCreated();
        if (hidden && (hidden->tmrZub.Enabled || hidden->tmrAnim.Enabled))
            return "a timer of the hidden level screen is on";
        return {};
    }

    // No mover on the board enters a wall; every sprite stays in the field,
    // hidden ghosts too, since they come back where they vanished.
    static std::string checkMovers(const LevelScreen& screen)
    {
        auto check = [&](const platform::Control& sprite, bool solid, const char* what,
                         int index) -> std::string {
            const auto where = [&] {
                std::ostringstream text;
                text << what << (index >= 0 ? " " + std::to_string(index) : "") << " at ("
                     << sprite.Left << ", " << sprite.Top << ")";
                return text.str();
            };
            if (!insideField(sprite))
                return where() + " left the field";
            for (int w = 0; solid && w < kWallCount; ++w)
                if (overlaps(sprite, screen.shpWall[w]))
                    return where() + " overlaps wall " + std::to_string(w);
            return {};
        };
        if (auto failure = check(screen.imgZubble, true, "the player", -1); !failure.empty())
            return failure;
        for (int i = 0; i < kGhostCount; ++i) {
            const platform::Image& ghost = screen.imgGhost[i];
            if (auto failure = check(ghost, ghost.Visible, "ghost", i); !failure.empty())
                return failure;
        }
        return {};
    }
};

TEST_P(Soak, EveryRuleHoldsThroughLongRandomPlay)
{
    desktop.onBox = [this](const platform::HeadlessDesktop::Box& box) {
        if (box.title == "New Game")
            newGameShown = true;
    };
    std::array<int, 4> directions{};
    for (int& direction : directions)
        direction = 1 + int(random() % 4);
    start(directions);

    while (tick < kTicksPerSeed) {
        const std::string failure = playOneTick();
        ASSERT_EQ(failure, "") << "seed " << GetParam() << ", tick " << tick;
    }

    // The seed must have got through the parts of the game worth soaking.
    EXPECT_GE(coverage.switchesToLevel2, 10);
    EXPECT_GE(coverage.switchesToLevel1, 10);
    EXPECT_GE(coverage.highestLevel, 4);
    EXPECT_GE(coverage.newGames, 3);
    for (std::size_t screen = 0; screen < 2; ++screen)
        for (std::size_t speed = 0; speed < kSpeeds.size(); ++speed)
            EXPECT_GT(coverage.ticksAtSpeed[screen][speed], 0)
                << "frmLevel" << screen + 1 << " never ran at speed " << kSpeeds[speed];
    RecordProperty("newGames", coverage.newGames);
    RecordProperty("switchesToLevel2", coverage.switchesToLevel2);
    RecordProperty("switchesToLevel1", coverage.switchesToLevel1);
    RecordProperty("highestLevel", coverage.highestLevel);
    long played = 0;
    for (const auto& bySpeed : coverage.ticksAtSpeed)
        for (long ticks : bySpeed)
            played += ticks;
    RecordProperty("ticksPlayedUnpaused", std::to_string(played));
}

INSTANTIATE_TEST_SUITE_P(Seeds, Soak, ::testing::ValuesIn(kSeeds),
    [](const ::testing::TestParamInfo<std::uint32_t>& info) {
        return "Seed" + std::to_string(info.param);
    });

} // namespace
} // namespace zubble::testing
