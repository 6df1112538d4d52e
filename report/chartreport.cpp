#include "chartreport.h"

#include "engine/numerictext.h"
#include "phrases.h"
#include "readingreport.h"
#include "terms.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QJsonArray>
#include <QTextStream>
#include <QTimeZone>

namespace orrindel::report {

namespace {

// The context translators find these strings under.
struct ChartReport
{
    Q_DECLARE_TR_FUNCTIONS(ChartReport)
};

QString utf8(const char *text)
{
    return QString::fromUtf8(text);
}

// East Asian wide and full-width characters (Unicode's W and F), as terminals draw them.
bool isWide(char32_t c)
{
    return (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0x303E) ||
           (c >= 0x3041 && c <= 0x33FF) || (c >= 0x3400 && c <= 0x4DBF) ||
           (c >= 0x4E00 && c <= 0x9FFF) || (c >= 0xA000 && c <= 0xA4CF) ||
           (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF) ||
           (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60) ||
           (c >= 0xFFE0 && c <= 0xFFE6) || (c >= 0x20000 && c <= 0x3FFFD);
}

// Columns a text takes in a terminal: CJK characters and full-width forms take two.
int displayWidth(const QString &text)
{
    int width = 0;
    for (const char32_t c : text.toUcs4())
        width += isWide(c) ? 2 : 1;
    return width;
}

// The text padded with spaces to a display width: on the right, or centred.
QString padded(const QString &text, int width)
{
    return text + QString(std::max(0, width - displayWidth(text)), QLatin1Char(' '));
}

QString centred(const QString &text, int width)
{
    const int left = std::max(0, width - displayWidth(text)) / 2;
    return padded(QString(left, QLatin1Char(' ')) + text, width);
}

QString mountainCode(int mountain)
{
    return QString::fromStdString(orrindel::mountainCode(mountain));
}

QString utcTime(std::chrono::sys_seconds instant)
{
    return QDateTime::fromSecsSinceEpoch(instant.time_since_epoch().count(), QTimeZone::utc())
        .toString(QStringLiteral("yyyy-MM-dd'T'HH:mm:ss'Z'"));
}

// The JSON's words for the way a plate flies.
QString directionName(StarDirection direction)
{
    return direction == StarDirection::Forward ? QStringLiteral("Forward")
                                               : QStringLiteral("Reverse");
}

// The plates of one grid: the standard chart's, or the replacement's with the same time stars.
struct Grid
{
    const Stars &mountain;
    const Stars &facing;
    const Stars &time;
    int greyPalace;
    const Stars *annual;
};

// The grid as the window shows it: south at the top, east on the left; in each square the
// mountain star top left, the facing star top right, the time star below and the annual
// star in the bottom-left corner. The sitting palace is marked.
void writeGrid(QTextStream &s, const Grid &grid)
{
    constexpr int width = 11;
    const QString rule = QStringLiteral("   +") + QString(width, '-') + '+' + QString(width, '-') +
                         '+' + QString(width, '-') + "+\n";
    // The compass codes of the top and bottom rows, and of the middle row's sides; padded
    // by the columns they take, as Chinese characters take two.
    const auto codes = [](const std::array<int, 3> &row) {
        QString line(8, ' ');
        for (const int p : row)
            line += padded(compassCode(p), 12);
        return line.trimmed().prepend(QString(8, ' ')) + '\n';
    };
    const QString east = padded(' ' + compassCode(East), 3);
    const QString west = ' ' + compassCode(West);
    const QString sides[3][2] = {{"   ", ""}, {east, west}, {"   ", ""}};
    s << codes(GridPalaces[0]) << rule;
    for (int row = 0; row < 3; ++row) {
        QString lines[4];
        for (int column = 0; column < 3; ++column) {
            const int p = GridPalaces[row][column];
            lines[0] +=
                '|' + QStringLiteral(" %1       %2 ").arg(grid.mountain[p]).arg(grid.facing[p]);
            lines[1] += '|' + centred(QString::number(grid.time[p]), width);
            lines[2] +=
                '|' + centred(p == grid.greyPalace ? ChartReport::tr("sitting") : QString(), width);
            const QString annual =
                grid.annual ? QStringLiteral("[%1]").arg((*grid.annual)[p]) : QString();
            lines[3] += '|' + annual + QString(width - int(annual.size()), ' ');
        }
        for (int line = 0; line < 4; ++line)
            s << (line == 1 ? sides[row][0] : sides[0][0]) << lines[line] << '|'
              << (line == 1 ? sides[row][1] : QString()) << '\n';
        s << rule;
    }
    s << codes(GridPalaces[2]);
}

void writeMonthly(QTextStream &s, const MonthStars &m)
{
    s << ChartReport::tr("Monthly stars %1: %2, centre %3")
             .arg(monthPhrase(m.month), solarMonthPhrase(m.solar), QString::number(m.monthly[0]))
      << '\n';
    s << "  " << ChartReport::tr("from %1").arg(localTime(m.solar.start)) << '\n';
    s << "  " << ChartReport::tr("to   %1").arg(localTime(m.solar.end)) << '\n';
    s << starGridText(m.monthly);
}

QJsonObject mountainJson(int mountain, double offset)
{
    const Mountain &m = Mountains[mountain];
    return {{"code", mountainCode(mountain)},
            {"name", utf8(m.name)},
            {"pinyin", utf8(m.pinyin)},
            {"centre", mountainCentre(mountain)},
            {"offset", offset}};
}

} // namespace

QString localTime(std::chrono::sys_seconds instant)
{
    // To the nearest minute, as almanacs give it.
    const auto minute =
        std::chrono::floor<std::chrono::minutes>(instant + std::chrono::seconds(30));
    const QDateTime local = QDateTime::fromSecsSinceEpoch(
        std::chrono::sys_seconds(minute).time_since_epoch().count(), QTimeZone::systemTimeZone());
    const int offset = local.offsetFromUtc();
    const QString utcOffset = QStringLiteral("UTC%1%2:%3")
                                  .arg(offset < 0 ? '-' : '+')
                                  .arg(std::abs(offset) / 3600, 2, 10, QChar('0'))
                                  .arg(std::abs(offset) % 3600 / 60, 2, 10, QChar('0'));
    const QString abbreviation = local.timeZoneAbbreviation();
    const QString time = local.toString(QStringLiteral("yyyy-MM-dd HH:mm"));
    // Zones without a name of their own abbreviate to their offset ("+08", "UTC+08:00").
    if (abbreviation.isEmpty() || abbreviation.startsWith('+') || abbreviation.startsWith('-') ||
        abbreviation.startsWith(QStringLiteral("UTC")) ||
        abbreviation.startsWith(QStringLiteral("GMT")))
        return time + ' ' + (offset == 0 ? QStringLiteral("UTC") : utcOffset);
    return time + ' ' + abbreviation + QStringLiteral(" (") + utcOffset + ')';
}

ChartReading readChart(const ChartRequest &request)
{
    ChartReading r;
    r.request = request;
    Calc calc;
    calc.setYear(std::int16_t(request.year));
    calc.setDegrees(textToSingle(request.facingText.toStdString()));
    r.chart = buildChart(calc);
    // A standard chart always has one of the four.
    r.formation = formationOf(r.chart).value_or(Formation::DoubleSitting);
    r.mountains = readMountains(calc);
    r.lean = readLean(r.mountains, request.tolerance);
    r.replacement = replacementChart(r.chart, r.mountains);
    if (request.annual) {
        const MonthOfYear m = *request.annual;
        r.month = MonthStars{m, annualStars(std::int16_t(m.year), std::int16_t(m.month)),
                             solarMonth(m.year, m.month), monthlyStars(m.year, m.month)};
    }
    return r;
}

QString starGridText(const Stars &stars)
{
    int codeWidth = 0;
    for (int p = 0; p < PalaceCount; ++p)
        codeWidth = std::max(codeWidth, displayWidth(compassCode(p)));
    QString out;
    for (const auto &row : GridPalaces) {
        QStringList cells;
        for (const int p : row)
            cells << padded(compassCode(p), codeWidth) + ' ' + QString::number(stars[p]);
        out += QStringLiteral("  ") + cells.join(QStringLiteral("   ")) + '\n';
    }
    return out;
}

QString chartText(const ChartReading &r)
{
    const BuildingChart &c = r.chart;
    const Stars *annual = r.month ? &r.month->annual : nullptr;
    const QString facingMountain = mountainCode(r.mountains.facing);
    const QString sittingMountain = mountainCode(r.mountains.sitting);
    QString out;
    QTextStream s(&out);
    writeGrid(s, {c.mountain, c.facing, c.time, c.greyPalace, annual});
    s << '\n';
    s << ChartReport::tr("Year %1, facing %2: period %3")
             .arg(r.request.year)
             .arg(r.request.facingText)
             .arg(c.period)
      << '\n';
    s << ChartReport::tr("Facing:  %1 (palace %2), mountain %3, facing stars %4")
             .arg(palaceName(c.facingPalace))
             .arg(c.facingPalace)
             .arg(facingMountain, flightWords(c.facingDirection))
      << '\n';
    s << ChartReport::tr("Sitting: %1 (palace %2), mountain %3, mountain stars %4")
             .arg(palaceName(c.sittingPalace))
             .arg(c.sittingPalace)
             .arg(sittingMountain, flightWords(c.mountainDirection))
      << '\n';
    s << ChartReport::tr("Formation: %1").arg(formationPhrase(r.formation)) << '\n';
    if (r.month)
        s << ChartReport::tr("Annual stars %1: centre %2")
                 .arg(monthPhrase(r.month->month))
                 .arg(r.month->annual[0])
          << '\n';

    s << ChartReport::tr("Mountains: %1, offset %2")
             .arg(mountainsPhrase(r.mountains), offsetPhrase(r.mountains))
      << '\n';
    s << ChartReport::tr("Lean: %1").arg(leanPhrase(r)) << '\n';
    if (r.lean.voidLine != VoidLine::None)
        s << ChartReport::tr("Void: %1").arg(voidPhrase(r)) << '\n';
    if (replacementShown(r)) {
        s << '\n'
          << ChartReport::tr("%1: formation %2")
                 .arg(replacementTitle(), formationPhrase(r.replacement.formation));
        if (r.replacement.sameAsStandard)
            s << ChartReport::tr(", the same as the standard chart");
        s << '\n';
        writeGrid(s, {r.replacement.mountain, r.replacement.facing, c.time, c.greyPalace, nullptr});
    }
    if (r.month) {
        s << '\n';
        writeMonthly(s, *r.month);
    }
    return out;
}

QJsonObject chartJson(const ChartReading &r)
{
    const BuildingChart &c = r.chart;
    QJsonArray palaces;
    QJsonArray replacementPalaces;
    for (int i = 0; i < PalaceCount; ++i) {
        QJsonObject palace{
            {"index", i},
            {"direction", PalaceDirections[i]},
            {"time", c.time[i]},
            {"facing", c.facing[i]},
            {"mountain", c.mountain[i]},
            {"grey", i == c.greyPalace},
        };
        if (r.month) {
            palace.insert("annual", r.month->annual[i]);
            palace.insert("monthly", r.month->monthly[i]);
        }
        palaces.append(palace);
        replacementPalaces.append(QJsonObject{{"index", i},
                                              {"mountain", r.replacement.mountain[i]},
                                              {"facing", r.replacement.facing[i]}});
    }
    const auto name = [](int mountain) { return utf8(Mountains[mountain].name); };
    const auto optionalFormation = [](const std::optional<Formation> &f) {
        return f ? QJsonValue(QString::fromLatin1(formationName(*f))) : QJsonValue();
    };
    QJsonObject object{
        {"year", r.request.year},
        {"facing", r.request.facingText},
        {"period", c.period},
        {"subDirection", r.mountains.facing % 3 + 1}, // the facing mountain's third
        {"facingPalace", c.facingPalace},
        {"sittingPalace", c.sittingPalace},
        {"facingMountain", mountainCode(r.mountains.facing)},
        {"sittingMountain", mountainCode(r.mountains.sitting)},
        {"facingStarDirection", directionName(c.facingDirection)},
        {"mountainStarDirection", directionName(c.mountainDirection)},
        {"formation", QString::fromLatin1(formationName(r.formation))},
        {"palaces", palaces},
        {"mountains",
         QJsonObject{{"facing", mountainJson(r.mountains.facing, r.mountains.offset)},
                     {"sitting", mountainJson(r.mountains.sitting, r.mountains.offset)}}},
        {"lean", r.lean.lean == Lean::Leaning ? "leaning" : "standard"},
        {"leanToward", r.lean.facingToward
                           ? QJsonValue(QJsonObject{{"facing", name(*r.lean.facingToward)},
                                                    {"sitting", name(*r.lean.sittingToward)}})
                           : QJsonValue()},
        {"void", r.lean.voidLine == VoidLine::None
                     ? QJsonValue()
                     : QJsonValue(r.lean.voidLine == VoidLine::Major ? "major" : "minor")},
        {"replacement", QJsonObject{{"applies", replacementApplies(r)},
                                    {"sameAsStandard", r.replacement.sameAsStandard},
                                    {"formation", optionalFormation(r.replacement.formation)},
                                    {"palaces", replacementPalaces}}},
    };
    if (r.month) {
        const MonthStars &m = *r.month;
        object.insert(
            "annual",
            QJsonObject{{"month", m.month.month}, {"year", m.month.year}, {"centre", m.annual[0]}});
        object.insert("monthly", QJsonObject{{"branch", utf8(m.solar.branch)},
                                             {"term", utf8(m.solar.term)},
                                             {"start", utcTime(m.solar.start)},
                                             {"end", utcTime(m.solar.end)},
                                             {"centre", m.monthly[0]}});
    }
    return object;
}

} // namespace orrindel::report
