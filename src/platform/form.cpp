#include "platform/form.h"

#include "platform/desktop.h"
#include "platform/window_peer.h"

namespace zubble::platform {

Form::Form(Desktop& desktop) : desktop_(desktop) {}

Form::~Form() = default;

void Form::create()
{
    if (!peer_)
        peer_ = desktop_.createWindow(*this);
}

float Form::Left() const { return peer_->left(); }
float Form::Top() const { return peer_->top(); }
float Form::Width() const { return peer_->width(); }
void Form::SetLeft(float twips) { peer_->setLeft(twips); }
void Form::SetTop(float twips) { peer_->setTop(twips); }
bool Form::Visible() const { return peer_->visible(); }
void Form::Show() { peer_->setVisible(true); }
void Form::Hide() { peer_->setVisible(false); }
void Form::SetFocus() { peer_->setFocus(); }

MenuItem* Form::findMenuItem(const std::string& itemName)
{
    for (Menu& menu : menus)
        for (MenuItem& item : menu.items)
            if (item.name == itemName)
                return &item;
    return nullptr;
}

} // namespace zubble::platform
