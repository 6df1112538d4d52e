// orrindel-chart: the chart of a building on the command line, for people and scripts.
// It accepts what the main window accepts, except that the bearing may be longer.

#include "orrindel_chart.h"

#include "engine/chart.h"
#include "engine/numerictext.h"
#include "engine/validation.h"
#include "orrindel/version.h"

#include <QCommandLineParser>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTextStream>

#include <algorithm>
#include <optional>

using namespace orrindel;

namespace {

constexpr int BadInput = 2;
const QLatin1StringView ChartToolVersion(ORRINDEL_VERSION_STRING);

// Compass abbreviation of each palace, also the 24-mountain prefix.
constexpr const char *PalaceCodes[PalaceCount] = {"", "NW", "W", "NE", "S", "N", "SW", "E", "SE"};

struct Annual
{
    int month;
    int year;
    Stars stars;
};

struct Reading
{
    int year;
    QString facingText;
    int subDirection;
    BuildingChart chart;
    std::optional<Annual> annual;

    QString facingMountain() const
    {
        return QString::fromLatin1(PalaceCodes[chart.facingPalace]) + QString::number(subDirection);
    }
    // The sitting mountain lies in the opposite sector, in the same third.
    QString sittingMountain() const
    {
        return QString::fromLatin1(PalaceCodes[chart.sittingPalace]) +
               QString::number(subDirection);
    }
    // Where the period star lands in the mountain and facing plates.
    QString formation() const
    {
        const auto where = [this](const Stars &plate) {
            return int(std::find(plate.begin(), plate.end(), chart.period) - plate.begin());
        };
        const int mountain = where(chart.mountain);
        const int facing = where(chart.facing);
        if (mountain == chart.sittingPalace && facing == chart.facingPalace)
            return QStringLiteral("wang-shan-wang-shui");
        if (mountain == chart.facingPalace && facing == chart.sittingPalace)
            return QStringLiteral("shang-shan-xia-shui");
        if (mountain == chart.facingPalace && facing == chart.facingPalace)
            return QStringLiteral("double-facing");
        return QStringLiteral("double-sitting");
    }
};

std::optional<Annual> parseAnnual(const QString &text)
{
    static const QRegularExpression shape(QStringLiteral("^(\\d{1,2})/(\\d{4})$"));
    const auto match = shape.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const int month = match.captured(1).toInt();
    const int year = match.captured(2).toInt();
    if (month < 1 || month > 12 || year < 1000)
        return std::nullopt;
    return Annual{month, year, annualStars(std::int16_t(year), std::int16_t(month))};
}

QJsonObject toJson(const Reading &r)
{
    QJsonArray palaces;
    for (int i = 0; i < PalaceCount; ++i) {
        QJsonObject palace{
            {"index", i},
            {"direction", PalaceDirections[i]},
            {"time", r.chart.time[i]},
            {"facing", r.chart.facing[i]},
            {"mountain", r.chart.mountain[i]},
            {"grey", i == r.chart.greyPalace},
        };
        if (r.annual)
            palace.insert("annual", r.annual->stars[i]);
        palaces.append(palace);
    }
    QJsonObject object{
        {"year", r.year},
        {"facing", r.facingText},
        {"period", r.chart.period},
        {"subDirection", r.subDirection},
        {"facingPalace", r.chart.facingPalace},
        {"sittingPalace", r.chart.sittingPalace},
        {"facingMountain", r.facingMountain()},
        {"sittingMountain", r.sittingMountain()},
        {"facingStarDirection", QString::fromStdString(r.chart.facingDirection)},
        {"mountainStarDirection", QString::fromStdString(r.chart.mountainDirection)},
        {"formation", r.formation()},
        {"palaces", palaces},
    };
    if (r.annual)
        object.insert("annual", QJsonObject{{"month", r.annual->month},
                                            {"year", r.annual->year},
                                            {"centre", r.annual->stars[0]}});
    return object;
}

// The grid as the window shows it: south at the top, east on the left; in each square the
// mountain star top left, the facing star top right, the time star below and the annual
// star in the bottom-left corner. The sitting palace is marked.
QString toText(const Reading &r)
{
    constexpr int width = 11;
    const QString rule = QStringLiteral("   +") + QString(width, '-') + '+' + QString(width, '-') +
                         '+' + QString(width, '-') + "+\n";
    const auto centred = [](const QString &text) {
        const int left = (width - int(text.size())) / 2;
        return QString(left, ' ') + text + QString(width - left - int(text.size()), ' ');
    };
    QString out;
    QTextStream s(&out);
    s << "        SE          S           SW\n" << rule;
    const char *sides[3][2] = {{"   ", ""}, {" E ", " W"}, {"   ", ""}};
    for (int row = 0; row < 3; ++row) {
        QString lines[4];
        for (int column = 0; column < 3; ++column) {
            const int p = GridPalaces[row][column];
            lines[0] +=
                '|' +
                QStringLiteral(" %1       %2 ").arg(r.chart.mountain[p]).arg(r.chart.facing[p]);
            lines[1] += '|' + centred(QString::number(r.chart.time[p]));
            lines[2] +=
                '|' + centred(p == r.chart.greyPalace ? QStringLiteral("sitting") : QString());
            const QString annual =
                r.annual ? QStringLiteral("[%1]").arg(r.annual->stars[p]) : QString();
            lines[3] += '|' + annual + QString(width - int(annual.size()), ' ');
        }
        for (int line = 0; line < 4; ++line)
            s << (line == 1 ? sides[row][0] : "   ") << lines[line] << '|'
              << (line == 1 ? sides[row][1] : "") << '\n';
        s << rule;
    }
    s << "        NE          N           NW\n\n";
    s << "Year " << r.year << ", facing " << r.facingText << ": period " << r.chart.period << '\n';
    s << "Facing:  " << PalaceDirections[r.chart.facingPalace] << " (palace "
      << r.chart.facingPalace << "), mountain " << r.facingMountain() << ", facing stars "
      << QString::fromStdString(r.chart.facingDirection) << '\n';
    s << "Sitting: " << PalaceDirections[r.chart.sittingPalace] << " (palace "
      << r.chart.sittingPalace << "), mountain " << r.sittingMountain() << ", mountain stars "
      << QString::fromStdString(r.chart.mountainDirection) << '\n';
    s << "Formation: " << r.formation() << '\n';
    if (r.annual)
        s << "Annual stars "
          << QStringLiteral("%1/%2").arg(r.annual->month, 2, 10, QChar('0')).arg(r.annual->year)
          << ": centre " << r.annual->stars[0] << '\n';
    return out;
}

} // namespace

