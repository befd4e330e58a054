#pragma once

#include "replay.h"
#include "screen/level_screen.h"
#include "support/json_probe.h"

#include <sstream>
#include <string>
#include <vector>

namespace zubble::testing {

// A replay that goes on across several scripts, so that a test can set up a
// board (all dots but one eaten, say) between them and read each dump.
class ReplaySession {
public:
    // Plays more lines; returns what they printed, line by line.
    std::vector<std::string> play(const std::string& script)
    {
        std::istringstream in(script);
        status_ = replay_.run(in);
        std::vector<std::string> lines;
        std::istringstream printed(out_.str().substr(consumed_));
        consumed_ = out_.str().size();
        for (std::string line; std::getline(printed, line);)
            lines.push_back(line);
        return lines;
    }
    std::string dump() { return play("dump\n").at(0); }
    std::string screen(const char* name) { return jsonField(dump(), name); }
    std::string field(const char* screenName, const char* key)
    {
        return jsonField(screen(screenName), key);
    }

    Game& game() { return replay_.game(); }
    int status() const { return status_; }

    // All dots of a screen eaten but these small ones.
    static void eatAllBut(LevelScreen& screen, std::initializer_list<int> smallDotsLeft)
    {
        for (auto& dot : screen.shpCircle)
            dot.Visible = false;
        for (auto& dot : screen.shpLarge)
            dot.Visible = false;
        for (int index : smallDotsLeft)
            screen.shpCircle[index].Visible = true;
    }
    // Starts the program and clears level 1 at once: every dot eaten but
    // dot 43, which the player's second step up reaches; level 2 then shows.
    void startOnLevel2()
    {
        play("start\ntick\n");
        eatAllBut(game().frmLevel1(), {43});
        play("key 38\ntick 2\n");
    }

    // Ghost 0 stands on the player, so the next tick costs a life.
    static void ghostOnPlayer(LevelScreen& screen)
    {
        screen.imgGhost[0].Left = screen.imgZubble.Left;
        screen.imgGhost[0].Top = screen.imgZubble.Top;
        screen.imgGhost[0].Visible = true;
    }

private:
    std::ostringstream out_;
    std::ostringstream errors_;
    replay::Replay replay_{out_, errors_};
    std::size_t consumed_ = 0;
    int status_ = 0;
};

inline std::string boxLine(const std::string& title, const std::string& text)
{
    return "{\"box\":{\"title\":\"" + title + "\",\"text\":\"" + text + "\"}}";
}

} // namespace zubble::testing
