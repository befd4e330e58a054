// zubble-probe: the real game, with a probe that measures it from inside:
// the pace of the 1-millisecond timers, the CPU time, the peak memory and the
// time from the process's start to the first painted frame. Figures are
// printed when the game ends. Drive it with bench/measure-game.
#include "platform/qt/display_choice.h"
#include "platform/qt/qt_desktop.h"
#include "platform/timer.h"
#include "screen/game.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QMainWindow>

#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

// Seconds since this process started, from the kernel's record of its start.
double secondsSinceProcessStart()
{
    std::ifstream stat("/proc/self/stat");
    std::string line;
    std::getline(stat, line);
    std::istringstream fields(line.substr(line.rfind(')') + 2));
    std::string field;
    for (int i = 3; i <= 22 && fields >> field; ++i) {
    }
    const double started = std::stod(field) / double(sysconf(_SC_CLK_TCK));
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9 - started;
}

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
        + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// Notes the first paint of the level window's client area.
class FirstPaint final : public QObject {
public:
    double seconds = -1;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && seconds < 0)
            seconds = secondsSinceProcessStart();
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

int main(int argc, char* argv[])
{
    zubble::platform::preferXWayland();
    zubble::platform::preferPlainImageTransfers();
    QApplication app(argc, argv);
    zubble::platform::QtDesktop desktop;
    zubble::Game game(desktop);
    game.start();

    FirstPaint firstPaint;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* window = qobject_cast<QMainWindow*>(widget); window && window->isVisible())
            window->centralWidget()->installEventFilter(&firstPaint);

    // Created right after the game's own timers, so it ticks in the same rounds.
    QElapsedTimer clock;
    std::vector<double> stamps;
    stamps.reserve(1 << 16);
    zubble::platform::Timer probe(desktop, 1, [&] {
        if (stamps.size() < stamps.capacity())
            stamps.push_back(double(clock.nsecsElapsed()) / 1e6);
    });
    probe.Enabled = true;

    const double cpuBefore = cpuSeconds();
    clock.start();
    desktop.startClock();
    const int status = QApplication::exec();
    const double seconds = double(clock.nsecsElapsed()) / 1e9;
    const double cpu = cpuSeconds() - cpuBefore;

    std::vector<double> periods;
    for (std::size_t i = 1; i < stamps.size(); ++i)
        periods.push_back(stamps[i] - stamps[i - 1]);
    std::sort(periods.begin(), periods.end());
    const auto quantile = [&](double q) {
        return periods.empty() ? 0.0 : periods[std::size_t(q * double(periods.size() - 1))];
    };
    const double span = stamps.size() > 1 ? (stamps.back() - stamps.front()) / 1000 : 0;
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("played                %.2f s\n", seconds);
    std::printf("fast timer rate       %.2f per second (target 64)\n",
        span > 0 ? double(stamps.size() - 1) / span : 0.0);
    std::printf("tick period ms        median %.3f  p1 %.3f  p99 %.3f  max %.3f (target 15.625)\n",
        quantile(0.5), quantile(0.01), quantile(0.99), periods.empty() ? 0.0 : periods.back());
    std::printf("cpu time              %.3f s, %.2f %% of one core\n", cpu, 100 * cpu / seconds);
    std::printf("peak resident memory  %.1f MB\n", double(usage.ru_maxrss) / 1024);
    std::printf("first painted frame   %.0f ms after the process started\n",
        firstPaint.seconds * 1000);
    return status;
}
