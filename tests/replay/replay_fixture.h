#pragma once

#include "replay.h"
#include "support/json_probe.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace zubble::testing {

struct ReplayRun {
    std::vector<std::string> lines; // standard output, line by line
    std::string errors;
    int status = 0;

    // The n-th dump line (0 first) and a field of one of its screens.
    std::string dump(std::size_t n) const
    {
        std::size_t seen = 0;
        for (const std::string& line : lines)
            if (line.rfind("{\"shown\"", 0) == 0 && seen++ == n)
                return line;
        return "<no dump " + std::to_string(n) + ">";
    }
    std::string field(std::size_t n, const char* screen, const char* key) const
    {
        return jsonField(jsonField(dump(n), screen), key);
    }
};

inline ReplayRun replayScript(const std::string& script)
{
    std::istringstream in(script);
    std::ostringstream out;
    std::ostringstream err;
    replay::Replay replay(out, err);
    ReplayRun run;
    run.status = replay.run(in);
    std::istringstream lines(out.str());
    for (std::string line; std::getline(lines, line);)
        run.lines.push_back(line);
    run.errors = err.str();
    return run;
}

} // namespace zubble::testing
