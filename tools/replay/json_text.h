#pragma once

#include <string>
#include <string_view>

namespace zubble::replay {

// A JSON string literal, quotes included.
std::string jsonString(std::string_view text);
// Screen positions in their shortest form: 2760, 12.5.
std::string jsonNumber(float value);

} // namespace zubble::replay
