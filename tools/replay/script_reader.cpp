#include "script_reader.h"

#include <charconv>
#include <cmath>

namespace zubble::replay {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

std::vector<std::string_view> tokens(std::string_view line)
{
    std::vector<std::string_view> result;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && isBlank(line[i]))
            ++i;
        const std::size_t start = i;
        while (i < line.size() && !isBlank(line[i]))
            ++i;
        if (i > start)
            result.push_back(line.substr(start, i - start));
    }
    return result;
}

std::optional<std::int64_t> wholeNumber(std::string_view text, std::int64_t low, std::int64_t high)
{
    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < low || value > high)
        return std::nullopt;
    return value;
}

std::optional<double> fraction(std::string_view text)
{
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value)
        || value < 0 || value >= 1)
        return std::nullopt;
    return value;
}

bool oneOf(std::string_view word, std::initializer_list<std::string_view> choices)
{
    for (std::string_view choice : choices)
        if (word == choice)
            return true;
    return false;
}

ParsedLine fail(std::string reason) { return {std::nullopt, std::move(reason)}; }

// A word of the script as an error line may quote it: printable and short.
std::string quotable(std::string_view word)
{
    std::string shown(word.substr(0, 40));
    for (char& c : shown)
        if (static_cast<unsigned char>(c) < 32 || static_cast<unsigned char>(c) > 126)
            c = '?';
    return shown;
}

} // namespace

ParsedLine parseLine(std::string_view line)
{
    const std::vector<std::string_view> words = tokens(line);
    if (words.empty() || words.front().front() == '#')
        return {};
    const std::string_view verb = words.front();
    const std::size_t arguments = words.size() - 1;
    const std::string quoted = "'" + std::string(verb) + "'";
    Command command;

    if (verb == "rnd") {
        if (arguments == 0)
            return fail("'rnd' needs at least one number");
        command.kind = CommandKind::Rnd;
        for (std::size_t i = 1; i < words.size(); ++i) {
            const auto value = fraction(words[i]);
            if (!value)
                return fail("'rnd' takes numbers from 0 up to but not including 1, not '"
                    + quotable(words[i]) + "'");
            command.numbers.push_back(*value);
        }
        return {command, {}};
    }
    if (verb == "start" || verb == "dump") {
        if (arguments != 0)
            return fail(quoted + " takes no argument");
        command.kind = verb == "start" ? CommandKind::Start : CommandKind::Dump;
        return {command, {}};
    }
    if (verb == "tick" || verb == "anim") {
        command.kind = verb == "tick" ? CommandKind::Tick : CommandKind::Anim;
        if (arguments > 1)
            return fail(quoted + " takes at most one count");
        if (arguments == 1) {
            const auto count = wholeNumber(words[1], 0, kMaxRounds);
            if (!count)
                return fail(quoted + " takes a whole count from 0 to " + std::to_string(kMaxRounds));
            command.count = *count;
        }
        return {command, {}};
    }
    if (verb == "key") {
        if (arguments != 1)
            return fail("'key' takes one key code");
        const auto code = wholeNumber(words[1], 0, 65535);
        if (!code)
            return fail("'key' takes a key code from 0 to 65535");
        command.kind = CommandKind::Key;
        command.count = *code;
        return {command, {}};
    }
    struct NamedVerb {
        std::string_view verb;
        CommandKind kind;
        std::initializer_list<std::string_view> names;
        const char* what;
    };
    static const NamedVerb kNamed[] = {
        {"menu", CommandKind::Menu, {"new", "pause", "exit", "rules", "about"},
            "new, pause, exit, rules or about"},
        {"option", CommandKind::Option, {"opt1", "opt2", "opt3", "opt4", "opt5"}, "opt1 .. opt5"},
        {"close", CommandKind::Close, {"speed", "level"}, "speed or level"},
    };
    for (const NamedVerb& named : kNamed) {
        if (verb != named.verb)
            continue;
        if (arguments != 1 || !oneOf(words[1], named.names))
            return fail(quoted + " takes one of " + named.what);
        command.kind = named.kind;
        command.name = std::string(words[1]);
        return {command, {}};
    }
    return fail("unknown command '" + quotable(verb) + "'");
}

bool readLine(std::istream& in, std::string& line, bool& tooLong)
{
    line.clear();
    tooLong = false;
    std::streambuf* buffer = in.rdbuf();
    bool any = false;
    for (;;) {
        const int c = buffer->sbumpc();
        if (c == std::char_traits<char>::eof())
            return any;
        any = true;
        if (c == '\n')
            return true;
        if (line.size() < kMaxLineLength)
            line.push_back(char(c));
        else
            tooLong = true;
        if (tooLong)
            return true; // the caller stops at the first bad line anyway
    }
}

} // namespace zubble::replay
