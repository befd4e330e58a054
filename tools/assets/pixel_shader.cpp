#include "pixel_shader.h"

QImage shadePixels(QSize size, int samplesPerAxis, const ColourAt& colourAt)
{
    QImage image(size, QImage::Format_RGB888);
    const double step = 1.0 / samplesPerAxis;
    const double weight = 1.0 / (samplesPerAxis * samplesPerAxis);
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            RgbF sum;
            for (int sy = 0; sy < samplesPerAxis; ++sy) {
                for (int sx = 0; sx < samplesPerAxis; ++sx) {
                    const RgbF c = colourAt(x + (sx + 0.5) * step, y + (sy + 0.5) * step);
                    sum = {sum.r + c.r, sum.g + c.g, sum.b + c.b};
                }
            }
            image.setPixel(x, y, toQRgb(scaled(sum, weight)));
        }
    }
    return image;
}
