#include "platform/qt/qt_desktop.h"

#include "platform/program_ended.h"
#include "platform/qt/form_window.h"

#include <QApplication>
#include <QAbstractButton>
#include <QFont>
#include <QIcon>
#include <QMessageBox>
#include <QTime>

#include <algorithm>
#include <cmath>

namespace zubble::platform {

QtDesktop::QtDesktop() : clock_(timers, [this](const std::function<void()>& h) { dispatch(h); })
{
    // The game decides when it ends, not the last window: a closing message
    // box must not end it.
    QApplication::setQuitOnLastWindowClosed(false);
    QFont::insertSubstitution(QStringLiteral("QUAKE"), QStringLiteral("DejaVu Sans"));
    QFont::insertSubstitution(QStringLiteral("Juniper-Normal"), QStringLiteral("DejaVu Sans"));
    Randomize();
}

QtDesktop::~QtDesktop() { clock_.stop(); }

std::unique_ptr<WindowPeer> QtDesktop::createWindow(Form& form)
{
    return std::make_unique<FormWindowPeer>(*this, form);
}

void QtDesktop::forget(FormWindow& window)
{
    windows_.erase(std::remove(windows_.begin(), windows_.end(), &window), windows_.end());
}

// The level window in play: the one visible window that takes the keys. A box
// opens centred over it.
QWidget* QtDesktop::boxOwner() const
{
    for (FormWindow* window : windows_)
        if (window->isVisible() && !window->testAttribute(Qt::WA_ShowWithoutActivating))
            return window;
    return nullptr;
}

void QtDesktop::MsgBox(std::string_view text, std::string_view title)
{
    if (ended_)
        throw ProgramEnded{};
    QMessageBox box(QMessageBox::NoIcon, QString::fromUtf8(title.data(), qsizetype(title.size())),
        QString::fromUtf8(text.data(), qsizetype(text.size())).replace(QStringLiteral("\r\n"),
            QStringLiteral("\n")),
        QMessageBox::Ok, boxOwner());
    box.setWindowModality(Qt::ApplicationModal);
    // A plain OK: some styles put a picture on dialog buttons.
    box.button(QMessageBox::Ok)->setIcon(QIcon());
    box.exec();
    // exec() also returns when the program ended while the box was open.
    if (ended_)
        throw ProgramEnded{};
}

// Seconds since midnight with their fraction, as the game seeds its ghosts.
void QtDesktop::Randomize()
{
    random_.seed(std::uint64_t(QTime::currentTime().msecsSinceStartOfDay()));
}

// Never 1: the game scales these to whole directions 1..4.
double QtDesktop::Rnd()
{
    const double value = uniform_(random_);
    return value < 1.0 ? value : std::nextafter(1.0, 0.0);
}

void QtDesktop::End()
{
    ended_ = true;
    timers.disableAll();
    clock_.stop();
    for (FormWindow* window : windows_)
        window->hide();
    // Leaves the main loop and every nested one (an open message box).
    QCoreApplication::exit(0);
    throw ProgramEnded{};
}

void QtDesktop::dispatch(const std::function<void()>& handler)
{
    if (ended_)
        return;
    try {
        handler();
    } catch (const ProgramEnded&) {
        return;
    }
    if (ended_)
        return;
    clock_.reschedule();
    for (FormWindow* window : windows_)
        window->refresh();
}

} // namespace zubble::platform
