#pragma once

#include "platform/window_peer.h"

#include <QMainWindow>

#include <memory>

namespace zubble::platform {

class Form;
class FormCanvas;
class QtDesktop;

// A form's real window: fixed border, caption, icon, menu bar and canvas. It
// receives the keys itself and hands them, and its close box, to the game.
class FormWindow final : public QMainWindow {
public:
    FormWindow(QtDesktop& desktop, Form& form);
    ~FormWindow() override;

    void refresh();
    FormCanvas& canvas() { return *canvas_; }
    void placeAtFirstShow();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    void syncChecks(QMenu& menu, int menuIndex);

    QtDesktop& desktop_;
    Form& form_;
    FormCanvas* canvas_ = nullptr;
    bool placed_ = false;
};

// The game's handle on a FormWindow: outer position in twips, visibility, focus.
class FormWindowPeer final : public WindowPeer {
public:
    FormWindowPeer(QtDesktop& desktop, Form& form);
    ~FormWindowPeer() override;

    float left() const override;
    float top() const override;
    float width() const override;
    void setLeft(float twips) override;
    void setTop(float twips) override;
    bool visible() const override;
    void setVisible(bool visible) override;
    void setFocus() override;

    FormWindow& window() { return *window_; }

private:
    std::unique_ptr<FormWindow> window_;
    bool takesFocus_;
};

} // namespace zubble::platform
