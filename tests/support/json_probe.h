#pragma once

#include <string>
#include <string_view>

namespace zubble::testing {

// Where the JSON value starting at `at` ends: at the comma or closing bracket
// after it, with strings and nested objects and arrays passed over whole.
inline std::size_t jsonValueEnd(std::string_view json, std::size_t at)
{
    int depth = 0;
    for (; at < json.size(); ++at) {
        const char c = json[at];
        if (c == '"') {
            for (++at; at < json.size() && json[at] != '"'; ++at)
                if (json[at] == '\\')
                    ++at;
        } else if (c == '{' || c == '[') {
            ++depth;
        } else if (c == '}' || c == ']') {
            if (depth == 0)
                break;
            --depth;
        } else if (c == ',' && depth == 0) {
            break;
        }
    }
    return at;
}

// The raw text of a member's value in a JSON object (objects and arrays kept
// whole), looking only at the object's own members. Enough to read a dump.
inline std::string jsonField(std::string_view json, std::string_view key)
{
    const std::string quotedKey = "\"" + std::string(key) + "\":";
    std::size_t at = json.find('{');
    while (at != std::string_view::npos && at + 1 < json.size() && json[at] != '}') {
        const std::size_t member = at + 1; // just past '{' or ','
        const std::size_t colon = json.find(':', member);
        if (colon == std::string_view::npos)
            break;
        const std::size_t value = colon + 1;
        const std::size_t end = jsonValueEnd(json, value);
        if (json.compare(member, quotedKey.size(), quotedKey) == 0)
            return std::string(json.substr(value, end - value));
        at = end;
    }
    return "<missing " + std::string(key) + ">";
}

} // namespace zubble::testing
