#pragma once

#include "platform/qt/form_painter.h"

#include <QWidget>

#include <cstdint>

class QButtonGroup;

namespace zubble::platform {

class Form;
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
    std::uint64_t fingerprint() const;
    void buildOptionButtons();
    void syncOptionButtons();

    QtDesktop& desktop_;
    Form& form_;
    FormPainter painter_;
    QButtonGroup* buttons_ = nullptr;
    std::uint64_t painted_ = 0;
};

} // namespace zubble::platform
