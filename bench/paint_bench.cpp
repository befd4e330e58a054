// One full frame of frmLevel1 painted offscreen, as its window paints it:
// the cached scenery, 77 dots, three labels, four ghosts and the player.
#include "platform/qt/form_painter.h"
#include "platform/qt/qt_desktop.h"
#include "screen/game.h"
#include "screen/level_screen.h"

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

namespace zubble {
namespace {

void PaintFrame(benchmark::State& state)
{
    const qreal ratio = qreal(state.range(0));
    platform::QtDesktop desktop;
    Game game(desktop);
    game.start();
    platform::FormPainter painter(desktop.pictures());
    QImage image(QSize(534, 425) * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    for (auto _ : state) {
        QPainter p(&image);
        painter.paint(p, game.frmLevel1().form, ratio);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(PaintFrame)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace zubble

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
