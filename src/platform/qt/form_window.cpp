#include "platform/qt/form_window.h"

#include "platform/form.h"
#include "platform/qt/form_canvas.h"
#include "platform/qt/key_map.h"
#include "platform/qt/qt_desktop.h"
#include "platform/qt/twips.h"

#include <QAction>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>

namespace zubble::platform {

FormWindow::FormWindow(QtDesktop& desktop, Form& form)
    : QMainWindow(nullptr,
        Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
            | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint
            | Qt::MSWindowsFixedSizeDialogHint),
      desktop_(desktop), form_(form)
{
    setWindowTitle(QString::fromStdString(form.Caption));
    setWindowIcon(desktop.pictures().icon());
    setObjectName(QString::fromStdString(form.name));
    canvas_ = new FormCanvas(desktop, form, this);
    setCentralWidget(canvas_);
    if (!form.menus.empty())
        buildMenus();
    // A fixed border: the window is exactly its menu bar and client area.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    if (!form.takesFocus) {
        setWindowFlag(Qt::WindowDoesNotAcceptFocus);
        setAttribute(Qt::WA_ShowWithoutActivating);
    }
    desktop_.remember(*this);
}

FormWindow::~FormWindow() { desktop_.forget(*this); }

void FormWindow::buildMenus()
{
    for (int m = 0; m < int(form_.menus.size()); ++m) {
        const Menu& menu = form_.menus[m];
        QMenu* qmenu = menuBar()->addMenu(QString::fromStdString(menu.caption));
        for (int i = 0; i < int(menu.items.size()); ++i) {
            const MenuItem& item = menu.items[i];
            if (item.separator) {
                qmenu->addSeparator();
                continue;
            }
            QAction* action = qmenu->addAction(QString::fromStdString(item.caption));
            action->setObjectName(QString::fromStdString(item.name));
            action->setShortcut(QKeySequence(QString::fromStdString(item.shortcut)));
            action->setShortcutContext(Qt::WindowShortcut);
            connect(action, &QAction::triggered, this, [this, m, i] {
                desktop_.dispatch([this, m, i] {
                    if (auto& click = form_.menus[m].items[i].Click)
                        click();
                });
            });
        }
        connect(qmenu, &QMenu::aboutToShow, this, [this, qmenu, m] { syncChecks(*qmenu, m); });
    }
}

// The check marks live in the game's menu items; show them as they are.
void FormWindow::syncChecks(QMenu& menu, int menuIndex)
{
    for (QAction* action : menu.actions()) {
        for (const MenuItem& item : form_.menus[menuIndex].items) {
            if (!item.separator && action->objectName() == QString::fromStdString(item.name)) {
                action->setCheckable(item.Checked);
                action->setChecked(item.Checked);
            }
        }
    }
}

void FormWindow::refresh() { canvas_->refresh(); }

// Puts the client area's top-left corner where the game asks, once.
void FormWindow::placeAtFirstShow()
{
    if (placed_)
        return;
    placed_ = true;
    if (!form_.firstClientPosition)
        return;
    const int menuHeight = menuWidget() ? menuWidget()->sizeHint().height() : 0;
    adjustSize();
    setGeometry(toWholePixels(form_.firstClientPosition->left),
        toWholePixels(form_.firstClientPosition->top) - menuHeight, width(), height());
}

void FormWindow::keyPressEvent(QKeyEvent* event)
{
    const int code = virtualKeyCode(*event);
    if (code == 0 || !form_.KeyDown) {
        QMainWindow::keyPressEvent(event);
        return;
    }
    const int shift = shiftState(*event);
    desktop_.dispatch([this, code, shift] { form_.KeyDown(code, shift); });
}

// The game decides what closing means; the window never closes by itself.
void FormWindow::closeEvent(QCloseEvent* event)
{
    event->ignore();
    desktop_.dispatch([this] {
        if (form_.Unload)
            form_.Unload();
    });
}

FormWindowPeer::FormWindowPeer(QtDesktop& desktop, Form& form)
    : window_(std::make_unique<FormWindow>(desktop, form)), takesFocus_(form.takesFocus)
{
}

FormWindowPeer::~FormWindowPeer() = default;

float FormWindowPeer::left() const { return toTwips(window_->frameGeometry().x()); }
float FormWindowPeer::top() const { return toTwips(window_->frameGeometry().y()); }
float FormWindowPeer::width() const { return toTwips(window_->frameGeometry().width()); }

// The speed window is docked on every tick: ask the window system only when
// the place really changes.
void FormWindowPeer::setLeft(float twips)
{
    const QPoint at = window_->frameGeometry().topLeft();
    if (at.x() != toWholePixels(twips))
        window_->move(toWholePixels(twips), at.y());
}

void FormWindowPeer::setTop(float twips)
{
    const QPoint at = window_->frameGeometry().topLeft();
    if (at.y() != toWholePixels(twips))
        window_->move(at.x(), toWholePixels(twips));
}

bool FormWindowPeer::visible() const { return window_->isVisible(); }

void FormWindowPeer::setVisible(bool visible)
{
    if (!visible) {
        window_->hide();
        return;
    }
    window_->placeAtFirstShow();
    window_->show();
    if (takesFocus_)
        setFocus();
}

void FormWindowPeer::setFocus()
{
    window_->raise();
    window_->activateWindow();
}

} // namespace zubble::platform
