#pragma once

#include "board/colours.h"
#include "board/fonts.h"

#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QRegion>

#include <cstdint>
#include <vector>

class QPainter;

namespace zubble::platform {

class Form;
class Control;
class Shape;
class PictureSet;

// Draws a form's client area: its colour, its picture at the top-left corner,
// then every visible object from the back to the front. Reads state only. The
// scenery is drawn once into a cached picture, rebuilt when any of it changes;
// dots are stamped from pre-drawn pictures.
class FormPainter final {
public:
    explicit FormPainter(const PictureSet& pictures) : pictures_(pictures) {}

    // `ratio` is the device-pixel ratio of the painter's device; objects wholly
    // outside `dirty` (logical pixels) are skipped, an empty region paints all.
    void paint(QPainter& painter, const Form& form, qreal ratio, const QRegion& dirty = {});

    static QColor colour(Colour colour);
    static QFont font(const FontSpec& wanted);

private:
    struct Stamp {
        int size;
        QRgb fill;
        QRgb border;
        qreal ratio;
        QPixmap pixmap;
    };

    void paintBackdrop(QPainter& painter, const Form& form, qreal ratio);
    void paintControl(QPainter& painter, const Control& control, qreal ratio);
    void paintCircle(QPainter& painter, const Shape& shape, qreal ratio);
    static std::uint64_t sceneryKey(const Form& form);

    const PictureSet& pictures_;
    QPixmap backdrop_;
    std::uint64_t backdropKey_ = 0;
    std::vector<Stamp> stamps_;
};

} // namespace zubble::platform
