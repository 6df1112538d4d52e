#include "engine/monthly.h"
#include "engine/palacereading.h"
#include "support/table.h"

#include <QTest>

using namespace orrindel;
using namespace orrindel::test;

namespace {

using enum Palace;

// The period-8 house of 2004 facing 180° (子山午向): mountain stars 4 5 6 7 8 9 1 2 3 and facing
// stars 3 2 1 9 8 7 6 5 4 by palace index. Worked by hand, phases 1 water, 2 5 8 earth, 3 4
// wood, 6 7 metal, 9 fire; d = (star - P) mod 9. In 2026 (P 9) a star's d is the star mod 9:
// 9 prosperous, 1 2 growing, 3 4 dead, 5 6 7 killing, 8 retreating. In 2023 (P 8) d is one less:
// 8 prosperous, 9 1 growing, 2 3 dead, 4 5 6 killing, 7 retreating. 7-9 is bad in both years and
// 2-5 in both; 8-8 is mixed (both retreating) in 2026 and good in 2023.
// clang-format off
// By palace: the stars, their relation, then the states and tone in 2026 and in 2023.
struct Worked { Palace palace; const char *stars, *relation, *states9, *tone9, *states8, *tone8, *name = "", *tag = ""; };
constexpr Worked Readings[] = {
    {Centre, "43", "same", "dead dead", "bad", "killing dead", "bad"},
    {NorthWest, "52", "same", "killing growing", "bad", "killing dead", "bad", "二五交加", "illness"},
    {West, "61", "mountainProducesFacing", "killing growing", "mixed", "killing growing", "mixed", "一六共宗", "career"},
    {NorthEast, "79", "facingControlsMountain", "killing prosperous", "bad", "retreating growing", "bad", "回禄", "fire"},
    {South, "88", "same", "retreating retreating", "mixed", "prosperous prosperous", "good"},
    {North, "97", "mountainControlsFacing", "prosperous killing", "bad", "growing retreating", "bad", "回禄", "fire"},
    {SouthWest, "16", "facingProducesMountain", "growing killing", "mixed", "growing killing", "mixed", "一六共宗", "career"},
    {East, "25", "same", "growing killing", "bad", "dead killing", "bad", "二五交加", "illness"},
    {SouthEast, "34", "same", "dead dead", "bad", "dead killing", "bad"},
};

// The same house in 07/2026: annual stars 1..9 from the centre, monthly 3..2 (centre 3, as 寅月
// of a 午 year starts at 8). The year 午: 太岁 午 south, 岁破 子 north, 三煞 亥子丑 north-west,
// north, north-east; annual 5 south, 2 north-west. The month 未: 月破 丑 north-east, 三煞 申酉戌
// south-west, west, north-west; monthly 5 west, 2 south-east. A visitor meets m, f and the
// other visitor: in the north 6 meets 9, 7 and 8 (elders, conflict, wealth). Month 0 reads the
// year's parts alone.
struct Visit { int month; Palace palace; const char *visitors, *afflictions; };
constexpr Visit Visits[] = {
    {7, Centre, "1 annual study, 3 monthly", ""},
    {7, NorthWest, "2 annual illness, 4 monthly", "threeKillings twoBlack monthThreeKillings"},
    {7, West, "3 annual, 5 monthly", "monthThreeKillings monthFiveYellow"},
    {7, NorthEast, "4 annual, 6 monthly conflict elders", "threeKillings monthBreaker"},
    {7, South, "5 annual, 7 monthly", "grandDuke fiveYellow"},
    {7, North, "6 annual conflict elders wealth, 8 monthly celebration wealth", "yearBreaker threeKillings"},
    {7, SouthWest, "7 annual conflict fire, 9 monthly elders fire", "monthThreeKillings"},
    {7, East, "8 annual, 1 monthly", ""},
    {7, SouthEast, "9 annual, 2 monthly quarrel", "monthTwoBlack"},
    {0, North, "6 annual conflict elders", "yearBreaker threeKillings"},
    {0, SouthWest, "7 annual conflict", ""},
};

// The star year turns in February; the 20-year periods start in 1864, 2044, ...
struct Now { int year, month, period, error = 0; };
constexpr int Invalid = RuntimeError::InvalidProcedureCall;
constexpr Now Periods[] = {
    {2024, 1, 8}, {2024, 2, 9}, {2023, 12, 8}, {1864, 1, 9}, {1864, 2, 1}, {2044, 1, 9},
    {2044, 2, 1}, {2043, 12, 9}, {1000, 1, 2}, {9999, 12, 2}, {1984, 2, 7},
    {999, 12, 0, Invalid}, {10000, 1, 0, Invalid}, {2024, 0, 0, Invalid}, {2024, 13, 0, Invalid},
};

// A pair's tone in periods 1..9 (good, mixed, bad), worked by hand from both stars' states;
// read in either order. Every tag appears once.
struct Pair { int a, b; const char *tones, *tag = ""; };
constexpr Pair Tones[] = {
    {7, 9, "bbbbbbbbb", "fire"}, {3, 9, "ggggggggg"}, {2, 5, "bmbbmbbbb", "illness"},
    {2, 2, "bgbbbbbbb"}, {5, 5, "bbbbgbbbb"}, {8, 8, "bbbbbgggm"}, {9, 9, "mbbbbbggg"},
    {1, 6, "mmbmmmmmm", "career"}, {6, 8, "bbbmmgmmm", "wealth"}, {8, 9, "mbbbbmggm", "celebration"},
    {1, 4, "mmmmmbbmm", "study"}, {5, 8, "bbmmmmmmm"}, {2, 3, "ggmmbbbbm", "quarrel"},
    {3, 7, "mmmmmmmmb", "robbery"}, {6, 7, "bbbmggmmb", "conflict"}, {6, 9, "mbbmmmmmm", "elders"},
};

// Mountain phase (row) against facing phase, in the order 金木水火土: = same, p/P the mountain/
// facing star produces the other, c/C controls it.
constexpr const char *StarPhase = "水土木木土金金土火", *PhaseOrder = "金木水火土";
constexpr const char *PhaseMatrix[5] = {"=cpCP", "C=Ppc", "Pp=cC", "cPC=p", "pCcP="};
// clang-format on

QString text(std::string_view s)
{
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

QString joined(const auto &values)
{
    QStringList codes;
    for (const auto value : values)
        codes << text(code(value));
    return codes.join(' ');
}

BuildingChart chartOf(int year, double bearing)
{
    Calc calc;
    calc.setYear(std::int16_t(year));
    calc.setDegrees(float(bearing));
    return buildChart(calc);
}

} // namespace

class TestPalaces : public QObject
{
    Q_OBJECT
private slots:
    void worked_data() { addRows(Readings, &Worked::stars); }
    void worked()
    {
        const Worked &row = current(Readings);
        const BuildingChart chart = chartOf(2004, 180);
        for (const auto &[now, states, tone] :
             {std::tuple{currentPeriod(2026, 7), row.states9, row.tone9},
              {currentPeriod(2023, 6), row.states8, row.tone8}}) {
            const PalaceReading r = readPalaces(chart.mountain, chart.facing, now, {})[row.palace];
            QCOMPARE(QString::number(r.mountain * 10 + r.facing), row.stars);
            QCOMPARE(text(code(r.relation)), row.relation);
            QCOMPARE(joined(std::array{r.mountainState, r.facingState}), states);
            QCOMPARE(text(code(r.tone)), tone);
            QCOMPARE(text(r.named ? r.named->name : ""), QString::fromUtf8(row.name));
            QCOMPARE(joined(r.tags), row.tag);
            QVERIFY(r.visitors.empty() && r.afflictions.empty());
        }
    }

