#include "platform/qt/form_canvas.h"

#include "platform/form.h"
#include "platform/qt/fingerprint.h"
#include "platform/qt/qt_desktop.h"
#include "platform/qt/twips.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QPaintEvent>
#include <QPainter>
#include <QRadioButton>

namespace zubble::platform {
namespace {

// Options are small: the speed window is only 83 pixels wide.
constexpr int kOptionFontPixels = 11;

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

FormCanvas::Shown FormCanvas::shownNow(const Control& control) const
{
    Fingerprint look;
    if (control.kind() == ControlKind::Image)
        look.add(static_cast<const Image&>(control).Picture);
    else if (control.kind() == ControlKind::Label)
        look.add(static_cast<const Label&>(control).Caption);
    // One pixel more on each side covers the smoothed edges of round things.
    const QRect box = QRectF(toPixels(control.Left), toPixels(control.Top),
        toPixels(control.Width), toPixels(control.Height))
                          .toAlignedRect()
                          .adjusted(-1, -1, 1, 1);
    return {box, control.Visible, look.value()};
}

void FormCanvas::refresh()
{
    if (buttons_)
        syncOptionButtons();
    if (!isVisible())
        return;
    if (shown_.size() != form_.frontToBack.size() || shownPicture_ != int(form_.Picture)) {
        update();
        return;
    }
    QRegion changed;
    for (std::size_t i = 0; i < shown_.size(); ++i) {
        const Shown now = shownNow(*form_.frontToBack[i]);
        const Shown& before = shown_[i];
        if (now.visible == before.visible && now.box == before.box && now.look == before.look)
            continue;
        if (before.visible)
            changed += before.box;
        if (now.visible)
            changed += now.box;
    }
    if (!changed.isEmpty())
        update(changed);
}

void FormCanvas::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter_.paint(painter, form_, devicePixelRatioF(), event->region());
    shown_.clear();
    for (const Control* control : form_.frontToBack)
        shown_.push_back(shownNow(*control));
    shownPicture_ = int(form_.Picture);
}

} // namespace zubble::platform
