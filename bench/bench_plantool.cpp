// orrindel-houses plan show --json on a register holding one 6000 x 4000 PNG plan traced with
// a 100-corner outline and 10 rooms: in process, and as the whole program from start to exit.

#include "orrindel_houses.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cmath>
#include <numbers>

namespace {

int houses(const QString &database, const QStringList &arguments)
{
    QString sink;
    QTextStream out(&sink), err(&sink);
    return runHouses(QStringList{"orrindel-houses", "--database", database} + arguments, out, err);
}

// A register made once: a noisy circle for the outline, ten squares for the rooms.
const QString &database()
{
    static QTemporaryDir dir;
    static const QString path = [] {
        const QString file = dir.filePath("h.sqlite"), png = dir.filePath("plan.png");
        QImage image(6000, 4000, QImage::Format_RGB32);
        image.fill(Qt::white);
        image.save(png);
        houses(file, {"add", "--year", "2004", "--facing", "205", "--client", "x"});
        houses(file, {"plan", "add", "1", "--image", png});
        QStringList corners;
        for (int i = 0; i < 100; ++i) {
            const double a = 2 * std::numbers::pi * i / 100;
            const double r = 1500 + 300 * std::sin(7 * a) + 80 * std::cos(23 * a);
            corners << QString("%1,%2").arg(3000 + r * std::cos(a)).arg(2000 + r * std::sin(a));
        }
        int status =
            houses(file, {"plan", "outline", "1", "--points", corners.join(' '), "--front", "10"});
        for (int i = 0; i < 10; ++i) {
            const double x = 2000 + 180.0 * i, y = 1200 + 100.0 * i;
            status |= houses(
                file, {"plan", "room", "1", "--name", QString("room %1").arg(i), "--points",
                       QString("%1,%2 %3,%2 %3,%4 %1,%4").arg(x).arg(y).arg(x + 300).arg(y + 300)});
        }
        if (status != 0)
            qFatal("the plan's outline or a room was refused");
        return file;
    }();
    return path;
}

} // namespace

static void planShowInProcess(benchmark::State &state)
{
    const QString &file = database();
    for (auto _ : state)
        if (houses(file, {"plan", "show", "1", "--json"}) != 0)
            state.SkipWithError("plan show failed");
}
BENCHMARK(planShowInProcess)->Unit(benchmark::kMillisecond);

static void planShowProcess(benchmark::State &state)
{
    const QString &file = database();
    for (auto _ : state) {
        QProcess tool;
        tool.start(HOUSES_TOOL, {"--database", file, "plan", "show", "1", "--json"});
        if (!tool.waitForFinished(60000) || tool.exitCode() != 0)
            state.SkipWithError("orrindel-houses failed");
    }
}
BENCHMARK(planShowProcess)->Unit(benchmark::kMillisecond)->Iterations(10)->UseRealTime();

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
}
