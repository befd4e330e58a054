#pragma once

#include "board/level_layout.h"
#include "platform/control.h"
#include "platform/form.h"
#include "platform/timer.h"
#include "screen/level_rules.h"

#include <array>
#include <cstdint>

namespace zubble {

class Game;

// One level screen: its window, its board objects (which are the game's
// state), its two timers, its variables and its procedures. frmLevel1 and
// frmLevel2 are two instances built from their layouts.
class LevelScreen final {
public:
    LevelScreen(Game& game, const LevelLayout& layout, const LevelRules& rules);
    LevelScreen(const LevelScreen&) = delete;
    LevelScreen& operator=(const LevelScreen&) = delete;

    Game& game;
    const LevelLayout& layout;
    const LevelRules& rules;
    platform::Form form;

    // Board and panel objects.
    platform::Image imgZubble;
    std::array<platform::Image, kGhostCount> imgGhost;
    std::array<platform::Shape, kWallCount> shpWall;
    std::array<platform::Shape, kSmallDotCount> shpCircle;
    std::array<platform::Shape, kLargeDotCount> shpLarge;
    std::array<platform::Image, kFrameCount> imgZub;
    platform::Label lblScore;
    platform::Label lbllife;
    platform::Label lblLevel;
    platform::Image Image1;
    platform::Image imgBack2;

    platform::Timer tmrZub;
    platform::Timer tmrAnim;

    // Public variables, written by the other screen and the speed window.
    int Motion = 0;
    int Speed = 0;
    int Num = 0;
    std::int32_t Nogotime = 0;

    // The screen's own variables, shared by its procedures.
    int CanRight = 0;
    int CanLeft = 0;
    int CanUp = 0;
    int CanDown = 0;
    int Counter = 0;
    std::array<int, kGhostCount + 1> GhostDir{};
    std::array<float, kGhostCount> GhostOldLeft{};
    std::array<float, kGhostCount> GhostOldTop{};
    std::array<float, kGhostCount> GhostMidX{};
    std::array<float, kGhostCount> GhostMidY{};
    int AnimDir = 0;
    int AnimFrame = 0;
    int HideGhosts = 0;
    int GhostsAway = 0;

    // Event handlers.
    void Form_Load();
    void Form_Unload();
    void Form_KeyDown(int KeyCode, int Shift);
    void tmrZub_Timer();
    void tmrAnim_Timer();

    // Procedures of the fast tick, each defined by the part of the game it belongs to.
    void ZubGo();
    void GhostGo();
    void GhostTrack();
    void SmallScore();
    void LargeScore();
    void LevelCheck();
    void LoseLife();
    void SwitchTo(LevelScreen& target);

    // Menu commands.
    void mnuNewGame_Click();
    void mnuPauseGame_Click();
    void mnuExit_Click();
    void mnuRules_Click();
    void mnuAbout_Click();

    platform::MenuItem& mnuPauseGame() { return *pauseItem_; }
    bool inFastTick() const { return inFastTick_; }

    // Sets CanRight..CanDown for a mover with this rectangle, from the walls.
    void findOpenWays(const platform::Control& mover);

private:
    void buildObjects();
    void buildMenus();
    void fastTickSteps();

    platform::MenuItem* pauseItem_ = nullptr;
    bool inFastTick_ = false;
};

} // namespace zubble
