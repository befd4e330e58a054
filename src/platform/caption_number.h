#pragma once

#include <string>
#include <string_view>

namespace zubble::platform {

// The panel keeps its numbers as captions: read as a double, write back the
// shortest decimal text that reads back the same, never in exponent form (a
// score of 100000 is "100000", not "1e+05").
double captionValue(std::string_view caption);
std::string captionText(double value);

// caption := text of (value of caption + delta).
void addToCaption(std::string& caption, double delta);

} // namespace zubble::platform
