#pragma once

#include <cstdint>
#include <cstring>
#include <string>

namespace zubble::platform {

// A 64-bit FNV-1a hash of plain values, to notice when what a window shows
// has changed.
class Fingerprint final {
public:
    template <typename T> void add(const T& value)
    {
        unsigned char bytes[sizeof(T)];
        std::memcpy(bytes, &value, sizeof(T));
        for (unsigned char byte : bytes)
            hash_ = (hash_ ^ byte) * 1099511628211ull;
    }
    void add(const std::string& text)
    {
        for (char c : text)
            add(c);
        add(text.size());
    }
    std::uint64_t value() const { return hash_; }

private:
    std::uint64_t hash_ = 14695981039346656037ull;
};

} // namespace zubble::platform
