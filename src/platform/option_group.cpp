#include "platform/option_group.h"

namespace zubble::platform {

void OptionGroup::select(int index)
{
    if (index == selected_ || index < 0 || index >= int(buttons.size()))
        return;
    selected_ = index;
    if (Click)
        Click(index);
}

int OptionGroup::indexOf(const std::string& name) const
{
    for (int i = 0; i < int(buttons.size()); ++i)
        if (buttons[i].name == name)
            return i;
    return -1;
}

} // namespace zubble::platform
