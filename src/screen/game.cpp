#include "screen/game.h"

#include "board/level1_layout.h"
#include "board/level2_layout.h"
#include "screen/level_screen.h"
#include "speed/speed_window.h"

namespace zubble {

Game::Game(platform::Desktop& d) : desktop(d) {}

// The speed window and the screens refer to each other through the game; take
// them down in the reverse order of their creation.
Game::~Game()
{
    speed_.reset();
    level2_.reset();
    level1_.reset();
}

void Game::start() { frmLevel1().form.Show(); }

LevelScreen& Game::frmLevel1()
{
    if (!level1_)
        level1_ = std::make_unique<LevelScreen>(*this, kLevel1Layout, kLevel1Rules);
    return *level1_;
}

LevelScreen& Game::frmLevel2()
{
    if (!level2_)
        level2_ = std::make_unique<LevelScreen>(*this, kLevel2Layout, kLevel2Rules);
    return *level2_;
}

SpeedWindow& Game::frmSpeed()
{
    if (!speed_)
        speed_ = std::make_unique<SpeedWindow>(*this);
    if (!speed_->loaded())
        speed_->load();
    return *speed_;
}

SpeedWindow* Game::speedIfLoaded() const
{
    return speed_ && speed_->loaded() ? speed_.get() : nullptr;
}

LevelScreen& Game::other(const LevelScreen& screen)
{
    return &screen == level1_.get() ? frmLevel2() : frmLevel1();
}

LevelScreen& Game::visibleLevel()
{
    return frmLevel1().form.Visible() ? frmLevel1() : frmLevel2();
}

} // namespace zubble
