#include "platform/qt/picture_set.h"

#include <QImage>

namespace zubble::platform {
namespace {

const char* resourceName(PictureId id)
{
    switch (id) {
    case PictureId::WindowLevel1: return ":/assets/window_level1.png";
    case PictureId::WindowLevel2: return ":/assets/window_level2.png";
    case PictureId::Back2Level1: return ":/assets/back2_level1.png";
    case PictureId::Back2Level2: return ":/assets/back2_level2.png";
    case PictureId::Panel: return ":/assets/panel.png";
    case PictureId::Zub0: return ":/assets/zub0.png";
    case PictureId::Zub1: return ":/assets/zub1.png";
    case PictureId::Zub2: return ":/assets/zub2.png";
    case PictureId::Zub3: return ":/assets/zub3.png";
    case PictureId::Zub4: return ":/assets/zub4.png";
    case PictureId::Ghost0: return ":/assets/ghost0.png";
    case PictureId::Ghost1: return ":/assets/ghost1.png";
    case PictureId::Ghost2: return ":/assets/ghost2.png";
    case PictureId::Ghost3: return ":/assets/ghost3.png";
    case PictureId::Icon: return ":/assets/icon32.png";
    case PictureId::None: break;
    }
    return nullptr;
}

QPixmap load(const char* name)
{
    QImage image(QString::fromLatin1(name));
    if (image.isNull())
        return {};
    return QPixmap::fromImage(image.convertToFormat(QImage::Format_ARGB32_Premultiplied));
}

} // namespace

PictureSet::PictureSet()
{
    for (std::size_t i = 0; i < pixmaps_.size(); ++i)
        if (const char* name = resourceName(PictureId(i)))
            pixmaps_[i] = load(name);
    for (const char* name : {":/assets/icon16.png", ":/assets/icon32.png"}) {
        const QPixmap pixmap = load(name);
        if (!pixmap.isNull())
            icon_.addPixmap(pixmap);
    }
}

} // namespace zubble::platform
