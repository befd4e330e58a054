#include "platform/caption_number.h"
#include "platform/option_group.h"

#include <gtest/gtest.h>

namespace zubble::platform {
namespace {

TEST(CaptionNumber, AddsAndWritesTheShortestText)
{
    const struct {
        const char* caption;
        double delta;
        const char* expected;
    } cases[] = {
        {"0", 100, "100"},
        {"1500", 100, "1600"},
        {"6800", 500, "7300"},
        {"5", -1, "4"},
        {"1", -1, "0"},
        {"99999999", 500, "100000499"},
        {"99900", 100, "100000"}, // never "1e+05"
        {"199500", 500, "200000"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.caption);
        std::string caption = c.caption;
        addToCaption(caption, c.delta);
        EXPECT_EQ(caption, c.expected);
    }
    EXPECT_EQ(captionText(captionValue("2") + 1), "3");
}

TEST(OptionGroup, ReportsEveryNewSelectionAndNoRepeat)
{
    OptionGroup group;
    group.buttons.resize(3);
    std::vector<int> clicks;
    group.Click = [&](int index) { clicks.push_back(index); };
    EXPECT_EQ(group.selected(), -1);
    group.select(1);
    group.select(1);
    group.select(2);
    group.clear();
    group.select(2);
    EXPECT_EQ(clicks, (std::vector<int>{1, 2, 2}));
    EXPECT_EQ(group.selected(), 2);
}

} // namespace
} // namespace zubble::platform
