#include "palette_image.h"

#include <QHash>

std::optional<QImage> toPaletteImage(const QImage& picture)
{
    constexpr int kMaxPaletteSize = 256;
    const QImage source = picture.convertToFormat(QImage::Format_ARGB32);

    QList<QRgb> palette{kTransparentSilver};
    QHash<QRgb, int> indexOf;
    QImage indexed(source.size(), QImage::Format_Indexed8);
    for (int y = 0; y < source.height(); ++y) {
        // Written straight into the line: setPixel() would refuse indices
        // before the colour table is complete.
        uchar* line = indexed.scanLine(y);
        for (int x = 0; x < source.width(); ++x) {
            const QRgb pixel = source.pixel(x, y);
            const int alpha = qAlpha(pixel);
            if (alpha == 0) {
                line[x] = 0;
                continue;
            }
            if (alpha != 255)
                return std::nullopt;
            auto found = indexOf.constFind(pixel);
            if (found == indexOf.constEnd()) {
                if (palette.size() == kMaxPaletteSize)
                    return std::nullopt;
                found = indexOf.insert(pixel, int(palette.size()));
                palette.append(pixel);
            }
            line[x] = uchar(*found);
        }
    }
    // Entries are numbered in the order they are met, so the file is the same every run.
    indexed.setColorTable(palette);
    return indexed;
}
