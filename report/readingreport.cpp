#include "readingreport.h"

#include "palacereport.h"
#include "terms.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QTextStream>

#include <algorithm>

namespace orrindel::report {

namespace {

// The context translators find these strings under.
struct ReadingReport
{
    Q_DECLARE_TR_FUNCTIONS(ReadingReport)
};

QString utf8(const char *text)
{
    return QString::fromUtf8(text);
}

ChartReadings readingsOf(const BuildingChart &c, const Stars &mountain, const Stars &facing,
                         const ChartReading &r)
{
    return readFormations(c.time, mountain, facing, c.period, c.facingPalace, r.mountains.facing);
}

// Which plates a reading holds for, in words: "mountain chart", "facing chart" or both.
QString platesWords(PlateSides sides)
{
    if (sides.mountain && sides.facing)
        return ReadingReport::tr("the mountain and the facing charts");
    return sides.mountain ? ReadingReport::tr("the mountain chart")
                          : ReadingReport::tr("the facing chart");
}

QJsonArray platesJson(PlateSides sides)
{
    QJsonArray sidesJson;
    if (sides.mountain)
        sidesJson.append(QStringLiteral("mountain"));
    if (sides.facing)
        sidesJson.append(QStringLiteral("facing"));
    return sidesJson;
}

QString usableWords(std::optional<bool> usable)
{
    if (!usable)
        return ReadingReport::tr("undetermined (period star 5)");
    return *usable ? ReadingReport::tr("usable") : ReadingReport::tr("not usable");
}

std::chrono::sys_days sysDays(const QDate &date)
{
    return std::chrono::sys_days{std::chrono::days{date.toJulianDay() - 2440588}};
}

QString dunJson(Dun dun)
{
    return dun == Dun::Yang ? QStringLiteral("yang") : QStringLiteral("yin");
}

QString mountainName(int mountain)
{
    return utf8(Mountains[mountain].name);
}

QJsonArray mountainsJson(const std::array<int, 3> &mountains)
{
    QJsonArray list;
    for (int m : mountains)
        list.append(mountainName(m));
    return list;
}

void writeChartReadings(QTextStream &s, const ChartReadingLines &chart)
{
    const QString formations = chart.replacement ? ReadingReport::tr("Replacement chart formations")
                                                 : ReadingReport::tr("Formations");
    const QString gates = chart.replacement ? ReadingReport::tr("Replacement chart castle gates")
                                            : ReadingReport::tr("Castle gates");
    if (chart.formations.isEmpty())
        s << ReadingReport::tr("%1: none").arg(formations) << '\n';
    else
        s << ReadingReport::tr("%1:").arg(formations) << "\n  "
          << chart.formations.join(QStringLiteral("\n  ")) << '\n';
    s << ReadingReport::tr("%1:").arg(gates) << "\n  "
      << chart.castleGates.join(QStringLiteral("\n  ")) << '\n';
}

QString fiveAndTwo(int fiveYellow, int twoBlack)
{
    return ReadingReport::tr("五黄 %1, 二黑 %2").arg(palaceName(fiveYellow), palaceName(twoBlack));
}

} // namespace

bool replacementApplies(const ChartReading &r)
{
    return r.lean.lean == Lean::Leaning;
}

bool replacementShown(const ChartReading &r)
{
    return replacementApplies(r) || r.request.showReplacement;
}

std::vector<ChartReadingLines> readingLines(const ChartReading &r)
{
    const auto lines = [](bool replacement, const ChartReadings &readings) {
        return ChartReadingLines{replacement, formationLines(readings), castleGateLines(readings)};
    };
    std::vector<ChartReadingLines> charts{lines(false, standardReadings(r))};
    if (replacementShown(r))
        charts.push_back(
            lines(true, readingsOf(r.chart, r.replacement.mountain, r.replacement.facing, r)));
    return charts;
}

ChartReadings standardReadings(const ChartReading &r)
{
    return readingsOf(r.chart, r.chart.mountain, r.chart.facing, r);
}

std::optional<ChartReadings> replacementReadings(const ChartReading &r)
{
    if (!replacementApplies(r))
        return std::nullopt;
    return readingsOf(r.chart, r.replacement.mountain, r.replacement.facing, r);
}

QStringList formationLines(const ChartReadings &f)
{
    QStringList lines;
    if (f.sumOfTen.mountain || f.sumOfTen.facing)
        lines << ReadingReport::tr("合十, sum of ten in %1: its star and the period star add up "
                                   "to ten in every palace.")
                     .arg(platesWords(f.sumOfTen));
    if (f.string == StringKind::Parent)
        lines << ReadingReport::tr("父母三般, parent string: in every palace the period, mountain "
                                   "and facing stars are 1, 4, 7 or 2, 5, 8 or 3, 6, 9.");
    if (f.string == StringKind::Pearl)
        lines << ReadingReport::tr("连珠三般, pearl string: in every palace the period, mountain "
                                   "and facing stars are three numbers in a row (1 follows 9).");
    if (f.fuYin.mountain || f.fuYin.facing)
        lines << ReadingReport::tr("伏吟 in %1: every palace holds its own Lo Shu number, as when "
                                   "5 enters the centre and flies forward.")
                     .arg(platesWords(f.fuYin));
    if (f.fanYin.mountain || f.fanYin.facing)
        lines << ReadingReport::tr("反吟 in %1: every palace holds ten less its own Lo Shu number, "
                                   "as when 5 enters the centre and flies in reverse.")
                     .arg(platesWords(f.fanYin));
    if (f.robbery) {
        const QString kind = f.robbery->kind == RobberyKind::Li
                                 ? ReadingReport::tr("离宫打劫, the true seven-star robbery")
                                 : ReadingReport::tr("坎宫打劫, the false seven-star robbery");
        lines << (f.robbery->usable
                      ? ReadingReport::tr("%1: double stars at the facing; usable.")
                      : ReadingReport::tr("%1: double stars at the facing; not usable, as a "
                                          "star chart is 伏吟."))
                     .arg(kind);
    }
    return lines;
}

QStringList castleGateLines(const ChartReadings &f)
{
    QStringList lines;
    for (const CastleGate &gate : f.castleGates)
        lines << (gate.main ? ReadingReport::tr("正城门, main castle gate: %1 at %2, period star "
                                                "%3; %4.")
                            : ReadingReport::tr("副城门, secondary castle gate: %1 at %2, period "
                                                "star %3; %4."))
                     .arg(palaceName(gate.palace), mountainName(gate.mountain))
                     .arg(gate.periodStar)
                     .arg(usableWords(gate.usable));
    return lines;
}

MonthAfflictionReading afflictionsOf(const MonthStars &m)
{
    return {yearAfflictions(m.solar.starYear, m.annual),
            monthAfflictions(monthBranch(m.month.month), m.monthly)};
}

QString mountainPlace(int mountain)
{
    return ReadingReport::tr("%1 (%2)").arg(mountainName(mountain),
                                            palaceName(palaceOfMountain(mountain)));
}

QString threeKillingsPlace(const std::array<int, 3> &mountains)
{
    QString names;
    for (int m : mountains)
        names += mountainName(m);
    return ReadingReport::tr("%1 (%2)").arg(names, palaceName(palaceOfMountain(mountains[1])));
}

QString yearAfflictionLine(const YearAfflictions &y)
{
    return ReadingReport::tr("太岁 (Grand Duke) %1; 岁破 (Year Breaker) %2; 三煞 (Three "
                             "Killings) %3.")
        .arg(mountainPlace(y.grandDuke), mountainPlace(y.yearBreaker),
             threeKillingsPlace(y.threeKillings));
}

QString monthAfflictionLine(const MonthAfflictions &m)
{
    return ReadingReport::tr("月破 (Month Breaker) %1; 三煞 (Three Killings) %2.")
        .arg(mountainPlace(m.monthBreaker), threeKillingsPlace(m.threeKillings));
}

QString afflictionTag(int palace, int fiveYellow, int twoBlack)
{
    if (palace == fiveYellow)
        return ReadingReport::tr("五黄");
    return palace == twoBlack ? ReadingReport::tr("二黑") : QString();
}

QString yearAfflictionsLine(const YearAfflictions &y)
{
    return ReadingReport::tr("Year afflictions, %1 year: %2; %3")
        .arg(utf8(Branches[y.branch]), fiveAndTwo(y.fiveYellow, y.twoBlack), yearAfflictionLine(y));
}

QString monthAfflictionsLine(const MonthAfflictions &m)
{
    return ReadingReport::tr("Month afflictions, %1 month: %2; %3")
        .arg(utf8(Branches[m.branch]), fiveAndTwo(m.fiveYellow, m.twoBlack),
             monthAfflictionLine(m));
}

std::chrono::sys_days systemLocalDate(std::chrono::sys_seconds instant)
{
    return sysDays(QDateTime::fromSecsSinceEpoch(instant.time_since_epoch().count()).date());
}

DayStarsReading readDayStars(const QDate &date, const std::optional<QTime> &time)
{
    DayStarsReading day;
    day.date = date;
    day.time = time;
    day.daily = dailyStar(sysDays(date), systemLocalDate);
    day.dailyStars = flyStars(day.daily.centre, true);
    if (time) {
        day.hourly = hourlyStar(sysDays(date), time->hour(), time->minute(), systemLocalDate);
        day.hourlyStars = flyStars(day.hourly->centre, true);
    }
    return day;
}

QString dayName(int cycle)
{
    return utf8(Stems[cycle % 10]) + utf8(Branches[cycle % 12]);
}

QString dunWords(Dun dun)
{
    return dun == Dun::Yang ? ReadingReport::tr("阳遁 (yang)") : ReadingReport::tr("阴遁 (yin)");
}

QString dailyLine(const DayStarsReading &d)
{
    return ReadingReport::tr("%1 day, %2, centre %3")
        .arg(dayName(d.daily.cycle), dunWords(d.daily.dun))
        .arg(d.daily.centre);
}

QString hourlyLine(const DayStarsReading &d)
{
    if (!d.hourly)
        return {};
    const int start = (d.hourly->branch * 2 + 23) % 24;
    const QString hours = QStringLiteral("%1:00–%2:59")
                              .arg(start, 2, 10, QLatin1Char('0'))
                              .arg((start + 1) % 24, 2, 10, QLatin1Char('0'));
    return ReadingReport::tr("%1 hour (%2), %3, centre %4")
        .arg(utf8(Branches[d.hourly->branch]), hours, dunWords(d.hourly->dun))
        .arg(d.hourly->centre);
}

QString readingsText(const ChartReading &r)
{
    QString out;
    QTextStream s(&out);
    s << '\n';
    for (const ChartReadingLines &chart : readingLines(r))
        writeChartReadings(s, chart);
    if (r.month) {
        const MonthAfflictionReading a = afflictionsOf(*r.month);
        s << yearAfflictionsLine(a.year) << '\n' << monthAfflictionsLine(a.month) << '\n';
    }
    s << palacesText(r);
    return out;
}

QString dayStarsText(const DayStarsReading &d)
{
    QString out;
    QTextStream s(&out);
    s << '\n'
      << ReadingReport::tr("Daily stars %1: %2").arg(d.date.toString(Qt::ISODate), dailyLine(d))
      << '\n';
    s << starGridText(d.dailyStars);
    if (d.hourly) {
        s << ReadingReport::tr("Hourly stars %1: %2")
                 .arg(d.time->toString(QStringLiteral("HH:mm")), hourlyLine(d))
          << '\n';
        s << starGridText(d.hourlyStars);
    }
    return out;
}

void addReadingsJson(QJsonObject &chart, const ChartReading &r)
{
    chart.insert("readings", readingsJson(standardReadings(r)));
    QJsonObject replacement = chart.value("replacement").toObject();
    const std::optional<ChartReadings> readings = replacementReadings(r);
    replacement.insert("readings", readings ? QJsonValue(readingsJson(*readings)) : QJsonValue());
    chart.insert("replacement", replacement);
    if (r.month)
        chart.insert("afflictions", afflictionsJson(afflictionsOf(*r.month)));
    addPalacesJson(chart, r);
}

void addDayStarsJson(QJsonObject &chart, const DayStarsReading &d)
{
    chart.insert("daily", dailyJson(d));
    if (d.hourly)
        chart.insert("hourly", hourlyJson(d));
    QJsonArray palaces = chart.value("palaces").toArray();
    for (int p = 0; p < palaces.size(); ++p) {
        QJsonObject palace = palaces[p].toObject();
        palace.insert("daily", d.dailyStars[p]);
        if (d.hourly)
            palace.insert("hourly", d.hourlyStars[p]);
        palaces[p] = palace;
    }
    chart.insert("palaces", palaces);
}

QJsonObject readingsJson(const ChartReadings &f)
{
    QJsonArray gates;
    for (const CastleGate &gate : f.castleGates)
        gates.append(QJsonObject{
            {"palace", PalaceDirections[gate.palace]},
            {"mountain", mountainName(gate.mountain)},
            {"main", gate.main},
            {"periodStar", gate.periodStar},
            {"usable", gate.usable ? QJsonValue(*gate.usable) : QJsonValue()},
        });
    QJsonValue string;
    if (f.string)
        string = *f.string == StringKind::Parent ? "parent" : "pearl";
    QJsonValue robbery;
    if (f.robbery)
        robbery = QJsonObject{{"kind", f.robbery->kind == RobberyKind::Li ? "li" : "kan"},
                              {"usable", f.robbery->usable}};
    return {
        {"sumOfTen", platesJson(f.sumOfTen)}, {"string", string},   {"fuYin", platesJson(f.fuYin)},
        {"fanYin", platesJson(f.fanYin)},     {"robbery", robbery}, {"castleGates", gates}};
}

QJsonObject afflictionsJson(const MonthAfflictionReading &a)
{
    const YearAfflictions &y = a.year;
    const MonthAfflictions &m = a.month;
    return {{"year", QJsonObject{{"branch", utf8(Branches[y.branch])},
                                 {"grandDuke", mountainName(y.grandDuke)},
                                 {"yearBreaker", mountainName(y.yearBreaker)},
                                 {"threeKillings", mountainsJson(y.threeKillings)},
                                 {"fiveYellow", PalaceDirections[y.fiveYellow]},
                                 {"twoBlack", PalaceDirections[y.twoBlack]}}},
            {"month", QJsonObject{{"branch", utf8(Branches[m.branch])},
                                  {"monthBreaker", mountainName(m.monthBreaker)},
                                  {"threeKillings", mountainsJson(m.threeKillings)},
                                  {"fiveYellow", PalaceDirections[m.fiveYellow]},
                                  {"twoBlack", PalaceDirections[m.twoBlack]}}}};
}

QJsonObject dailyJson(const DayStarsReading &d)
{
    return {{"date", d.date.toString(Qt::ISODate)},
            {"day", dayName(d.daily.cycle)},
            {"dun", dunJson(d.daily.dun)},
            {"centre", d.daily.centre}};
}

QJsonObject hourlyJson(const DayStarsReading &d)
{
    if (!d.hourly)
        return {};
    return {{"time", d.time->toString(QStringLiteral("HH:mm"))},
            {"branch", utf8(Branches[d.hourly->branch])},
            {"dun", dunJson(d.hourly->dun)},
            {"centre", d.hourly->centre}};
}

} // namespace orrindel::report
