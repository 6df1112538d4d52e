#include "engine/afflictions.h"
#include "engine/daystars.h"
#include "engine/monthly.h"
#include "engine/mountains.h"
#include "support/table.h"

#include <QTest>

using namespace orrindel;
using namespace orrindel::test;
using namespace std::chrono;

namespace {

using enum Palace;
using enum Dun;

// --annual for a month: the year's afflictions from its annual stars, the month's from its
// solar month: the palaces of 五黄 and 二黑, and the mountains of 太岁 and 岁破 (of 月破 for the
// month) and the 三煞; and the month's branch.
// clang-format off
struct Affliction { int calendarYear, month, centre; Palace fiveYellow, twoBlack; const char *yearMountains; const char *monthBranch; Palace monthFive, monthTwo; const char *monthMountains; };
constexpr Affliction Afflictions[] = {
    {2024, 2, 3, West, SouthEast, "辰戌巳午未", "寅", Centre, SouthWest, "申亥子丑"},
    {2025, 3, 2, NorthEast, Centre, "巳亥寅卯辰", "卯", South, NorthWest, "酉申酉戌"},
    {2026, 12, 1, South, NorthWest, "午子亥子丑", "子", East, South, "午巳午未"},
    {2027, 6, 9, North, West, "未丑申酉戌", "午", South, NorthWest, "子亥子丑"},
    // January is the year before's, and 丑月 of it.
    {2025, 1, 3, West, SouthEast, "辰戌巳午未", "丑", West, SouthEast, "未寅卯辰"},
};

// Days and hours in a zone this many hours east of UTC: the day of the cycle, and the 遁 and
// star of the day, or of the double hour at a time.
struct Day { const char *date, *time, *day; Dun dun; int star; const char *hour = ""; int utcOffset = 8; int error = 0; };
constexpr Day Days[] = {
    {"2024-01-01", nullptr, "甲子", Yang, 1}, {"2024-06-29", nullptr, "甲子", Yin, 9},
    {"2024-06-30", nullptr, "乙丑", Yin, 8}, {"2023-12-25", nullptr, "丁巳", Yin, 7},
    {"2026-08-18", nullptr, "甲子", Yin, 3}, {"2026-12-20", nullptr, "戊辰", Yang, 5},
    {"2025-12-21", nullptr, "甲子", Yang, 1},
    {"2024-06-23", "12:00", "戊午", Yin, 3, "午"}, {"2023-12-23", "00:30", "乙卯", Yang, 1, "子"},
    {"2023-12-23", "12:00", "乙卯", Yang, 7, "午"},
    // The day before each turning 甲子.
    {"2023-12-31", nullptr, "癸亥", Yin, 1}, {"2024-06-28", nullptr, "癸亥", Yang, 9},
    // 冬至 on day 29 turns on the 甲子 before it (2019); on day 30 on the one after (2042, whose
    // 冬至 is a day earlier in UTC).
    {"2019-11-23", nullptr, "甲子", Yang, 1}, {"2019-11-22", nullptr, "癸亥", Yin, 1},
    {"2042-11-22", nullptr, "甲子", Yin, 9}, {"2042-11-22", nullptr, "甲子", Yang, 1, "", 0},
    // Hours: 23:00 is the next 子 hour of the same date; the 遁 turns on the solstice's date.
    {"2024-06-20", "22:59", "乙卯", Yang, 3, "亥"}, {"2024-06-20", "23:00", "乙卯", Yang, 1, "子"},
    {"2024-06-21", "00:00", "丙辰", Yin, 6, "子"}, {"2026-12-20", "12:00", "戊辰", Yin, 9, "午"},
    {"2026-12-22", "01:00", "庚午", Yang, 2, "丑"},
    {"2024-06-20", "24:00", "乙卯", Yang, 0, "", 8, RuntimeError::InvalidProcedureCall},
    {"2024-06-20", "12:60", "乙卯", Yang, 0, "", 8, RuntimeError::InvalidProcedureCall},
};
// clang-format on

constexpr const char *StemNames = "甲乙丙丁戊己庚辛壬癸";

// The characters of a year's 太岁 and 岁破, or a month's 月破, then its 三煞.
QString names(std::vector<int> mountains, const std::array<int, 3> &killings)
{
    QString text;
    mountains.insert(mountains.end(), killings.begin(), killings.end());
    for (const int m : mountains)
        text += Mountains[m].name;
    return text;
}

} // namespace

class TestCalendar : public QObject
{
    Q_OBJECT
private slots:
    void afflictions_data() { addRows(Afflictions, &Affliction::calendarYear); }
    void afflictions()
    {
        const Affliction &row = current(Afflictions);
        const Stars annual = annualStars(std::int16_t(row.calendarYear), std::int16_t(row.month));
        QCOMPARE(int(annual[Centre]), row.centre);
        const SolarMonth solar = solarMonth(row.calendarYear, row.month);
        const YearAfflictions year = yearAfflictions(solar.starYear, annual);
        QCOMPARE(QString(Branches[year.branch]), QString(row.yearMountains).left(1));
        QCOMPARE(names({year.grandDuke, year.yearBreaker}, year.threeKillings), row.yearMountains);
        QCOMPARE((QList{year.fiveYellow, year.twoBlack}),
                 (QList<int>{row.fiveYellow, row.twoBlack}));
        const auto branch =
            std::ranges::find_if(Branches, [&](auto b) { return !qstrcmp(b, solar.branch); });
        const MonthAfflictions month = monthAfflictions(int(branch - Branches.begin()),
                                                        monthlyStars(row.calendarYear, row.month));
        QCOMPARE(QString(solar.branch), QString(row.monthBranch));
        QCOMPARE(QString(Branches[month.branch]), QString(row.monthBranch));
        QCOMPARE(names({month.monthBreaker}, month.threeKillings), row.monthMountains);
        QCOMPARE((QList{month.fiveYellow, month.twoBlack}),
                 (QList<int>{row.monthFive, row.monthTwo}));
    }

    void days_data() { addRows(Days, &Day::date); }
    void days()
    {
        const Day &row = current(Days);
        const LocalDateOf local = [&](sys_seconds t) {
            return floor<std::chrono::days>(t + hours(row.utcOffset));
        };
        const QDate d = QDate::fromString(row.date, Qt::ISODate);
        const sys_days date = year(d.year()) / d.month() / d.day();
        const int cycle = dayCycle(date);
        QCOMPARE(QString(StemNames).mid(cycle % 10, 1) + Branches[cycle % 12], row.day);
        if (!row.time) {
            const DailyStar star = dailyStar(date, local);
            QCOMPARE(star.cycle, cycle);
            QCOMPARE(star.dun, row.dun);
            QCOMPARE(star.centre, row.star);
            return;
        }
        const QStringList time = QString(row.time).split(':');
        QCOMPARE(errorOf([&] {
                     const HourlyStar star =
                         hourlyStar(date, time[0].toInt(), time[1].toInt(), local);
                     QCOMPARE(Branches[star.branch], row.hour);
                     QCOMPARE(star.dun, row.dun);
                     QCOMPARE(star.centre, row.star);
                 }),
                 row.error);
    }
};

QTEST_GUILESS_MAIN(TestCalendar)
#include "test_calendar.moc"
