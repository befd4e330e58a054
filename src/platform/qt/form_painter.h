#pragma once

#include "board/colours.h"
#include "board/fonts.h"

#include <QColor>
#include <QFont>

class QPainter;

namespace zubble::platform {

class Form;
class Control;
class PictureSet;

// Draws a form's client area: its colour, its picture at the top-left corner,
// then every visible object from the back to the front. Reads state only.
class FormPainter final {
public:
    explicit FormPainter(const PictureSet& pictures) : pictures_(pictures) {}

    void paint(QPainter& painter, const Form& form) const;

    static QColor colour(Colour colour);
    static QFont font(const FontSpec& spec);

private:
    void paintControl(QPainter& painter, const Control& control) const;

    const PictureSet& pictures_;
};

} // namespace zubble::platform
