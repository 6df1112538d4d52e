// The chart tool's readings, run in-process: the lines after the chart, the JSON keys beside the
// old ones, and --date refused in each way it can be wrong.

#include "orrindel_chart.h"
#include "support/table.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

using namespace orrindel::test;

namespace {

// A command line, then lines its text holds one after another, in the zone of the examples.
// clang-format off
struct Lines { QString args; QStringList lines; };
const QString Y2004 = "--year 2004 --facing ";
const Lines Texts[] = {
    {Y2004 + "180 --annual 12/2026", {"Formations:", "  离宫打劫, the true seven-star robbery: double stars at the facing; usable.", "Castle gates:",
     "  正城门, main castle gate: south-east at 巽, period star 7; usable.",
     "  副城门, secondary castle gate: south-west at 坤, period star 5; undetermined (period star 5).",
     "Year afflictions, 午 year: 五黄 south, 二黑 north-west; 太岁 (Grand Duke) 午 (south); 岁破 (Year Breaker) 子 (north); 三煞 (Three Killings) 亥子丑 (north).",
     "Month afflictions, 子 month: 五黄 east, 二黑 south; 月破 (Month Breaker) 午 (south); 三煞 (Three Killings) 巳午未 (south)."}},
    {Y2004 + "90", {"Formations: none", "Castle gates:", "  正城门, main castle gate: north-east at 艮, period star 2; not usable.", "  副城门, secondary castle gate: south-east at 巽, period star 7; usable."}},
    {Y2004 + "300", {"Formations:", "  连珠三般, pearl string: in every palace the period, mountain and facing stars are three numbers in a row (1 follows 9).", "Castle gates:", "  正城门, main castle gate: north at 壬, period star 4; usable.", "  副城门, secondary castle gate: west at 庚, period star 1; not usable."}},
    {Y2004 + "100", {"Replacement chart formations: none", "Replacement chart castle gates:"}},
    {Y2004 + "180 --replacement", {"Replacement chart formations:", "  合十, sum of ten in the facing chart: its star and the period star add up to ten in every palace.", "Replacement chart castle gates:"}},
    {Y2004 + "10 --date 2026-12-20T12:00", {"Daily stars 2026-12-20: 戊辰 day, 阳遁 (yang), centre 5", "  SE 4   S  9   SW 2",
     "  E  3   C  5   W  7", "  NE 8   N  1   NW 6", "Hourly stars 12:00: 午 hour (11:00–12:59), 阴遁 (yin), centre 9", "  SE 8   S  4   SW 6"}},
    {Y2004 + "10 --date 2024-06-29", {"Daily stars 2024-06-29: 甲子 day, 阴遁 (yin), centre 9", "  SE 8   S  4   SW 6", "  E  7   C  9   W  2", "  NE 3   N  5   NW 1", ""}},
};
// A command line with --json, a key's path and its value as compact JSON.
struct Key { QString args, path, json; };
const QString Json = "--json --year 2004 --facing 180 --annual 12/2026 --date 2026-12-20T12:00";
const Key Keys[] = {
    {Json, "readings", R"({"castleGates":[{"main":true,"mountain":"巽","palace":"south-east","periodStar":7,"usable":true},)"
                       R"({"main":false,"mountain":"坤","palace":"south-west","periodStar":5,"usable":null}],)"
                       R"("fanYin":[],"fuYin":[],"robbery":{"kind":"li","usable":true},"string":null,"sumOfTen":[]})"},
    {Json, "replacement/readings", "null"}, {Json, "afflictions", R"({"month":{"branch":"子","fiveYellow":"east","monthBreaker":"午","threeKillings":["巳","午","未"],"twoBlack":"south"},)"
                          R"("year":{"branch":"午","fiveYellow":"south","grandDuke":"午","threeKillings":["亥","子","丑"],"twoBlack":"north-west","yearBreaker":"子"}})"},
    {Json, "daily", R"({"centre":5,"date":"2026-12-20","day":"戊辰","dun":"yang"})"}, {Json, "hourly", R"({"branch":"午","centre":9,"dun":"yin","time":"12:00"})"},
    {Json, "palaces/4", R"({"annual":5,"daily":9,"direction":"south","facing":8,"grey":false,"hourly":4,"index":4,"monthly":2,"mountain":8,"time":3})"},
    {"--json --year 2024 --facing 135", "readings/sumOfTen", R"(["mountain"])"}, {"--json --year 2004 --facing 225", "readings/fuYin", R"(["facing"])"},
    {"--json --year 2004 --facing 100", "replacement/readings/string", "null"}, {"--json --replacement --year 2004 --facing 180", "replacement/applies", "false"}, {"--json --year 2004 --facing 10", "hourly", "undefined"},
};
// A bad --date and the one line it gets.
struct Refused { QString date, says; };
const QString Form = "give the date as YYYY-MM-DD or YYYY-MM-DDTHH:MM.", NoDay = "there is no such day or time.", Year = "the year must be from 1000 to 9999.";
const Refused Dates[] = {{"2026-1-1", Form}, {"2026-01-01T12", Form}, {"", Form}, {"2026-01-01T9:00", Form}, {"002026-01-01", Form}, {"2026-02-29", NoDay}, {"2026-13-01", NoDay},
    {"2026-04-31", NoDay}, {"2026-01-01T24:00", NoDay}, {"2026-01-01T12:60", NoDay}, {"0999-12-31", Year}, {"10000-01-01", Year}};
// clang-format on

int run(const QString &args, QString *out, QString *err)
{
    QTextStream outStream(out), errStream(err);
    return runChart(QStringList{"orrindel-chart"} + args.split(' '), outStream, errStream);
}

} // namespace

class TestChartReadings : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { qputenv("TZ", "Asia/Shanghai"); }

    void text_data() { addRows(Texts, &Lines::args); }
    void text()
    {
        const Lines &row = current(Texts);
        QString out, err;
        QCOMPARE(run(row.args, &out, &err), 0);
        const QStringList lines = out.split('\n');
        const qsizetype at = lines.indexOf(row.lines.first());
        QVERIFY2(at >= 0 && lines.mid(at, row.lines.size()) == row.lines, qPrintable(out));
    }

    void json_data() { addRows(Keys, &Key::path); }
    void json()
    {
        const Key &row = current(Keys);
        QString out, err;
        QCOMPARE(run(row.args, &out, &err), 0);
        QJsonValue value = QJsonDocument::fromJson(out.toUtf8()).object();
        for (const QString &step : row.path.split('/'))
            value = value.isArray() ? value[step.toInt()] : value[step];
        const QByteArray inList = QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact);
        QCOMPARE(value.isUndefined() ? "undefined" : inList.mid(1, inList.size() - 2), row.json);
    }

    void badDate_data() { addRows(Dates, &Refused::date); }
    void badDate()
    {
        const Refused &row = current(Dates);
        QString out, err;
        QCOMPARE(run("--year 2004 --facing 10 --date " + row.date, &out, &err), 2);
        QCOMPARE(out + err, "orrindel-chart: --date " + row.date + ": " + row.says + '\n');
    }
};

QTEST_MAIN(TestChartReadings)
#include "test_chartreadings.moc"
