#include "replay.h"

#include "json_text.h"
#include "platform/form.h"
#include "screen/level_screen.h"
#include "script_reader.h"
#include "speed/speed_window.h"
#include "state_dump.h"

namespace zubble::replay {
namespace {

const char* menuItemName(const std::string& item)
{
    if (item == "new") return "mnuNewGame";
    if (item == "pause") return "mnuPauseGame";
    if (item == "exit") return "mnuExit";
    if (item == "rules") return "mnuRules";
    return "mnuAbout";
}

} // namespace

Replay::Replay(std::ostream& out, std::ostream& errors)
    : game_(desktop_), out_(out), errors_(errors)
{
    desktop_.onBox = [this](const platform::HeadlessDesktop::Box& box) {
        out_ << "{\"box\":{\"title\":" << jsonString(box.title)
             << ",\"text\":" << jsonString(box.text) << "}}\n";
    };
}

int Replay::run(std::istream& script)
{
    std::string line;
    bool tooLong = false;
    for (long number = 1; readLine(script, line, tooLong); ++number) {
        std::string error = tooLong ? "line longer than " + std::to_string(kMaxLineLength)
                                          + " characters"
                                    : std::string();
        if (error.empty()) {
            const ParsedLine parsed = parseLine(line);
            error = parsed.error;
            if (error.empty() && parsed.command)
                error = execute(*parsed.command);
        }
        if (!error.empty()) {
            out_.flush();
            errors_ << "line " << number << ": " << error << "\n";
            return kScriptError;
        }
        if (desktop_.ended()) {
            out_ << "{\"ended\":true}\n";
            return 0;
        }
    }
    return 0;
}

std::string Replay::execute(const Command& command)
{
    if (command.kind == CommandKind::Rnd) {
        for (double value : command.numbers)
            desktop_.queueRandom(value);
        return {};
    }
    if (command.kind == CommandKind::Start) {
        if (started_)
            return "'start' comes only once";
        started_ = true;
        game_.start();
        return {};
    }
    if (!started_)
        return "'start' must come first";

    switch (command.kind) {
    case CommandKind::Tick:
        desktop_.tick(int(command.count));
        break;
    case CommandKind::Anim:
        desktop_.anim(int(command.count));
        break;
    case CommandKind::Key:
        desktop_.deliver([&] {
            platform::Form* focused = desktop_.focused();
            if (focused && focused->KeyDown)
                focused->KeyDown(int(command.count), 0);
        });
        break;
    case CommandKind::Menu:
        desktop_.deliver([&] {
            platform::Form& form = game_.visibleLevel().form;
            if (platform::MenuItem* item = form.findMenuItem(menuItemName(command.name)))
                item->Click();
        });
        break;
    case CommandKind::Option: {
        SpeedWindow* speed = game_.speedIfLoaded();
        if (!speed)
            return "there is no speed window to click";
        const int index = speed->options.indexOf(command.name);
        desktop_.deliver([&] { speed->options.select(index); });
        break;
    }
    case CommandKind::Close:
        desktop_.deliver([&] {
            if (command.name == "level")
                game_.visibleLevel().form.Unload();
            else if (SpeedWindow* speed = game_.speedIfLoaded())
                speed->form.Unload();
        });
        break;
    case CommandKind::Dump:
        out_ << dumpState(game_) << "\n";
        break;
    case CommandKind::Rnd:
    case CommandKind::Start:
        break;
    }
    return {};
}

} // namespace zubble::replay