int runChart(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    const auto fail = [&err](const QString &message) {
        err << "orrindel-chart: " << message << '\n';
        err.flush();
        return BadInput;
    };

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Prints the Xuan Kong flying star chart of a building."));
    const QCommandLineOption helpOption = parser.addHelpOption();
    const QCommandLineOption versionOption = parser.addVersionOption();
    const QCommandLineOption yearOption(QStringLiteral("year"),
                                        QStringLiteral("Year of construction, 65 to 9999."),
                                        QStringLiteral("YEAR"));
    const QCommandLineOption facingOption(
        QStringLiteral("facing"), QStringLiteral("Facing bearing in degrees, 0 to below 360."),
        QStringLiteral("DEGREES"));
    const QCommandLineOption annualOption(
        QStringLiteral("annual"),
        QStringLiteral("Annual stars of month MM/YYYY (01..12, 1000..9999)."),
        QStringLiteral("MM/YYYY"));
    const QCommandLineOption jsonOption(QStringLiteral("json"), QStringLiteral("Print JSON."));
    parser.addOptions({yearOption, facingOption, annualOption, jsonOption});

    if (!parser.parse(arguments))
        return fail(parser.errorText());
    if (parser.isSet(helpOption)) {
        out << parser.helpText();
        return 0;
    }
    if (parser.isSet(versionOption)) {
        out << ChartToolVersion << '\n';
        return 0;
    }
    if (!parser.positionalArguments().isEmpty())
        return fail(QStringLiteral("unexpected argument: ") + parser.positionalArguments().first());
    if (!parser.isSet(yearOption))
        return fail(QStringLiteral("--year is required"));
    if (!parser.isSet(facingOption))
        return fail(QStringLiteral("--facing is required"));

    const QString yearText = parser.value(yearOption);
    const QString facingText = parser.value(facingOption);
    if (yearText.size() > 4 || !isValidYearText(yearText.toStdString()))
        return fail(
            QStringLiteral("--year %1: Construction years may only be in the range 65 to 9999.")
                .arg(yearText));
    if (!isValidBearingText(facingText.toStdString()))
        return fail(QStringLiteral("--facing %1: Degrees may only be in the range 0 to below 360, "
                                   "written with digits and at most one decimal point.")
                        .arg(facingText));

    Reading reading;
    if (parser.isSet(annualOption)) {
        reading.annual = parseAnnual(parser.value(annualOption));
        if (!reading.annual)
            return fail(
                QStringLiteral("--annual %1: give the month and year as MM/YYYY, month 01 to 12, "
                               "year 1000 to 9999.")
                    .arg(parser.value(annualOption)));
    }

    Calc calc;
    calc.setYear(textToInteger(yearText.toStdString()));
    calc.setDegrees(textToSingle(facingText.toStdString()));
    reading.year = calc.Year();
    reading.facingText = facingText;
    reading.subDirection = int(calc.CompassSubDirection());
    reading.chart = buildChart(calc);

    if (parser.isSet(jsonOption))
        out << QJsonDocument(toJson(reading)).toJson(QJsonDocument::Indented);
    else
        out << toText(reading);
    return 0;
}
