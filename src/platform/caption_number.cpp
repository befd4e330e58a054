#include "platform/caption_number.h"

#include <array>
#include <charconv>

namespace zubble::platform {

double captionValue(std::string_view caption)
{
    while (!caption.empty() && caption.front() == ' ')
        caption.remove_prefix(1);
    double value = 0;
    std::from_chars(caption.data(), caption.data() + caption.size(), value);
    return value;
}

std::string captionText(double value)
{
    std::array<char, 512> buffer{}; // room for any double in fixed form
    const auto result = std::to_chars(
        buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed);
    return std::string(buffer.data(), result.ptr);
}

void addToCaption(std::string& caption, double delta)
{
    // Panel numbers are short enough to stay in the string's own buffer.
    caption = captionText(captionValue(caption) + delta);
}

} // namespace zubble::platform
