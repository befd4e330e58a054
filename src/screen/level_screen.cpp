#include "screen/level_screen.h"

#include "platform/busy_flag.h"
#include "platform/desktop.h"
#include "platform/key_codes.h"
#include "screen/game.h"
#include "speed/speed_window.h"

#include <cmath>

namespace zubble {
namespace {

// Where frmLevel1's client area first appears on the screen.
constexpr platform::TwipPosition kFirstClientPosition{540, 1620};

constexpr int kFastIntervalMs = 1;
constexpr int kAnimIntervalMs = 100;

} // namespace

LevelScreen::LevelScreen(Game& g, const LevelLayout& l, const LevelRules& r)
    : game(g), layout(l), rules(r), form(g.desktop),
      tmrZub(g.desktop, kFastIntervalMs, [this] { tmrZub_Timer(); }),
      tmrAnim(g.desktop, kAnimIntervalMs, [this] { tmrAnim_Timer(); })
{
    form.name = rules.formName;
    form.Caption = "Zubble";
    form.Picture = layout.windowPicture;
    form.BackColor = layout.backColour;
    form.clientWidth = kClientWidth;
    form.clientHeight = kClientHeight;
    if (rules.isFirst)
        form.firstClientPosition = kFirstClientPosition;
    form.KeyDown = [this](int key, int shift) { Form_KeyDown(key, shift); };
    form.Unload = [this] { Form_Unload(); };
    buildMenus();
    buildObjects();
    form.create();

    // frmLevel1 plays from creation; frmLevel2 waits for the first level switch.
    tmrZub.Enabled = rules.isFirst;
    tmrAnim.Enabled = rules.isFirst;
    Form_Load();
}

void LevelScreen::buildMenus()
{
    using platform::MenuItem;
    form.menus = {
        {"mnuFile", "&File", {
            {"mnuNewGame", "&New Game", "Ctrl+N", false, false, [this] { mnuNewGame_Click(); }},
            {"mnuPauseGame", "&Pause Game", "Ctrl+P", false, false, [this] { mnuPauseGame_Click(); }},
            {"mnuLine1", "", "", true, false, {}},
            {"mnuExit", "E&xit", "Ctrl+X", false, false, [this] { mnuExit_Click(); }},
        }},
        {"mnuHelp", "&Help", {
            {"mnuRules", "&Rules", "Ctrl+R", false, false, [this] { mnuRules_Click(); }},
            {"mnuLine2", "", "", true, false, {}},
            {"mnuAbout", "&About", "Ctrl+A", false, false, [this] { mnuAbout_Click(); }},
        }},
    };
    pauseItem_ = form.findMenuItem("mnuPauseGame");
}

void LevelScreen::buildObjects()
{
    using platform::ShapeKind;
    for (int i = 0; i < kWallCount; ++i) {
        shpWall[i].place(layout.shpWall[i]);
        shpWall[i].FillColor = Colour::of(SystemColour::WindowFrame);
        shpWall[i].scenery = true;
    }
    for (int i = 0; i < kSmallDotCount; ++i) {
        shpCircle[i].place(layout.smallDot(i));
        shpCircle[i].Kind = ShapeKind::Circle;
    }
    for (int i = 0; i < kLargeDotCount; ++i) {
        shpLarge[i].place(layout.largeDot(i));
        shpLarge[i].Kind = ShapeKind::Circle;
    }
    for (int i = 0; i < kGhostCount; ++i) {
        imgGhost[i].place(layout.imgGhost[i]);
        imgGhost[i].Picture = ghostPicture(i);
        imgGhost[i].Stretch = true;
    }
    for (int i = 0; i < kFrameCount; ++i) {
        imgZub[i].place(layout.imgZub[i]);
        imgZub[i].Picture = zubFrame(i);
    }
    imgZubble.place(layout.imgZubble);
    imgZubble.Picture = imgZub[1].Picture;

    const struct {
        platform::Label& label;
        const TwipRect& rect;
        FontSpec font;
        const char* caption;
    } labels[] = {
        {lblScore, layout.lblScore, kScoreFont, "0"},
        {lbllife, layout.lbllife, kPanelNumberFont, "5"},
        {lblLevel, layout.lblLevel, kPanelNumberFont, "1"},
    };
    for (const auto& l : labels) {
        l.label.place(l.rect);
        l.label.Font = l.font;
        l.label.Caption = l.caption;
    }
    Image1.place(layout.Image1);
    Image1.Picture = PictureId::Panel;
    Image1.scenery = true;
    imgBack2.place(layout.imgBack2);
    imgBack2.Picture = layout.back2Picture;
    imgBack2.Visible = layout.back2Visible;
    imgBack2.scenery = true;

    for (const LayoutObject& object : layout.frontToBack) {
        const platform::Control* control = nullptr;
        switch (object.role) {
        case Role::Zubble: control = &imgZubble; break;
        case Role::Ghost: control = &imgGhost[object.index]; break;
        case Role::Wall: control = &shpWall[object.index]; break;
        case Role::Circle: control = &shpCircle[object.index]; break;
        case Role::Large: control = &shpLarge[object.index]; break;
        case Role::Zub: control = &imgZub[object.index]; break;
        case Role::LblScore: control = &lblScore; break;
        case Role::Lbllife: control = &lbllife; break;
        case Role::LblLevel: control = &lblLevel; break;
        case Role::Image1: control = &Image1; break;
        case Role::Back2: control = &imgBack2; break;
        }
        form.frontToBack.push_back(control);
    }
}

void LevelScreen::Form_Load()
{
    game.desktop.Randomize();
    AnimDir = 0;
    Speed = 80;
    for (Num = 0; Num <= 3; ++Num)
        GhostDir[Num] = int(std::floor(game.desktop.Rnd() * 4)) + 1;
}

// Closing either level window ends the program, paused or not.
void LevelScreen::Form_Unload() { game.desktop.End(); }

void LevelScreen::Form_KeyDown(int KeyCode, int /*Shift*/)
{
    if (KeyCode == platform::kKeyRight)
        Motion = 1;
    if (KeyCode == platform::kKeyLeft)
        Motion = 2;
    if (KeyCode == platform::kKeyUp)
        Motion = 3;
    if (KeyCode == platform::kKeyDown)
        Motion = 4;
    if (KeyCode == platform::kKeyEscape)
        mnuPauseGame_Click();
}

// The steps of a tick share Counter, Num and the open-way flags, so a tick
// never starts while another of this screen runs or waits in a message box.
void LevelScreen::tmrZub_Timer()
{
    if (inFastTick_)
        return;
    const platform::BusyFlag busy(inFastTick_);
    fastTickSteps();
}

void LevelScreen::fastTickSteps()
{
    SpeedWindow& speed = game.frmSpeed();
    if (!speed.form.Visible()) {
        speed.form.Show();
        form.SetFocus();
    }
    ZubGo();
    GhostGo();
    SmallScore();
    LargeScore();
    LevelCheck();
}

// The mouth opens and shuts in a ping-pong over the five frames.
void LevelScreen::tmrAnim_Timer()
{
    if (AnimFrame == 4)
        AnimDir = 1;
    if (AnimFrame == 0)
        AnimDir = 0;
    if (AnimDir == 0) {
        AnimFrame = AnimFrame + 1;
        imgZubble.Picture = imgZub[AnimFrame].Picture;
    } else if (AnimDir == 1) {
        AnimFrame = AnimFrame - 1;
        imgZubble.Picture = imgZub[AnimFrame].Picture;
    }
}

} // namespace zubble
