#pragma once

#include "board/pictures.h"

#include <QIcon>
#include <QPixmap>

#include <array>

namespace zubble::platform {

// Every picture of the game, loaded once from the compiled-in resources and
// converted to premultiplied pixmaps; the silver palette entry becomes
// transparent.
class PictureSet final {
public:
    PictureSet();
    const QPixmap& pixmap(PictureId id) const { return pixmaps_[std::size_t(id)]; }
    const QIcon& icon() const { return icon_; }

private:
    std::array<QPixmap, std::size_t(PictureId::Icon) + 1> pixmaps_;
    QIcon icon_;
};

} // namespace zubble::platform
