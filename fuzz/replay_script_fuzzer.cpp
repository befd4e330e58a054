// libFuzzer target: any bytes, read as a replay script, must either play or
// stop at one bad line with "line N: <reason>" and exit status 2.
#include "replay.h"
#include "script_reader.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <istream>
#include <sstream>
#include <streambuf>
#include <string>

namespace {

using zubble::replay::CommandKind;

// Longer than one script line may be, so the too-long path stays reachable,
// yet small enough that an input parses in microseconds.
constexpr std::size_t kMaxInputBytes = 2 * zubble::replay::kMaxLineLength + 64;

// Game rounds one input may play: a single "tick 1000000" would otherwise take
// seconds under the sanitizers and starve the search of executions.
constexpr std::int64_t kMaxRounds = 5000;

// Swallows everything, so the tool formats its output but nobody keeps it.
class DiscardBuffer final : public std::streambuf {
protected:
    int overflow(int c) override { return traits_type::not_eof(c); }
    std::streamsize xsputn(const char*, std::streamsize count) override { return count; }
};

// The script up to the line whose ticks would overrun the round budget. The
// reader still reads and parses the lines after it, up to the first bad one.
std::string boundedScript(const std::string& script)
{
    std::istringstream in(script);
    std::string line;
    bool tooLong = false;
    std::int64_t rounds = 0;
    std::size_t offset = 0;
    std::size_t cut = script.size();
    while (zubble::replay::readLine(in, line, tooLong) && !tooLong) {
        const auto parsed = zubble::replay::parseLine(line);
        if (!parsed.error.empty())
            break; // the replay stops here too
        const bool playsRounds = parsed.command
            && (parsed.command->kind == CommandKind::Tick
                || parsed.command->kind == CommandKind::Anim);
        if (playsRounds && cut == script.size()) {
            rounds += parsed.command->count;
            if (rounds > kMaxRounds)
                cut = offset;
        }
        offset += line.size() + 1;
    }
    return script.substr(0, cut);
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// "line N: reason\n" with N from 1 and a reason of at least one character.
bool isOneErrorLine(const std::string& errors)
{
    const std::string prefix = "line ";
    if (errors.rfind(prefix, 0) != 0 || errors.back() != '\n')
        return false;
    std::size_t i = prefix.size();
    if (i >= errors.size() || !isDigit(errors[i]) || errors[i] == '0')
        return false;
    while (i < errors.size() && isDigit(errors[i]))
        ++i;
    return errors.compare(i, 2, ": ") == 0 && i + 2 < errors.size() - 1
        && errors.find('\n') == errors.size() - 1;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string input(
        reinterpret_cast<const char*>(data), std::min(size, kMaxInputBytes));
    std::istringstream script(boundedScript(input));
    DiscardBuffer discard;
    std::ostream out(&discard);
    std::ostringstream errors;

    zubble::replay::Replay replay(out, errors);
    const int status = replay.run(script);

    const bool consistent = status == 0 ? errors.str().empty()
        : status == zubble::replay::Replay::kScriptError && isOneErrorLine(errors.str());
    if (!consistent)
        std::abort();
    return 0;
}
