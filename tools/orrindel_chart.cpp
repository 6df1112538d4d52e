#include "orrindel_chart.h"

#include "engine/numerictext.h"
#include "engine/validation.h"
#include "orrindel/version.h"
#include "report/chartreport.h"
#include "report/readingreport.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QTextStream>

#include <optional>
#include <variant>

using namespace orrindel;
using namespace orrindel::report;

namespace {

constexpr int BadInput = 2;
const QLatin1StringView ChartToolVersion(ORRINDEL_VERSION_STRING);

// The context translators find these strings under.
struct ChartTool
{
    Q_DECLARE_TR_FUNCTIONS(ChartTool)
};

std::optional<MonthOfYear> parseAnnual(const QString &text)
{
    static const QRegularExpression shape(QStringLiteral("^(\\d{1,2})/(\\d{4})$"));
    const auto match = shape.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const int month = match.captured(1).toInt();
    const int year = match.captured(2).toInt();
    if (month < 1 || month > 12 || year < 1000)
        return std::nullopt;
    return MonthOfYear{month, year};
}

// Degrees from a boundary, 0 to 7.5, written as a bearing is.
std::optional<double> parseTolerance(const QString &text)
{
    const std::string digits = text.toStdString();
    if (!isNumericText(digits))
        return std::nullopt;
    const double tolerance = textToDouble(digits);
    if (tolerance < 0.0 || tolerance > MountainHalfWidth)
        return std::nullopt;
    return tolerance;
}

// The local moment --date gives: YYYY-MM-DD, or YYYY-MM-DDTHH:MM for the hourly stars too.
struct Moment
{
    QDate date;
    std::optional<QTime> time;
};
std::variant<Moment, QString> parseDate(const QString &text)
{
    static const QRegularExpression shape(
        QStringLiteral("^(\\d{1,9})-(\\d\\d)-(\\d\\d)(?:T(\\d\\d):(\\d\\d))?$"));
    const auto match = shape.match(text);
    if (!match.hasMatch())
        return ChartTool::tr("--date %1: give the date as YYYY-MM-DD or YYYY-MM-DDTHH:MM.")
            .arg(text);
    const int year = match.captured(1).toInt();
    if (year < 1000 || year > 9999)
        return ChartTool::tr("--date %1: the year must be from 1000 to 9999.").arg(text);
    Moment moment{QDate(year, match.captured(2).toInt(), match.captured(3).toInt()), {}};
    if (match.hasCaptured(4))
        moment.time = QTime(match.captured(4).toInt(), match.captured(5).toInt());
    if (!moment.date.isValid() || (moment.time && !moment.time->isValid()))
        return ChartTool::tr("--date %1: there is no such day or time.").arg(text);
    return moment;
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
        ChartTool::tr("Prints the Xuan Kong flying star chart of a building."));
    const QCommandLineOption helpOption = parser.addHelpOption();
    const QCommandLineOption versionOption = parser.addVersionOption();
    const QCommandLineOption yearOption(QStringLiteral("year"),
                                        ChartTool::tr("Year of construction, 65 to 9999."),
                                        QStringLiteral("YEAR"));
    const QCommandLineOption facingOption(
        QStringLiteral("facing"), ChartTool::tr("Facing bearing in degrees, 0 to below 360."),
        QStringLiteral("DEGREES"));
    const QCommandLineOption annualOption(
        QStringLiteral("annual"),
        ChartTool::tr("Annual and monthly stars of month MM/YYYY (01..12, 1000..9999)."),
        QStringLiteral("MM/YYYY"));
    const QCommandLineOption replacementOption(
        QStringLiteral("replacement"),
        ChartTool::tr("Print the replacement chart even when the bearing does not lean."));
    const QCommandLineOption toleranceOption(
        QStringLiteral("tolerance"),
        ChartTool::tr(
            "Warn of the void line within DEGREES of a boundary, 0 to 7.5 (default 0.5)."),
        QStringLiteral("DEGREES"));
    const QCommandLineOption dateOption(
        QStringLiteral("date"),
        ChartTool::tr("Daily stars of a local date, and hourly stars with a time "
                      "(YYYY-MM-DD or YYYY-MM-DDTHH:MM)."),
        QStringLiteral("DATE"));
    const QCommandLineOption jsonOption(QStringLiteral("json"), ChartTool::tr("Print JSON."));
    parser.addOptions({yearOption, facingOption, annualOption, replacementOption, toleranceOption,
                       dateOption, jsonOption});

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
        return fail(ChartTool::tr("unexpected argument: ") + parser.positionalArguments().first());
    if (!parser.isSet(yearOption))
        return fail(ChartTool::tr("--year is required"));
    if (!parser.isSet(facingOption))
        return fail(ChartTool::tr("--facing is required"));

    const QString yearText = parser.value(yearOption);
    const QString facingText = parser.value(facingOption);
    if (yearText.size() > YearTextMaxLength || !isValidYearText(yearText.toStdString()))
        return fail(
            ChartTool::tr("--year %1: Construction years may only be in the range 65 to 9999.")
                .arg(yearText));
    if (!isValidBearingText(facingText.toStdString()))
        return fail(ChartTool::tr("--facing %1: Degrees may only be in the range 0 to below 360, "
                                  "written with digits and at most one decimal point.")
                        .arg(facingText));

    ChartRequest request;
    request.year = textToInteger(yearText.toStdString());
    request.facingText = facingText;
    request.showReplacement = parser.isSet(replacementOption);
    if (parser.isSet(annualOption)) {
        request.annual = parseAnnual(parser.value(annualOption));
        if (!request.annual)
            return fail(
                ChartTool::tr("--annual %1: give the month and year as MM/YYYY, month 01 to 12, "
                              "year 1000 to 9999.")
                    .arg(parser.value(annualOption)));
    }
    if (parser.isSet(toleranceOption)) {
        const std::optional<double> tolerance = parseTolerance(parser.value(toleranceOption));
        if (!tolerance)
            return fail(
                ChartTool::tr("--tolerance %1: give degrees from 0 to 7.5, written with digits and "
                              "at most one decimal point.")
                    .arg(parser.value(toleranceOption)));
        request.tolerance = *tolerance;
    }

    std::optional<Moment> moment;
    if (parser.isSet(dateOption)) {
        auto parsed = parseDate(parser.value(dateOption));
        if (const QString *error = std::get_if<QString>(&parsed))
            return fail(*error);
        moment = std::get<Moment>(parsed);
    }

    const ChartReading reading = readChart(request);
    const std::optional<DayStarsReading> day =
        moment ? std::optional(readDayStars(moment->date, moment->time)) : std::nullopt;
    if (parser.isSet(jsonOption)) {
        QJsonObject json = chartJson(reading);
        addReadingsJson(json, reading);
        if (day)
            addDayStarsJson(json, *day);
        out << QJsonDocument(json).toJson(QJsonDocument::Indented);
    } else {
        out << chartText(reading) << readingsText(reading);
        if (day)
            out << dayStarsText(*day);
    }
    return 0;
}
