// The house register at 10,000 houses: the store's filter query, and orrindel-houses list --json
// as a whole process, start to exit.

#include "store/house.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace orrindel::store;

namespace {

constexpr int Houses = 10000;

// One register for every benchmark, filled as a practitioner's might be: names, addresses and
// a few lines of notes.
const QString &registerPath()
{
    static const QTemporaryDir dir;
    static const QString path = [] {
        const QString file = dir.filePath("houses.sqlite");
        QList<House> houses;
        for (int i = 0; i < Houses; ++i) {
            House house;
            house.client = QStringLiteral("Client %1 Wong").arg(i);
            house.label = QStringLiteral("%1 Hill Road, Block %2").arg(i).arg(i % 97);
            house.year = QString::number(1900 + i % 127);
            house.facing = QString::number(i % 360);
            house.measured = QDate(2026, 1, 1).addDays(-(i % 900));
            house.notes = QStringLiteral("Front door on the left; water feature in the east. "
                                         "Main bedroom upstairs at the back. Visit %1.")
                              .arg(i);
            houses.append(house);
        }
        HouseStore(file).addAll(houses);
        return file;
    }();
    return path;
}

void filter(benchmark::State &state, const QString &text)
{
    const HouseStore store(registerPath());
    qsizetype found = 0;
    for (auto _ : state)
        found = store.houses(text).size();
    state.counters["houses"] = double(found);
}
BENCHMARK_CAPTURE(filter, one_keystroke, QStringLiteral("w"))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(filter, narrow, QStringLiteral("client 9999"))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(filter, all, QString())->Unit(benchmark::kMillisecond);

void listJson(benchmark::State &state)
{
    const QString path = registerPath();
    for (auto _ : state) {
        QProcess tool;
        tool.start(QStringLiteral(HOUSES_TOOL), {"--database", path, "list", "--json"});
        if (!tool.waitForFinished(60000) || tool.exitCode() != 0)
            state.SkipWithError("orrindel-houses failed");
        benchmark::DoNotOptimize(tool.readAllStandardOutput());
    }
}
BENCHMARK(listJson)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
