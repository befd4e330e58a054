#include "panel.h"

#include "pixel_shader.h"
#include "tiling_noise.h"

#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QPainter>

#include <array>
#include <cmath>

namespace {

constexpr int kPanelWidth = 138;
constexpr int kPanelHeight = 435;
constexpr int kSamplesPerAxis = 3;

struct TitledFrame {
    QRect outer;
    const char* title;
};

// Each frame encloses the box where the game writes its number, on both
// levels (level 2 writes 8 px further left and lower), with the title above it.
const std::array<TitledFrame, 3> kFrames{{
    {QRect(QPoint(16, 52), QPoint(131, 143)), "SCORE"},
    {QRect(QPoint(16, 182), QPoint(131, 287)), "LIVES"},
    {QRect(QPoint(16, 312), QPoint(131, 424)), "LEVEL"},
}};

constexpr double kRimLineWidth = 1;
constexpr double kBevelWidth = 5;  // including the rim line
constexpr double kGrooveWidth = 1;  // dark line where the frame drops to its face
constexpr int kShadowOffset = 3;    // frames stand out from the marble and cast a shadow

constexpr RgbF kMarbleBase = rgbF(196, 206, 220);
constexpr RgbF kMarbleVein = rgbF(128, 142, 168);
constexpr RgbF kLight = rgbF(255, 255, 255);
constexpr RgbF kDark = rgbF(52, 62, 92);
constexpr double kVeinSlopeX = 0.045;
constexpr double kVeinSlopeY = 0.02;
constexpr double kVeinTurbulence = 7;
constexpr std::uint32_t kMarbleSeed = 5505;

constexpr const char* kTitleFontFile = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";
constexpr int kTitlePixelSize = 19;
constexpr int kTitleTopGap = 4;     // below the bevel
constexpr int kTitleHeight = 24;
constexpr double kTitleLetterSpacing = 1.5;
const QColor kTitleColour(26, 44, 124);
const QColor kTitleHighlight(250, 252, 255);
const QColor kTitleShadow(20, 28, 70, 150);

RgbF marbleAt(const TilingNoise& noise, double x, double y)
{
    const double u = x / kPanelHeight;
    const double v = y / kPanelHeight;
    const double phase = x * kVeinSlopeX + y * kVeinSlopeY + kVeinTurbulence * noise.fractal(u, v, 5);
    const double vein = std::pow(1 - std::abs(std::sin(phase)), 7);
    const double cloud = noise.fractal(u * 3 + 0.5, v * 3 + 0.5, 4) - 0.5;
    return scaled(mix(kMarbleBase, kMarbleVein, 0.7 * vein), 1 + 0.12 * cloud);
}

RgbF framedAt(RgbF marble, double x, double y)
{
    for (const TitledFrame& frame : kFrames) {
        const QRectF outer(frame.outer);
        const bool insideFrame = outer.contains(x, y);
        if (!insideFrame) {
            if (outer.translated(kShadowOffset, kShadowOffset).contains(x, y))
                return mix(marble, kDark, 0.35);
            continue;
        }
        const double fromLeft = x - outer.left();
        const double fromTop = y - outer.top();
        const double fromRight = outer.right() - x;
        const double fromBottom = outer.bottom() - y;
        const double nearest = std::min({fromLeft, fromTop, fromRight, fromBottom});
        const bool litSide = nearest == fromLeft || nearest == fromTop;
        if (nearest < kRimLineWidth) // a crisp line lets the pale lit rim stand off the pale marble
            return mix(marble, kDark, 0.55);
        if (nearest < kBevelWidth) // raised rim: lit from the upper left
            return litSide ? mix(marble, kLight, 0.75) : mix(marble, kDark, 0.5);
        if (nearest < kBevelWidth + kGrooveWidth) // the face sits a little lower than the rim
            return litSide ? mix(marble, kDark, 0.55) : mix(marble, kLight, 0.5);
        // A calmer face, veins half washed out, so the numbers read well.
        return mix(mix(marble, kMarbleBase, 0.5), kLight, 0.35);
    }
    return marble;
}

QFont titleFont()
{
    QFont font;
    if (QFile::exists(kTitleFontFile)) {
        const int id = QFontDatabase::addApplicationFont(kTitleFontFile);
        const QStringList families = QFontDatabase::applicationFontFamilies(id);
        if (!families.isEmpty())
            font = QFont(families.first());
    }
    font.setBold(true);
    font.setPixelSize(kTitlePixelSize);
    font.setLetterSpacing(QFont::AbsoluteSpacing, kTitleLetterSpacing);
    return font;
}

void drawEmbossedTitles(QImage& panel)
{
    QPainter painter(&panel);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(titleFont());
    for (const TitledFrame& frame : kFrames) {
        const int top = frame.outer.top() + int(kBevelWidth + kGrooveWidth) + kTitleTopGap;
        const QRect box(frame.outer.left(), top, frame.outer.width(), kTitleHeight);
        const QString title = QString::fromLatin1(frame.title);
        painter.setPen(kTitleShadow);
        painter.drawText(box.translated(1, 1), Qt::AlignCenter, title);
        painter.setPen(kTitleHighlight);
        painter.drawText(box.translated(-1, -1), Qt::AlignCenter, title);
        painter.setPen(kTitleColour);
        painter.drawText(box, Qt::AlignCenter, title);
    }
}

} // namespace

QImage drawPanel()
{
    const TilingNoise noise(kMarbleSeed, 5);
    QImage panel = shadePixels({kPanelWidth, kPanelHeight}, kSamplesPerAxis, [&](double x, double y) {
        return framedAt(marbleAt(noise, x, y), x, y);
    });
    // Text needs a painter-friendly format; the file is stored as 24-bit anyway.
    panel = panel.convertToFormat(QImage::Format_RGB32);
    drawEmbossedTitles(panel);
    return panel;
}
