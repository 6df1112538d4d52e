// The house register at 10,000 houses: the store's filter query, and orrindel-houses list --json
// as a whole process, start to exit; both again with 1,000 floor plans of 2 MB each in the
// file, which the house list must not read, and one house's plans listed.

#include "store/plan.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace orrindel::store;

namespace {

constexpr int Houses = 10000;
constexpr int Plans = 1000;
constexpr qsizetype PlanBytes = 2 << 20;

// A register filled as a practitioner's might be: names, addresses and a few lines of notes,
// and, with plans, a 2 MB plan for each of the first 1,000 houses.
QString makeRegister(const QString &file, bool withPlans)
{
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
    HouseStore store(file);
    const QList<qint64> ids = store.addAll(houses);
    PlanStore plans(store);
    for (int i = 0; withPlans && i < Plans; ++i) {
        Plan plan;
        plan.house = ids[i];
        plan.floor = QStringLiteral("Ground floor");
        plan.format = QStringLiteral("png");
        plan.width = 6000;
        plan.height = 4000;
        plan.image = QByteArray(PlanBytes, char(i));
        plans.add(plan);
    }
    return file;
}

// One register of each kind for every benchmark, made when first asked for.
const QString &registerPath(bool withPlans = false)
{
    static const QTemporaryDir dir;
    static const QString plain = makeRegister(dir.filePath("houses.sqlite"), false);
    if (!withPlans)
        return plain;
    static const QString planned = makeRegister(dir.filePath("plans.sqlite"), true);
    return planned;
}

void filter(benchmark::State &state, const QString &text, bool withPlans = false)
{
    const HouseStore store(registerPath(withPlans));
    qsizetype found = 0;
    for (auto _ : state)
        found = store.houses(text).size();
    state.counters["houses"] = double(found);
}
BENCHMARK_CAPTURE(filter, one_keystroke, QStringLiteral("w"))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(filter, narrow, QStringLiteral("client 9999"))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(filter, all, QString())->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(filter, all_with_plans, QString(), true)->Unit(benchmark::kMillisecond);

// The floors of a house with a 2 MB plan, as the Houses window would show them.
void housePlans(benchmark::State &state)
{
    HouseStore store(registerPath(true));
    const PlanStore plans(store);
    const qint64 house = store.houses(QStringLiteral("client 500 wong")).constFirst().id;
    for (auto _ : state)
        benchmark::DoNotOptimize(plans.plans(house));
}
BENCHMARK(housePlans)->Unit(benchmark::kMillisecond);

void listJson(benchmark::State &state, bool withPlans)
{
    const QString path = registerPath(withPlans);
    for (auto _ : state) {
        QProcess tool;
        tool.start(QStringLiteral(HOUSES_TOOL), {"--database", path, "list", "--json"});
        if (!tool.waitForFinished(60000) || tool.exitCode() != 0)
            state.SkipWithError("orrindel-houses failed");
        benchmark::DoNotOptimize(tool.readAllStandardOutput());
    }
}
BENCHMARK_CAPTURE(listJson, houses, false)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(listJson, with_plans, true)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
