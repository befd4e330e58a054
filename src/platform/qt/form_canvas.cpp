#include "platform/qt/form_canvas.h"

#include "platform/form.h"
#include "platform/qt/qt_desktop.h"
#include "platform/qt/twips.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QPainter>
#include <QRadioButton>

#include <cstring>

namespace zubble::platform {
namespace {

// Options are small: the speed window is only 83 pixels wide.
constexpr int kOptionFontPixels = 11;

class Fingerprint {
public:
    template <typename T> void add(const T& value)
    {
        unsigned char bytes[sizeof(T)];
        std::memcpy(bytes, &value, sizeof(T));
        for (unsigned char byte : bytes)
            hash_ = (hash_ ^ byte) * 1099511628211ull;
    }
    void add(const std::string& text)
    {
        for (char c : text)
            add(c);
        add(text.size());
    }
    std::uint64_t value() const { return hash_; }

private:
    std::uint64_t hash_ = 14695981039346656037ull;
};

} // namespace

FormCanvas::FormCanvas(QtDesktop& desktop, Form& form, QWidget* parent)
    : QWidget(parent), desktop_(desktop), form_(form), painter_(desktop.pictures())
{
    setFixedSize(toWholePixels(form.clientWidth), toWholePixels(form.clientHeight));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
    if (form.options)
        buildOptionButtons();
}

void FormCanvas::buildOptionButtons()
{
    buttons_ = new QButtonGroup(this);
    buttons_->setExclusive(true);
    QFont font = this->font();
    font.setPixelSize(kOptionFontPixels);
    QWidget* previous = nullptr;
    const auto& options = form_.options->buttons;
    for (int i = 0; i < int(options.size()); ++i) {
        const OptionButton& option = options[i];
        auto* radio = new QRadioButton(QString::fromStdString(option.caption), this);
        radio->setFont(font);
        radio->setFocusPolicy(Qt::NoFocus); // the level screen keeps the keys
        radio->setGeometry(toWholePixels(option.Left), toWholePixels(option.Top),
            width() - toWholePixels(option.Left), toWholePixels(option.Height));
        radio->setObjectName(QString::fromStdString(option.name));
        buttons_->addButton(radio, i);
    }
    // Keyboard order follows the buttons' tab indexes, not their places.
    for (int tab = 1; tab <= int(options.size()); ++tab)
        for (int i = 0; i < int(options.size()); ++i)
            if (options[i].tabIndex == tab) {
                QWidget* radio = buttons_->button(i);
                if (previous)
                    setTabOrder(previous, radio);
                previous = radio;
            }
    connect(buttons_, &QButtonGroup::idClicked, this, [this](int id) {
        desktop_.dispatch([this, id] { form_.options->select(id); });
    });
    syncOptionButtons();
}

void FormCanvas::syncOptionButtons()
{
    const int selected = form_.options->selected();
    if (buttons_->checkedId() == selected)
        return;
    if (selected < 0) {
        buttons_->setExclusive(false);
        if (QAbstractButton* checked = buttons_->checkedButton())
            checked->setChecked(false);
        buttons_->setExclusive(true);
    } else {
        buttons_->button(selected)->setChecked(true);
    }
}

std::uint64_t FormCanvas::fingerprint() const
{
    Fingerprint print;
    print.add(form_.Picture);
    for (const Control* control : form_.frontToBack) {
        print.add(control->Visible);
        if (!control->Visible)
            continue;
        print.add(control->Left);
        print.add(control->Top);
        print.add(control->Width);
        print.add(control->Height);
        if (control->kind() == ControlKind::Image)
            print.add(static_cast<const Image*>(control)->Picture);
        else if (control->kind() == ControlKind::Label)
            print.add(static_cast<const Label*>(control)->Caption);
    }
    return print.value();
}

void FormCanvas::refresh()
{
    if (buttons_)
        syncOptionButtons();
    if (!isVisible())
        return;
    if (fingerprint() != painted_)
        update();
}

void FormCanvas::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter_.paint(painter, form_);
    painted_ = fingerprint();
}

} // namespace zubble::platform
