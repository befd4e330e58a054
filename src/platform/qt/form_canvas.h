#pragma once

#include "platform/qt/form_painter.h"

#include <QWidget>

#include <QRect>

#include <cstdint>
#include <vector>

class QButtonGroup;

namespace zubble::platform {

class Form;
class Control;
class QtDesktop;

// The client area of a form: paints its objects and holds its option buttons.
class FormCanvas final : public QWidget {
public:
    FormCanvas(QtDesktop& desktop, Form& form, QWidget* parent);

    // Repaints when anything it shows has changed since the last paint.
    void refresh();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // What one object showed at the last paint, to repaint only what changed.
    struct Shown {
        QRect box;
        bool visible = false;
        std::uint64_t look = 0; // picture or caption
    };
    Shown shownNow(const Control& control) const;
    void buildOptionButtons();
    void syncOptionButtons();

    QtDesktop& desktop_;
    Form& form_;
    FormPainter painter_;
    QButtonGroup* buttons_ = nullptr;
    std::vector<Shown> shown_; // by drawing order; empty: repaint it all
    int shownPicture_ = -1;
};

} // namespace zubble::platform
