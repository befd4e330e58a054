#include "platform/headless/headless_desktop.h"

#include "platform/form.h"
#include "platform/program_ended.h"
#include "platform/window_peer.h"


namespace zubble::platform {
namespace {

class HeadlessWindow final : public WindowPeer {
public:
    HeadlessWindow(HeadlessDesktop& desktop, Form& form) : desktop_(desktop), form_(form)
    {
        const float menuBar = form.menus.empty() ? 0 : HeadlessDesktop::kMenuBarTwips;
        if (form.firstClientPosition) {
            left_ = form.firstClientPosition->left - HeadlessDesktop::kBorderTwips;
            top_ = form.firstClientPosition->top - HeadlessDesktop::kCaptionTwips - menuBar;
        } else {
            left_ = HeadlessDesktop::kDefaultLeft;
            top_ = HeadlessDesktop::kDefaultTop;
        }
        width_ = float(form.clientWidth) + 2 * HeadlessDesktop::kBorderTwips;
    }
    ~HeadlessWindow() override { desktop_.forget(form_); }

    float left() const override { return left_; }
    float top() const override { return top_; }
    float width() const override { return width_; }
    void setLeft(float twips) override { left_ = twips; }
    void setTop(float twips) override { top_ = twips; }
    bool visible() const override { return visible_; }

    void setVisible(bool visible) override
    {
        visible_ = visible;
        if (visible && form_.takesFocus)
            desktop_.setFocused(&form_);
        if (!visible && desktop_.focused() == &form_)
            desktop_.setFocused(nullptr);
    }
    void setFocus() override
    {
        if (visible_)
            desktop_.setFocused(&form_);
    }

private:
    HeadlessDesktop& desktop_;
    Form& form_;
    float left_ = 0;
    float top_ = 0;
    float width_ = 0;
    bool visible_ = false;
};

} // namespace

std::unique_ptr<WindowPeer> HeadlessDesktop::createWindow(Form& form)
{
    return std::make_unique<HeadlessWindow>(*this, form);
}

void HeadlessDesktop::forget(Form& form)
{
    if (focused_ == &form)
        focused_ = nullptr;
}

void HeadlessDesktop::MsgBox(std::string_view text, std::string_view title)
{
    if (ended_)
        throw ProgramEnded{};
    boxes.push_back({std::string(title), std::string(text)});
    if (onBox)
        onBox(boxes.back());
    // The box was dismissed, or the program ended while it was open.
    if (ended_)
        throw ProgramEnded{};
}

double HeadlessDesktop::Rnd()
{
    if (randomQueue_.empty())
        return 0;
    const double value = randomQueue_.front();
    randomQueue_.pop_front();
    return value;
}

void HeadlessDesktop::End()
{
    ended_ = true;
    timers.disableAll();
    throw ProgramEnded{};
}

void HeadlessDesktop::deliver(const std::function<void()>& action)
{
    if (ended_)
        return;
    try {
        action();
    } catch (const ProgramEnded&) {
    }
}

void HeadlessDesktop::tick(int rounds)
{
    for (int i = 0; i < rounds && !ended_; ++i)
        deliver([this] { timers.runRound(true); });
}

void HeadlessDesktop::anim(int rounds)
{
    for (int i = 0; i < rounds && !ended_; ++i)
        deliver([this] { timers.runRound(false); });
}

} // namespace zubble::platform
