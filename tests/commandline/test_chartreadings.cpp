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
    {"--json --year 2024 --facing 135", "readings/sumOfTen", R"(["mountain"])"}, {"--json --year 2004 --facing 225", "readings/fuYin", R"(["facing"])"},
    {"--json --year 2004 --facing 100", "replacement/readings/string", "null"}, {"--json --replacement --year 2004 --facing 180", "replacement/applies", "false"}, {"--json --year 2004 --facing 10", "hourly", "undefined"},
    {"--json --replacement --year 2004 --facing 180", "replacement/palaces/0/reading", "undefined"}, {"--json --year 2017 --facing 187 --annual 06/2026", "replacement/palaces/4/afflictions", R"(["grandDuke","fiveYellow"])"},
    {"--json --year 2017 --facing 187 --annual 06/2026", "replacement/palaces/4/reading/relation", R"("facingProducesMountain")"}, {"--json --year 2017 --facing 187 --annual 06/2026", "replacement/palaces/4/reading/tone", R"("mixed")"},
};
// 子山午向 built in 2004 (period 8) read in a month: the current period, and a palace's JSON as
// worked by hand, its reading's localized text left out.
struct Palace { const char *name; QString month; int period, index; QByteArray json; };
const Palace Palaces[] = {
    {"06/2026 south: double 8 retreating, the year's 太岁 and 五黄", "06/2026", 9, 4, R"({"afflictions":["grandDuke","fiveYellow"],"annual":5,"direction":"south","facing":8,"grey":false,"index":4,"monthly":8,"mountain":8,"reading":{"facing":8,"facingState":"retreating","mountain":8,"mountainState":"retreating","name":null,"relation":"same","tags":[],"tone":"mixed"},"time":3,"visitors":[{"from":"annual","star":5,"tags":[]},{"from":"monthly","star":8,"tags":[]}]})"},
    {"06/2026 north-east: 7-9 is bad with 9 prosperous", "06/2026", 9, 3, R"({"afflictions":["threeKillings","monthThreeKillings"],"annual":4,"direction":"north-east","facing":9,"grey":false,"index":3,"monthly":7,"mountain":7,"reading":{"facing":9,"facingState":"prosperous","mountain":7,"mountainState":"killing","name":"回禄","relation":"facingControlsMountain","tags":["fire"],"tone":"bad"},"time":2,"visitors":[{"from":"annual","star":4,"tags":[]},{"from":"monthly","star":7,"tags":["fire"]}]})"},
    {"06/2026 east: 2-5 bad with 2 growing", "06/2026", 9, 7, R"({"afflictions":["monthTwoBlack"],"annual":8,"direction":"east","facing":5,"grey":false,"index":7,"monthly":2,"mountain":2,"reading":{"facing":5,"facingState":"killing","mountain":2,"mountainState":"growing","name":"二五交加","relation":"same","tags":["illness"],"tone":"bad"},"time":6,"visitors":[{"from":"annual","star":8,"tags":[]},{"from":"monthly","star":2,"tags":["illness"]}]})"},
    {"06/2026 south-west: 一六 mixed, visitors meeting it", "06/2026", 9, 6, R"({"afflictions":[],"annual":7,"direction":"south-west","facing":6,"grey":false,"index":6,"monthly":1,"mountain":1,"reading":{"facing":6,"facingState":"killing","mountain":1,"mountainState":"growing","name":"一六共宗","relation":"facingProducesMountain","tags":["career"],"tone":"mixed"},"time":5,"visitors":[{"from":"annual","star":7,"tags":["conflict"]},{"from":"monthly","star":1,"tags":["career"]}]})"},
    {"06/2023 south: double 8 prosperous is good", "06/2023", 8, 4, R"({"afflictions":[],"annual":8,"direction":"south","facing":8,"grey":false,"index":4,"monthly":8,"mountain":8,"reading":{"facing":8,"facingState":"prosperous","mountain":8,"mountainState":"prosperous","name":null,"relation":"same","tags":[],"tone":"good"},"time":3,"visitors":[{"from":"annual","star":8,"tags":[]},{"from":"monthly","star":8,"tags":[]}]})"},
    {"06/2023 east: 太岁 and both 二黑", "06/2023", 8, 7, R"({"afflictions":["grandDuke","twoBlack","monthTwoBlack"],"annual":2,"direction":"east","facing":5,"grey":false,"index":7,"monthly":2,"mountain":2,"reading":{"facing":5,"facingState":"killing","mountain":2,"mountainState":"dead","name":"二五交加","relation":"same","tags":["illness"],"tone":"bad"},"time":6,"visitors":[{"from":"annual","star":2,"tags":["illness"]},{"from":"monthly","star":2,"tags":["illness"]}]})"},
    {"06/2023 north-west: both 三煞 and both 五黄", "06/2023", 8, 1, R"({"afflictions":["threeKillings","fiveYellow","monthThreeKillings","monthFiveYellow"],"annual":5,"direction":"north-west","facing":2,"grey":false,"index":1,"monthly":5,"mountain":5,"reading":{"facing":2,"facingState":"dead","mountain":5,"mountainState":"killing","name":"二五交加","relation":"same","tags":["illness"],"tone":"bad"},"time":9,"visitors":[{"from":"annual","star":5,"tags":["illness"]},{"from":"monthly","star":5,"tags":["illness"]}]})"},
    {"06/2023 south-west: the year's 三煞 at 申", "06/2023", 8, 6, R"({"afflictions":["threeKillings"],"annual":1,"direction":"south-west","facing":6,"grey":false,"index":6,"monthly":1,"mountain":1,"reading":{"facing":6,"facingState":"killing","mountain":1,"mountainState":"growing","name":"一六共宗","relation":"facingProducesMountain","tags":["career"],"tone":"mixed"},"time":5,"visitors":[{"from":"annual","star":1,"tags":["career"]},{"from":"monthly","star":1,"tags":["career"]}]})"},
};
// The text's palaces sections: a line a palace, south-east first as the grid reads.
const QStringList GridOrder = {"south-east", "south", "south-west", "east", "centre", "west", "north-east", "north", "north-west"};
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

    void palaces_data() { addRows(Palaces, &Palace::name); }
    void palaces()
    {
        const Palace &row = current(Palaces);
        QString out, text, err;
        QCOMPARE(run(Y2004 + "180 --annual " + row.month + " --json", &out, &err), 0);
        QCOMPARE(run(Y2004 + "180 --annual " + row.month, &text, &err), 0);
        const QJsonObject chart = QJsonDocument::fromJson(out.toUtf8()).object();
        QCOMPARE(chart["currentPeriod"].toInt(), row.period);
        QJsonObject palace = chart["palaces"][row.index].toObject();
        QJsonObject reading = palace["reading"].toObject();
        const QString line = reading.take("text").toString();
        palace["reading"] = reading;
        QCOMPARE(QJsonDocument(palace).toJson(QJsonDocument::Compact), row.json);
        // The JSON's line is the one the text prints for that palace, in the grid's order.
        const QStringList lines = text.section("\nPalaces:\n", 1).split('\n').mid(0, 9);
        QVERIFY(lines.contains("  " + palace["direction"].toString() + ": " + line));
        for (int i = 0; i < lines.size(); ++i)
            QVERIFY2(lines[i].startsWith("  " + GridOrder[i] + ": "), qPrintable(text));
    }
    void leaningTextReadsBothCharts()
    {
        QString text, err;
        QCOMPARE(run("--year 2017 --facing 187", &text, &err), 0);
        const QString after = text.section("\nPalaces:\n", 1);
        QCOMPARE(after.section("\nReplacement chart palaces:\n", 0, 0).count('\n'), 9);
        QCOMPARE(after.section("\nReplacement chart palaces:\n", 1).count('\n'), 9);
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
