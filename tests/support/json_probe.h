#pragma once

#include <string>
#include <string_view>

namespace zubble::testing {

// Finds the raw text of a key's value in a JSON line (objects and arrays kept
// whole), searching only the top level of `json`. Enough to read a dump.
inline std::string jsonField(std::string_view json, std::string_view key)
{
    int depth = 0;
    bool inString = false;
    const std::string quotedKey = "\"" + std::string(key) + "\":";
    for (std::size_t i = 0; i < json.size(); ++i) {
        const char c = json[i];
        if (inString) {
            if (c == '\\')
                ++i;
            else if (c == '"')
                inString = false;
            continue;
        }
        if (depth == 1 && json.compare(i, quotedKey.size(), quotedKey) == 0) {
            std::size_t j = i + quotedKey.size();
            const std::size_t begin = j;
            int inner = 0;
            bool quoted = false;
            for (; j < json.size(); ++j) {
                const char d = json[j];
                if (quoted) {
                    if (d == '\\')
                        ++j;
                    else if (d == '"')
                        quoted = false;
                    continue;
                }
                if (d == '"')
                    quoted = true;
                else if (d == '{' || d == '[')
                    ++inner;
                else if (d == '}' || d == ']') {
                    if (inner == 0)
                        break;
                    --inner;
                } else if (d == ',' && inner == 0)
                    break;
            }
            return std::string(json.substr(begin, j - begin));
        }
        if (c == '"')
            inString = true;
        else if (c == '{' || c == '[')
            ++depth;
        else if (c == '}' || c == ']')
            --depth;
    }
    return "<missing " + std::string(key) + ">";
}

} // namespace zubble::testing
