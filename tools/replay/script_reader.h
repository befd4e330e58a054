#pragma once

#include <cstdint>
#include <istream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zubble::replay {

enum class CommandKind { Rnd, Start, Tick, Anim, Key, Menu, Option, Close, Dump };

struct Command {
    CommandKind kind = CommandKind::Dump;
    std::int64_t count = 1; // tick, anim: rounds; key: the code
    std::vector<double> numbers; // rnd
    std::string name; // menu item, option or window
};

// One line of a script: a command, nothing (blank or comment), or the reason
// it is not a command.
struct ParsedLine {
    std::optional<Command> command;
    std::string error;
};

inline constexpr std::int64_t kMaxRounds = 1'000'000;
inline constexpr std::size_t kMaxLineLength = 4096;

ParsedLine parseLine(std::string_view line);

// Reads one line of at most kMaxLineLength characters into `line`; false at the
// end of the input. A longer line sets `tooLong` and is skipped to its end.
bool readLine(std::istream& in, std::string& line, bool& tooLong);

} // namespace zubble::replay
