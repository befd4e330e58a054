#include "platform/qt/display_choice.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zubble::platform {
namespace {

// The variables this test touches, put back as they were afterwards.
class Environment {
public:
    Environment()
    {
        for (const char* name : kNames)
            saved_.push_back({name, qEnvironmentVariableIsSet(name), qgetenv(name)});
    }
    ~Environment()
    {
        for (const auto& s : saved_)
            s.set ? qputenv(s.name, s.value) : qunsetenv(s.name);
    }
    static void set(const char* name, const char* value)
    {
        value ? qputenv(name, value) : qunsetenv(name);
    }
    static constexpr const char* kNames[]
        = {"WAYLAND_DISPLAY", "XDG_SESSION_TYPE", "DISPLAY", "QT_QPA_PLATFORM"};

private:
    struct Saved {
        const char* name;
        bool set;
        QByteArray value;
    };
    std::vector<Saved> saved_;
};

TEST(DisplayChoice, AsksForXWaylandOnlyOnWaylandWithAnXServerAndNoChoiceMade)
{
    const struct {
        const char* wayland;
        const char* session;
        const char* display;
        const char* platform;
        const char* expected;
    } cases[] = {
        {"wayland-0", nullptr, ":0", nullptr, "xcb"},
        {nullptr, "wayland", ":0", nullptr, "xcb"},
        {"wayland-0", nullptr, nullptr, nullptr, nullptr}, // no XWayland
        {"wayland-0", nullptr, ":0", "wayland", "wayland"}, // the user's choice
        {nullptr, "x11", ":0", nullptr, nullptr}, // plain X11
    };
    Environment keep;
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.wayland ? c.wayland : "-") + (c.session ? c.session : "-"));
        Environment::set("WAYLAND_DISPLAY", c.wayland);
        Environment::set("XDG_SESSION_TYPE", c.session);
        Environment::set("DISPLAY", c.display);
        Environment::set("QT_QPA_PLATFORM", c.platform);
        preferXWayland();
        EXPECT_EQ(qEnvironmentVariableIsSet("QT_QPA_PLATFORM"), c.expected != nullptr);
        if (c.expected)
            EXPECT_EQ(qgetenv("QT_QPA_PLATFORM"), QByteArray(c.expected));
    }
}

} // namespace
} // namespace zubble::platform
