#include "speed/speed_window.h"

#include "screen/game.h"
#include "screen/level_screen.h"

namespace zubble {
namespace {

constexpr int kSpeedClientWidth = 1245;
constexpr int kSpeedClientHeight = 2970;
constexpr int kButtonLeft = 120;
constexpr int kButtonHeight = 495;

// Top to bottom as they stand in the window.
std::unique_ptr<platform::OptionGroup> makeOptions()
{
    auto group = std::make_unique<platform::OptionGroup>();
    group->buttons = {
        {"opt5", "Very Slow", kButtonLeft, 0, 735, kButtonHeight, 5},
        {"opt1", "Slow", kButtonLeft, 600, 735, kButtonHeight, 1},
        {"opt2", "Normal", kButtonLeft, 1200, 855, kButtonHeight, 2},
        {"opt3", "Fast", kButtonLeft, 1800, 735, kButtonHeight, 3},
        {"opt4", "Very Fast", kButtonLeft, 2400, 735, kButtonHeight, 4},
    };
    return group;
}

} // namespace

SpeedWindow::SpeedWindow(Game& g)
    : game(g), form(g.desktop), options(*(form.options = makeOptions())),
      Timer1(g.desktop, 1, [this] { Timer1_Timer(); })
{
    form.name = "frmSpeed";
    form.Caption = "Select Speed";
    form.clientWidth = kSpeedClientWidth;
    form.clientHeight = kSpeedClientHeight;
    form.takesFocus = false; // the arrows must keep reaching the level screen
    options.Click = [this](int index) { optClick(index); };
    form.Unload = [this] { Form_Unload(); };
    form.create();
}

void SpeedWindow::load()
{
    loaded_ = true;
    Timer1.Enabled = true;
    Form_Load();
}

void SpeedWindow::Form_Load() { selectNormal(); }

void SpeedWindow::Form_Unload()
{
    form.Hide();
    Timer1.Enabled = false;
    options.clear();
    loaded_ = false;
}

void SpeedWindow::optClick(int index)
{
    LevelScreen& screen = game.visibleLevel();
    screen.Speed = kSpeeds[index];
    screen.form.SetFocus();
}

void SpeedWindow::Timer1_Timer()
{
    LevelScreen& screen = game.visibleLevel();
    form.SetTop(screen.form.Top());
    const float width = screen.form.Width();
    const float left = screen.form.Left();
    form.SetLeft(left + width);
}

} // namespace zubble
