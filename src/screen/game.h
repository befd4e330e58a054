#pragma once

#include <memory>

namespace zubble {

namespace platform {
class Desktop;
}
class LevelScreen;
class SpeedWindow;

// Owns the three windows and creates each the first time code touches it;
// no window is ever built twice.
class Game final {
public:
    explicit Game(platform::Desktop& desktop);
    ~Game();
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    // The program starts: frmLevel1 is created, loaded and shown.
    void start();

    LevelScreen& frmLevel1();
    LevelScreen& frmLevel2();
    // Loads the speed window again if the user closed it.
    SpeedWindow& frmSpeed();

    // Looking without touching: null while not created (or closed).
    LevelScreen* level1IfCreated() const { return level1_.get(); }
    LevelScreen* level2IfCreated() const { return level2_.get(); }
    SpeedWindow* speedIfLoaded() const;

    LevelScreen& other(const LevelScreen& screen);
    // The level screen in play: frmLevel1 if it is visible, else frmLevel2.
    LevelScreen& visibleLevel();

    platform::Desktop& desktop;

private:
    std::unique_ptr<LevelScreen> level1_;
    std::unique_ptr<LevelScreen> level2_;
    std::unique_ptr<SpeedWindow> speed_;
};

} // namespace zubble
