#pragma once

// Sprites and icons are stored as palette pictures whose one see-through entry
// is silver, so the game's sprite code and any old viewer both agree on what
// is background.

#include <QImage>

#include <optional>

inline constexpr QRgb kTransparentSilver = qRgba(192, 192, 192, 0);

// Every fully transparent pixel becomes palette entry 0 (kTransparentSilver);
// every other colour gets its own opaque entry. Gives nothing when the picture
// has half-transparent pixels or more colours than a palette holds.
std::optional<QImage> toPaletteImage(const QImage& picture);