    void visits_data() { addRows(Visits, &Visit::palace); }
    void visits()
    {
        const Visit &row = current(Visits);
        PalaceVisits visits{
            annualStars(2026, 7), {}, yearAfflictions(2026, annualStars(2026, 7)), {}};
        if (row.month) {
            visits.monthly = monthlyStars(2026, row.month);
            visits.month = monthAfflictions(monthBranch(row.month), *visits.monthly);
        }
        const BuildingChart chart = chartOf(2004, 180);
        const PalaceReading r = readPalaces(chart.mountain, chart.facing, 9, visits)[row.palace];
        QStringList visitors;
        for (const Visitor &v : r.visitors)
            visitors << (QString::number(v.star) + ' ' + text(code(v.from)) + ' ' + joined(v.tags))
                            .trimmed();
        QCOMPARE(visitors.join(", "), row.visitors);
        QCOMPARE(joined(r.afflictions), row.afflictions);
    }

    void periods_data() { addRows(Periods, &Now::year); }
    void periods()
    {
        const Now &row = current(Periods);
        int period = 0;
        QCOMPARE(errorOf([&] { period = currentPeriod(row.year, row.month); }), row.error);
        QCOMPARE(period, row.period);
    }

    void tones_data() { addRows(Tones, &Pair::tones); }
    void tones()
    {
        const Pair &row = current(Tones);
        for (const auto &[m, f] : {std::pair{row.a, row.b}, std::pair{row.b, row.a}}) {
            QString tones;
            for (int period = 1; period <= 9; ++period)
                tones += QChar(code(toneOf(m, f, period)).front());
            QCOMPARE(tones, row.tones);
            QCOMPARE(text(namedPair(m, f) ? code(namedPair(m, f)->tag) : ""), row.tag);
        }
    }

    // Over every ordered pair and period: the rule reads a pair alike either way round, a
    // doubled prosperous star is good, and the tone needs real stars and periods.
    void everyTone()
    {
        for (int period = 1; period <= 9; ++period) {
            QCOMPARE(toneOf(period, period, period), Tone::Good);
            for (int m = 1; m <= 9; ++m)
                for (int f = 1; f <= 9; ++f)
                    QCOMPARE(toneOf(m, f, period), toneOf(f, m, period));
        }
        for (const auto &[m, f, period] : {std::array{0, 3, 8}, {3, 10, 8}, {3, 3, 0}, {3, 3, 10}})
            QCOMPARE(errorOf([&] { toneOf(m, f, period); }), Invalid);
    }

    // Every facing mountain in every period: each palace's pair is the chart's, and its relation
    // is the phase matrix's.
    void charts()
    {
        const QString phases = QString::fromUtf8(StarPhase), order = QString::fromUtf8(PhaseOrder);
        const auto phase = [&](int star) { return order.indexOf(phases[star - 1]); };
        for (int k = 0; k < MountainCount; ++k)
            for (int period = 1; period <= 9; ++period) {
                const BuildingChart c = chartOf(1844 + 20 * period, mountainCentre(k));
                for (const PalaceReading &r : readPalaces(c.mountain, c.facing, period, {})) {
                    QCOMPARE(r.mountain * 10 + r.facing,
                             c.mountain[r.palace] * 10 + c.facing[r.palace]);
                    QCOMPARE("=pPcC"[int(r.relation)],
                             PhaseMatrix[phase(r.mountain)][phase(r.facing)]);
                }
            }
    }
};

QTEST_GUILESS_MAIN(TestPalaces)
#include "test_palaces.moc"
