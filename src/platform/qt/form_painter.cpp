#include "platform/qt/form_painter.h"

#include "platform/control.h"
#include "platform/form.h"
#include "platform/qt/fingerprint.h"
#include "platform/qt/picture_set.h"
#include "platform/qt/twips.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPalette>

namespace zubble::platform {
namespace {

// An object's box in whole logical pixels: walls and dots sit on the twip
// grid, so each covers exactly its rectangle.
QRect pixelBox(const Control& c)
{
    return {toWholePixels(c.Left), toWholePixels(c.Top), toWholePixels(c.Width),
        toWholePixels(c.Height)};
}

QRectF exactBox(const Control& c)
{
    return {toPixels(c.Left), toPixels(c.Top), toPixels(c.Width), toPixels(c.Height)};
}

// Stand-in colours for a picture that is missing from the resources.
QColor placeholder(PictureId id)
{
    switch (id) {
    case PictureId::Zub0: case PictureId::Zub1: case PictureId::Zub2:
    case PictureId::Zub3: case PictureId::Zub4: return {234, 214, 57};
    case PictureId::Ghost0: return {255, 0, 246};
    case PictureId::Ghost1: return {253, 1, 2};
    case PictureId::Ghost2: return {0, 255, 12};
    case PictureId::Ghost3: return {0, 255, 255};
    case PictureId::Back2Level1: return {240, 160, 40};
    case PictureId::Back2Level2: return {150, 200, 150};
    case PictureId::Panel: return {200, 210, 220};
    default: return {};
    }
}

// Outline and fill as two filled boxes: one logical pixel of outline at every
// device-pixel ratio, and nothing outside the object's rectangle.
void paintRectangle(QPainter& painter, const Shape& shape)
{
    const QRect box = pixelBox(shape);
    painter.fillRect(box, FormPainter::colour(shape.BorderColor));
    painter.fillRect(box.adjusted(1, 1, -1, -1), FormPainter::colour(shape.FillColor));
}

void drawCircle(QPainter& painter, const QRectF& box, const QColor& fill, const QColor& border)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Qt::NoPen);
    painter.setBrush(border);
    painter.drawEllipse(box);
    painter.setBrush(fill);
    painter.drawEllipse(box.adjusted(1, 1, -1, -1));
    painter.restore();
}

} // namespace

QColor FormPainter::colour(Colour c)
{
    const QPalette palette = QGuiApplication::palette();
    switch (c.system) {
    case SystemColour::WindowFrame: return Qt::black;
    case SystemColour::WindowBackground: return palette.color(QPalette::Base);
    case SystemColour::WindowText: return palette.color(QPalette::WindowText);
    case SystemColour::ButtonFace: return palette.color(QPalette::Window);
    case SystemColour::None: break;
    }
    return {c.red, c.green, c.blue};
}

QFont FormPainter::font(const FontSpec& wanted)
{
    QFont font(QString::fromLatin1(wanted.face));
    // Points at 96 dots per inch, so the panel looks the same on any screen.
    font.setPixelSize(int(std::lround(wanted.points * 96.0 / 72.0)));
    font.setBold(wanted.bold);
    return font;
}

std::uint64_t FormPainter::sceneryKey(const Form& form)
{
    Fingerprint print;
    print.add(form.Picture);
    print.add(form.BackColor);
    for (const Control* control : form.frontToBack) {
        if (!control->scenery)
            continue;
        print.add(control->Visible);
        print.add(control->Left);
        print.add(control->Top);
        print.add(control->Width);
        print.add(control->Height);
    }
    return print.value();
}

void FormPainter::paintBackdrop(QPainter& painter, const Form& form, qreal ratio)
{
    const QSize size(toWholePixels(form.clientWidth), toWholePixels(form.clientHeight));
    const std::uint64_t key = sceneryKey(form);
    if (backdrop_.isNull() || key != backdropKey_ || backdrop_.devicePixelRatio() != ratio) {
        backdrop_ = QPixmap(size * ratio);
        backdrop_.setDevicePixelRatio(ratio);
        QPainter cache(&backdrop_);
        cache.setRenderHint(QPainter::Antialiasing, false);
        cache.fillRect(QRect(QPoint(0, 0), size), colour(form.BackColor));
        const QPixmap& picture = pictures_.pixmap(form.Picture);
        if (!picture.isNull())
            cache.drawPixmap(0, 0, picture);
        for (auto it = form.frontToBack.rbegin(); it != form.frontToBack.rend(); ++it)
            if ((*it)->scenery && (*it)->Visible)
                paintControl(cache, **it, ratio);
        backdropKey_ = key;
    }
    painter.drawPixmap(0, 0, backdrop_);
}

void FormPainter::paint(QPainter& painter, const Form& form, qreal ratio, const QRegion& dirty)
{
    painter.setRenderHint(QPainter::Antialiasing, false);
    paintBackdrop(painter, form, ratio);
    for (auto it = form.frontToBack.rbegin(); it != form.frontToBack.rend(); ++it) {
        const Control& control = **it;
        if (control.scenery || !control.Visible)
            continue;
        if (!dirty.isEmpty() && !dirty.intersects(exactBox(control).toAlignedRect()))
            continue;
        paintControl(painter, control, ratio);
    }
}

// Dots are many and alike: each size is drawn once and then stamped.
void FormPainter::paintCircle(QPainter& painter, const Shape& shape, qreal ratio)
{
    const QRect box = pixelBox(shape);
    const QColor fill = colour(shape.FillColor);
    const QColor border = colour(shape.BorderColor);
    if (box.width() != box.height()) {
        drawCircle(painter, QRectF(box), fill, border);
        return;
    }
    for (const Stamp& stamp : stamps_) {
        if (stamp.size == box.width() && stamp.fill == fill.rgba()
            && stamp.border == border.rgba() && stamp.ratio == ratio) {
            painter.drawPixmap(box.topLeft(), stamp.pixmap);
            return;
        }
    }
    QPixmap pixmap(QSize(box.width(), box.height()) * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter stampPainter(&pixmap);
    drawCircle(stampPainter, QRectF(0, 0, box.width(), box.height()), fill, border);
    stampPainter.end();
    stamps_.push_back({box.width(), fill.rgba(), border.rgba(), ratio, pixmap});
    painter.drawPixmap(box.topLeft(), pixmap);
}

void FormPainter::paintControl(QPainter& painter, const Control& control, qreal ratio)
{
    switch (control.kind()) {
    case ControlKind::Shape: {
        const auto& shape = static_cast<const Shape&>(control);
        if (shape.Kind == ShapeKind::Rectangle)
            paintRectangle(painter, shape);
        else
            paintCircle(painter, shape, ratio);
        break;
    }
    case ControlKind::Image: {
        const auto& image = static_cast<const Image&>(control);
        const QPixmap& pixmap = pictures_.pixmap(image.Picture);
        if (pixmap.isNull()) {
            const QColor stand = placeholder(image.Picture);
            if (stand.isValid())
                painter.fillRect(exactBox(image), stand);
        } else if (image.Stretch) {
            painter.drawPixmap(exactBox(image), pixmap, QRectF(pixmap.rect()));
        } else {
            painter.drawPixmap(exactBox(image).topLeft(), pixmap);
        }
        break;
    }
    case ControlKind::Label: {
        const auto& label = static_cast<const Label&>(control);
        painter.setFont(font(label.Font));
        painter.setPen(colour(label.ForeColor));
        painter.drawText(exactBox(label), Qt::AlignHCenter | Qt::AlignTop,
            QString::fromStdString(label.Caption));
        break;
    }
    }
}

} // namespace zubble::platform
