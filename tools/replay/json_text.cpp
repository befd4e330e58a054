#include "json_text.h"

#include <array>
#include <charconv>
#include <cstdio>

namespace zubble::replay {

std::string jsonString(std::string_view text)
{
    std::string out = "\"";
    for (const char c : text) {
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\r': out += "\\r"; break;
        case '\n': out += "\\n"; break;
        case '\t': out += "\\t"; break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                std::array<char, 8> escaped{};
                std::snprintf(escaped.data(), escaped.size(), "\\u%04x", unsigned(c));
                out += escaped.data();
            } else {
                out += c;
            }
        }
    }
    return out + "\"";
}

std::string jsonNumber(float value)
{
    std::array<char, 64> buffer{}; // room for any float in fixed form
    const auto result = std::to_chars(
        buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed);
    return std::string(buffer.data(), result.ptr);
}

} // namespace zubble::replay
