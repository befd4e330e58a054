// zubble-tick-rate [SECONDS]: how often the Qt desktop runs a 1-millisecond
// game timer, and how evenly. The game's speeds are made for 64 ticks a second.
#include "platform/qt/qt_desktop.h"
#include "platform/timer.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
        + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

} // namespace

int main(int argc, char* argv[])
{
    const double seconds = argc > 1 ? std::atof(argv[1]) : 10.0;
    QApplication app(argc, argv);
    zubble::platform::QtDesktop desktop;

    QElapsedTimer clock;
    std::vector<double> stamps;
    stamps.reserve(std::size_t(seconds * 200) + 16);
    zubble::platform::Timer fast(desktop, 1, [&] { stamps.push_back(double(clock.nsecsElapsed()) / 1e6); });
    int slowTicks = 0;
    zubble::platform::Timer slow(desktop, 100, [&] { ++slowTicks; });
    fast.Enabled = true;
    slow.Enabled = true;

    const double cpuBefore = cpuSeconds();
    clock.start();
    desktop.startClock();
    QTimer::singleShot(int(seconds * 1000), Qt::PreciseTimer, [&] { QCoreApplication::exit(0); });
    QApplication::exec();
    const double elapsed = double(clock.nsecsElapsed()) / 1e9;
    const double cpu = cpuSeconds() - cpuBefore;

    std::vector<double> periods;
    std::size_t longest = 0;
    for (std::size_t i = 1; i < stamps.size(); ++i) {
        periods.push_back(stamps[i] - stamps[i - 1]);
        if (periods.back() > periods[longest])
            longest = periods.size() - 1;
    }
    std::sort(periods.begin(), periods.end());
    const auto at = [&](double q) {
        return periods.empty() ? 0.0 : periods[std::size_t(q * double(periods.size() - 1))];
    };
    std::printf("seconds measured      %.3f\n", elapsed);
    // The rate between the first and the last tick, so start-up does not count.
    const double span = stamps.size() > 1 ? (stamps.back() - stamps.front()) / 1000 : 0;
    std::printf("fast ticks            %zu (%.2f per second from first to last, target 64)\n",
        stamps.size(), span > 0 ? double(stamps.size() - 1) / span : 0.0);
    std::printf("100 ms ticks          %d (%.2f per second, target 10)\n", slowTicks,
        slowTicks / elapsed);
    std::printf("tick period ms        min %.3f  median %.3f  p99 %.3f  max %.3f (target 15.625)\n",
        at(0), at(0.5), at(0.99), periods.empty() ? 0.0 : periods.back());
    if (!periods.empty())
        std::printf("longest period        after tick %zu, at %.1f ms\n", longest + 1,
            stamps[longest + 1]);
    std::printf("cpu time              %.3f s (%.2f %% of one core)\n", cpu, 100 * cpu / elapsed);
    return 0;
}
