#pragma once

#include <cmath>

namespace zubble::platform {

// 15 twips to a logical pixel; the device-pixel ratio does the rest.
inline constexpr double kTwipsPerPixel = 15.0;

inline double toPixels(double twips) { return twips / kTwipsPerPixel; }
inline int toWholePixels(double twips) { return int(std::lround(twips / kTwipsPerPixel)); }
inline float toTwips(int pixels) { return float(pixels * kTwipsPerPixel); }

} // namespace zubble::platform
