#include "state_dump.h"

#include "json_text.h"
#include "screen/game.h"
#include "screen/level_screen.h"
#include "speed/speed_window.h"

namespace zubble::replay {
namespace {

std::string boolean(bool value) { return value ? "true" : "false"; }

std::string pair(float a, float b) { return "[" + jsonNumber(a) + "," + jsonNumber(b) + "]"; }

std::string visibility(const auto& objects)
{
    std::string flags;
    for (const auto& object : objects)
        flags += object.Visible ? '1' : '0';
    return jsonString(flags);
}

// The frame whose picture the player shows.
int shownFrame(const LevelScreen& s)
{
    for (int k = 0; k < kFrameCount; ++k)
        if (s.imgZub[k].Picture == s.imgZubble.Picture)
            return k;
    return -1;
}

std::string screen(LevelScreen* s)
{
    if (!s)
        return "null";
    std::string ghosts = "[";
    for (int i = 0; i < kGhostCount; ++i) {
        const auto& g = s->imgGhost[i];
        ghosts += (i ? ",[" : "[") + jsonNumber(g.Left) + "," + jsonNumber(g.Top) + ","
            + boolean(g.Visible) + "," + std::to_string(s->GhostDir[i]) + "]";
    }
    ghosts += "]";
    const auto& f = s->form;
    return "{\"visible\":" + boolean(f.Visible()) + ",\"tmrZub\":" + boolean(s->tmrZub.Enabled)
        + ",\"tmrAnim\":" + boolean(s->tmrAnim.Enabled)
        + ",\"paused\":" + boolean(s->mnuPauseGame().Checked)
        + ",\"score\":" + jsonString(s->lblScore.Caption)
        + ",\"lives\":" + jsonString(s->lbllife.Caption)
        + ",\"level\":" + jsonString(s->lblLevel.Caption)
        + ",\"Motion\":" + std::to_string(s->Motion) + ",\"Speed\":" + std::to_string(s->Speed)
        + ",\"Nogotime\":" + std::to_string(s->Nogotime)
        + ",\"GhostsAway\":" + std::to_string(s->GhostsAway)
        + ",\"HideGhosts\":" + std::to_string(s->HideGhosts)
        + ",\"AnimDir\":" + std::to_string(s->AnimDir)
        + ",\"AnimFrame\":" + std::to_string(s->AnimFrame)
        + ",\"zubble\":" + pair(s->imgZubble.Left, s->imgZubble.Top)
        + ",\"frame\":" + std::to_string(shownFrame(*s)) + ",\"ghosts\":" + ghosts
        + ",\"dots\":" + visibility(s->shpCircle) + ",\"large\":" + visibility(s->shpLarge)
        + ",\"back2\":" + boolean(s->imgBack2.Visible) + ",\"window\":["
        + jsonNumber(f.Left()) + "," + jsonNumber(f.Top()) + "," + jsonNumber(f.Width()) + "]}";
}

std::string speedWindow(SpeedWindow* w)
{
    if (!w)
        return "null";
    const int selected = w->options.selected();
    const std::string name
        = selected < 0 ? "null" : jsonString(w->options.buttons[selected].name);
    return "{\"visible\":" + boolean(w->form.Visible()) + ",\"selected\":" + name
        + ",\"left\":" + jsonNumber(w->form.Left()) + ",\"top\":" + jsonNumber(w->form.Top())
        + "}";
}

} // namespace

std::string dumpState(Game& game)
{
    LevelScreen* one = game.level1IfCreated();
    LevelScreen* two = game.level2IfCreated();
    const char* shown = one && one->form.Visible() ? "\"frmLevel1\""
        : two && two->form.Visible()               ? "\"frmLevel2\""
                                                   : "null";
    return std::string("{\"shown\":") + shown + ",\"frmLevel1\":" + screen(one)
        + ",\"frmLevel2\":" + screen(two) + ",\"frmSpeed\":" + speedWindow(game.speedIfLoaded())
        + "}";
}

} // namespace zubble::replay
