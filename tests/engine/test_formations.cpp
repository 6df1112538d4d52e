#include "engine/formation.h"
#include "engine/mountains.h"
#include "engine/readings.h"
#include "support/table.h"

#include <QTest>

using namespace orrindel;
using namespace orrindel::test;

namespace {

constexpr PlateSides Neither, MountainSide{.mountain = true}, FacingSide{.facing = true};
using enum Formation;
using enum StringKind;
using enum RobberyKind;

struct Gate
{
    Palace palace;
    const char *mountain;
    int periodStar;
    std::optional<bool> usable;
};

// The public worked examples, re-derived: a period, the facing mountain and what the chart has;
// a gate row gives the main gate first.
// clang-format off
struct Worked { int period; const char *facing; Formation formation; PlateSides sumOfTen = Neither; std::optional<StringKind> string = std::nullopt; PlateSides fuYin = Neither; std::optional<Robbery> robbery = std::nullopt; std::optional<std::array<Gate, 2>> gates = std::nullopt; };
constexpr Worked Examples[] = {
    {.period = 3, .facing = "午", .formation = DoubleFacing, .sumOfTen = FacingSide, .robbery = Robbery{Li, true}},
    {.period = 7, .facing = "子", .formation = DoubleFacing, .sumOfTen = FacingSide, .robbery = Robbery{Kan, true}},
    {.period = 9, .facing = "丙", .formation = DoubleFacing, .fuYin = MountainSide, .robbery = Robbery{Li, false}},
    {.period = 8, .facing = "午", .formation = DoubleFacing, .robbery = Robbery{Li, true},
     .gates = {{Gate{SouthEast, "巽", 7, true}, Gate{SouthWest, "坤", 5, std::nullopt}}}},
    {.period = 7, .facing = "乾", .formation = ShangShanXiaShui, .string = Pearl,
     .gates = {{Gate{North, "子", 3, true}, Gate{West, "酉", 9, true}}}},
    {.period = 9, .facing = "乾", .formation = DoubleFacing, .sumOfTen = FacingSide, .robbery = Robbery{Li, true}},
    {.period = 9, .facing = "巽", .formation = DoubleSitting, .sumOfTen = MountainSide},
    {.period = 8, .facing = "坤", .formation = ShangShanXiaShui, .string = Parent, .fuYin = FacingSide},
    {.period = 8, .facing = "戌", .formation = ShangShanXiaShui, .string = Pearl},
};
// clang-format on

int mountainNamed(const char *name)
{
    for (int k = 0; k < MountainCount; ++k)
        if (QByteArray(Mountains[k].name) == name)
            return k;
    return -1;
}

Calc calcOf(int period, int facingMountain)
{
    Calc calc;
    calc.setYear(std::int16_t(1864 + 20 * (period - 1)));
    calc.setDegrees(float(mountainCentre(facingMountain)));
    return calc;
}

ChartReadings readingsOf(const BuildingChart &chart, int facingMountain)
{
    return readFormations(chart.time, chart.mountain, chart.facing, chart.period,
                          chart.facingPalace, facingMountain);
}

// A plate is the Lo Shu flown from 5 in the centre, forward or in reverse.
bool flownFromFive(const Stars &plate, bool forward)
{
    return plate == flyStars(5, forward);
}

} // namespace

class TestFormations : public QObject
{
    Q_OBJECT
private slots:
    void worked_data() { addRows(Examples); }
    void worked()
    {
        const Worked &row = current(Examples);
        const int facing = mountainNamed(row.facing);
        const BuildingChart chart = buildChart(calcOf(row.period, facing));
        QCOMPARE(chart.period, row.period);
        QCOMPARE(formationOf(chart), row.formation);
        const ChartReadings r = readingsOf(chart, facing);
        QCOMPARE(r.sumOfTen, row.sumOfTen);
        QCOMPARE(r.string, row.string);
        QCOMPARE(r.fuYin, row.fuYin);
        QCOMPARE(r.fanYin, Neither);
        QVERIFY(r.robbery == row.robbery);
        for (int g = 0; row.gates && g < 2; ++g) {
            const Gate &gate = row.gates->at(g);
            QCOMPARE(r.castleGates[g], (CastleGate{gate.palace, mountainNamed(gate.mountain),
                                                   g == 0, gate.periodStar, gate.usable}));
        }
    }

    // All 216 standard charts: the published counts, and each reading against the chart's
    // own flying rules.
    void allCharts()
    {
        int doubleFacing = 0, parent = 0, pearl = 0, mountainTen = 0, facingTen = 0;
        int robberies[2] = {}, fuYin[2] = {}, fanYin[2] = {};
        for (int period = 1; period <= 9; ++period) {
            for (int facing = 0; facing < MountainCount; ++facing) {
                const Calc calc = calcOf(period, facing);
                const BuildingChart chart = buildChart(calc);
                const ChartReadings r = readingsOf(chart, facing);
                const QString where = QString::number(period) + Mountains[facing].name;
                doubleFacing += formationOf(chart) == DoubleFacing;
                parent += r.string == Parent;
                pearl += r.string == Pearl;
                mountainTen += r.sumOfTen.mountain;
                facingTen += r.sumOfTen.facing;
                QCOMPARE(r.fuYin, (PlateSides{flownFromFive(chart.mountain, true),
                                              flownFromFive(chart.facing, true)}));
                QCOMPARE(r.fanYin, (PlateSides{flownFromFive(chart.mountain, false),
                                               flownFromFive(chart.facing, false)}));
                if (r.robbery) {
                    QVERIFY2(formationOf(chart) == DoubleFacing, qPrintable(where));
                    const int kind = int(r.robbery->kind);
                    ++robberies[kind];
                    fuYin[kind] += r.fuYin != Neither;
                    fanYin[kind] += r.fanYin != Neither;
                    QCOMPARE(r.robbery->usable, r.fuYin == Neither);
                }
                QCOMPARE(r.castleGates[0].main && !r.castleGates[1].main, true);
                for (const CastleGate &gate : r.castleGates) {
                    // A neighbour of the facing palace, read at the facing mountain's 元龙.
                    const int apart =
                        std::abs(mountainCentre(gate.mountain) - mountainCentre(facing));
                    QVERIFY2(apart == 45 || apart == 315, qPrintable(where));
                    QCOMPARE(gate.periodStar, chart.time[gate.palace]);
                    // Usable when the period star flown as the chart flies it comes back
                    // with the period to the gate.
                    const bool forward = calc.StarDirection(std::int16_t(gate.periodStar),
                                                            chart.period) == "Forward";
                    const std::optional<bool> usable =
                        gate.periodStar == 5
                            ? std::nullopt
                            : std::optional(flyStars(gate.periodStar, forward)[gate.palace] ==
                                            period);
                    QVERIFY2(gate.usable == usable, qPrintable(where));
                }
            }
        }
        // Double facing; 离宫 and 坎宫打劫, 伏吟 and 反吟 of each; the strings; the sums of ten.
        QCOMPARE((QList{doubleFacing, robberies[0], robberies[1], fuYin[0], fuYin[1], fanYin[0],
                        fanYin[1], parent, pearl, mountainTen, facingTen}),
                 (QList{60, 24, 24, 3, 3, 3, 3, 16, 16, 12, 12}));
    }
};

QTEST_GUILESS_MAIN(TestFormations)
#include "test_formations.moc"
