#include "platform/caption_number.h"
#include "rules/eating.h"
#include "screen/level_screen.h"

namespace zubble {

inline constexpr double kSmallDotPoints = 100;

void LevelScreen::SmallScore()
{
    for (Counter = 0; Counter <= kSmallDotCount - 1; ++Counter) {
        if (eats(imgZubble, shpCircle[Counter])) {
            shpCircle[Counter].Visible = false;
            platform::addToCaption(lblScore.Caption, kSmallDotPoints);
        }
    }
}

} // namespace zubble
