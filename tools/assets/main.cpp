// zubble-assets OUTDIR: draws every picture of the game into OUTDIR as PNG.

#include "app_icon.h"
#include "backdrops.h"
#include "ghost_sprites.h"
#include "palette_image.h"
#include "panel.h"
#include "player_sprites.h"
#include "window_textures.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>

namespace {

// Sprites and icons keep a see-through background; everything else is opaque.
enum class Storage { Opaque, Palette };

bool save(const QImage& picture, Storage storage, const QDir& folder, const QString& name)
{
    const QString path = folder.filePath(name);
    QImage stored;
    if (storage == Storage::Opaque) {
        stored = picture.convertToFormat(QImage::Format_RGB888);
    } else {
        const auto indexed = toPaletteImage(picture);
        if (!indexed) {
            std::fprintf(stderr, "%s: does not fit a palette with one clear entry\n", qPrintable(name));
            return false;
        }
        stored = *indexed;
    }
    if (!stored.save(path, "PNG")) {
        std::fprintf(stderr, "%s: cannot write\n", qPrintable(path));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    // Fonts need a GUI application, but no screen is needed to draw into images.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    if (argc != 2) {
        std::fprintf(stderr, "usage: zubble-assets OUTDIR\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(".")) {
        std::fprintf(stderr, "%s: cannot create folder\n", argv[1]);
        return 1;
    }

    bool ok = true;
    ok &= save(drawPyramidTexture(), Storage::Opaque, folder, "window_level1.png");
    ok &= save(drawCubeTexture(), Storage::Opaque, folder, "window_level2.png");
    ok &= save(drawOrangeSwirl(), Storage::Opaque, folder, "back2_level1.png");
    ok &= save(drawGreenClouds(), Storage::Opaque, folder, "back2_level2.png");
    ok &= save(drawPanel(), Storage::Opaque, folder, "panel.png");
    for (int frame = 0; frame < kPlayerFrameCount; ++frame)
        ok &= save(drawPlayerFrame(frame), Storage::Palette, folder, QString("zub%1.png").arg(frame));
    for (int ghost = 0; ghost < kGhostCount; ++ghost)
        ok &= save(drawGhost(ghost), Storage::Palette, folder, QString("ghost%1.png").arg(ghost));
    ok &= save(drawIcon32(), Storage::Palette, folder, "icon32.png");
    ok &= save(drawIcon16(), Storage::Palette, folder, "icon16.png");
    return ok ? 0 : 1;
}
