#pragma once

#include <cstddef>

namespace zubble::bench {

// Counts every call of the global operator new in this program, so that a
// benchmark can show that its loop allocates nothing.
std::size_t allocationCount();

} // namespace zubble::bench
