#pragma once

namespace zubble::platform {

// The backend's side of one top-level window. Positions are the outer
// window's, frame included, in twips.
class WindowPeer {
public:
    virtual ~WindowPeer() = default;

    virtual float left() const = 0;
    virtual float top() const = 0;
    virtual float width() const = 0;
    virtual void setLeft(float twips) = 0;
    virtual void setTop(float twips) = 0;

    virtual bool visible() const = 0;
    virtual void setVisible(bool visible) = 0;
    virtual void setFocus() = 0;
};

} // namespace zubble::platform
