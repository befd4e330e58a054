#pragma once

namespace zubble::platform {

// Holds a flag up for as long as a handler runs, also when End unwinds it.
class BusyFlag final {
public:
    explicit BusyFlag(bool& flag) : flag_(flag) { flag_ = true; }
    ~BusyFlag() { flag_ = false; }
    BusyFlag(const BusyFlag&) = delete;
    BusyFlag& operator=(const BusyFlag&) = delete;

private:
    bool& flag_;
};

} // namespace zubble::platform
