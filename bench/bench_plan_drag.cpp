// Dragging a corner of a 100-corner outline over a 6000 x 4000 plan: each move event reads the
// plan again and repaints the canvas with its overlay (grabbed, so the paint really happens).

#include "render/planoverlay.h"
#include "ui/plan/plancanvas.h"

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QPixmap>

#include <benchmark/benchmark.h>

#include <cmath>
#include <numbers>

namespace {

void dragCorner(benchmark::State &state)
{
    orrindel::PlanCanvas canvas;
    canvas.resize(900, 600);
    QImage plan(6000, 4000, QImage::Format_RGB32);
    plan.fill(Qt::white);
    canvas.setImage(plan);
    orrindel::PlanInput input;
    input.facing = 180;
    for (int i = 0; i < 100; ++i) { // a round house, corners every 3.6 degrees
        const double a = i * 2 * std::numbers::pi / 100;
        input.outline.push_back({3000 + 1800 * std::cos(a), 2000 + 1800 * std::sin(a)});
    }
    canvas.setPlan(input);
    canvas.setOverlay([&canvas](QPainter &painter, const orrindel::PlanInput &in,
                                const orrindel::PlanReading &reading) {
        orrindel::render::drawPlanOverlay(painter, canvas.imageSize(), in, reading, {}, {});
    });
    const QPointF corner = canvas.onScreen(input.outline[0]);
    QMouseEvent press(QEvent::MouseButtonPress, corner, canvas.mapToGlobal(corner),
                      Qt::LeftButton, Qt::LeftButton, {});
    QApplication::sendEvent(&canvas, &press);
    int step = 0;
    for (auto _ : state) {
        const QPointF at = corner + QPointF(step++ % 20 - 10, 0);
        QMouseEvent move(QEvent::MouseMove, at, canvas.mapToGlobal(at), Qt::NoButton,
                         Qt::LeftButton, {});
        QApplication::sendEvent(&canvas, &move);
        benchmark::DoNotOptimize(canvas.grab());
    }
}
BENCHMARK(dragCorner)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
