#include "x_session.h"

#include <chrono>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <cstdio>
#include <cstdlib>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace zubble::testing {
namespace {

void sleepFor(double seconds)
{
    std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
}

} // namespace

XSession::XSession()
{
    int fds[2];
    if (pipe(fds) != 0)
        return;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fds[1], 3);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    const char* argv[] = {"Xvfb", "-displayfd", "3", "-screen", "0", "1024x768x24", "-noreset", "-nolisten",
        "tcp", nullptr};
    const int spawned = posix_spawnp(
        &server_, "Xvfb", &actions, nullptr, const_cast<char* const*>(argv), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(fds[1]);
    if (spawned != 0) {
        server_ = -1;
        close(fds[0]);
        return;
    }
    // Xvfb writes the display number it took, then a line feed, once it
    // accepts clients; it gives up if the pipe closes before the line feed.
    std::string number;
    char c = 0;
    while (read(fds[0], &c, 1) == 1 && c != '\n')
        number += c;
    close(fds[0]);
    if (!number.empty() && c == '\n')
        display_ = std::atoi(number.c_str());
}

XSession::~XSession()
{
    if (manager_ > 0) {
        kill(manager_, SIGTERM);
        waitpid(manager_, nullptr, 0);
    }
    if (server_ > 0) {
        kill(server_, SIGTERM);
        waitpid(server_, nullptr, 0);
    }
}

pid_t XSession::launch(const std::string& program)
{
    std::string displayVariable = "DISPLAY=" + display();
    std::vector<char*> env;
    for (char** e = environ; *e; ++e) {
        const std::string entry = *e;
        if (entry.rfind("DISPLAY=", 0) != 0 && entry.rfind("QT_QPA_PLATFORM=", 0) != 0
            && entry.rfind("WAYLAND_DISPLAY=", 0) != 0)
            env.push_back(*e);
    }
    std::string platform = "QT_QPA_PLATFORM=xcb";
    env.push_back(displayVariable.data());
    env.push_back(platform.data());
    env.push_back(nullptr);
    const char* argv[] = {program.c_str(), nullptr};
    pid_t pid = -1;
    if (posix_spawn(&pid, program.c_str(), nullptr, nullptr, const_cast<char* const*>(argv),
            env.data())
        != 0)
        return -1;
    return pid;
}

bool XSession::startWindowManager()
{
    if (run("command -v openbox").empty())
        return false;
    manager_ = launch("/usr/bin/openbox");
    // Ready once it has claimed the screen.
    for (double waited = 0; waited < 10; waited += 0.1) {
        if (run("xprop -root _NET_SUPPORTING_WM_CHECK").find("window id") != std::string::npos)
            return true;
        sleepFor(0.1);
    }
    return false;
}

int XSession::waitForExit(pid_t pid, double seconds)
{
    for (double waited = 0; waited < seconds; waited += 0.05) {
        int status = 0;
        if (waitpid(pid, &status, WNOHANG) == pid)
            return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        sleepFor(0.05);
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    return -1;
}

std::string XSession::run(const std::string& command)
{
    const std::string line = "DISPLAY=" + display() + " " + command + " 2>/dev/null";
    std::string output;
    if (FILE* pipe = popen(line.c_str(), "r")) {
        char buffer[4096];
        std::size_t n = 0;
        while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0)
            output.append(buffer, n);
        pclose(pipe);
    }
    return output;
}

unsigned long XSession::findWindow(const std::string& name, double seconds)
{
    for (double waited = 0; waited < seconds; waited += 0.1) {
        const std::string found = run("xdotool search --onlyvisible --name '^" + name + "$'");
        if (!found.empty())
            return std::stoul(found);
        sleepFor(0.1);
    }
    return 0;
}

QRect XSession::geometry(unsigned long window)
{
    const std::string text = run("xdotool getwindowgeometry --shell " + std::to_string(window));
    auto value = [&](const char* key) {
        const std::size_t at = text.find(std::string(key) + "=");
        return at == std::string::npos ? -1 : std::atoi(text.c_str() + at + std::strlen(key) + 1);
    };
    return {value("X"), value("Y"), value("WIDTH"), value("HEIGHT")};
}

QRect XSession::inside(unsigned long window)
{
    const std::string info = run("xwininfo -id " + std::to_string(window));
    auto value = [&](const char* label) {
        const std::size_t at = info.find(label);
        return at == std::string::npos ? 0 : std::atoi(info.c_str() + at + std::strlen(label));
    };
    return {value("Absolute upper-left X:"), value("Absolute upper-left Y:"), value("Width:"),
        value("Height:")};
}

QRect XSession::frame(unsigned long window)
{
    const QRect client = inside(window);
    // _NET_FRAME_EXTENTS(CARDINAL) = left, right, top, bottom
    const std::string extents = run("xprop -id " + std::to_string(window) + " _NET_FRAME_EXTENTS");
    int left = 0, right = 0, top = 0, bottom = 0;
    const std::size_t at = extents.find('=');
    if (at != std::string::npos)
        std::sscanf(extents.c_str() + at + 1, "%d, %d, %d, %d", &left, &right, &top, &bottom);
    return client.adjusted(-left, -top, right, bottom);
}

void XSession::key(const std::string& keys) { run("xdotool key " + keys); }

void XSession::click(int x, int y)
{
    run("xdotool mousemove " + std::to_string(x) + " " + std::to_string(y) + " click 1");
}

QImage XSession::screen()
{
    const std::string path = "/tmp/zubble-e2e-" + std::to_string(getpid()) + ".png";
    run("import -window root png:" + path);
    QImage image(QString::fromStdString(path));
    std::remove(path.c_str());
    return image.convertToFormat(QImage::Format_RGB32);
}

} // namespace zubble::testing
