#include "orrindel_chart.h"

#include "engine/numerictext.h"
#include "engine/runtimeerror.h"
#include "engine/validation.h"
#include "orrindel/version.h"
#include "report/chartreport.h"
#include "report/phrases.h"
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

QString number(double value)
{
    return QString::number(value, 'g', 8);
}

// The parser and its options; an option is a member here and a name in the constructor's list.
struct Options
{
    QCommandLineParser parser;
    QCommandLineOption help = parser.addHelpOption();
    QCommandLineOption version = parser.addVersionOption();
    QCommandLineOption year{QStringLiteral("year"),
                            ChartTool::tr("Year of construction, 65 to 9999."),
                            QStringLiteral("YEAR")};
    QCommandLineOption facing{QStringLiteral("facing"),
                              ChartTool::tr("Facing bearing in degrees, 0 to below 360."),
                              QStringLiteral("DEGREES")};
    QCommandLineOption annual{
        QStringLiteral("annual"),
        ChartTool::tr("Annual and monthly stars of month MM/YYYY (01..12, %1..%2).")
            .arg(LowestAnnualYear)
            .arg(HighestAnnualYear),
        QStringLiteral("MM/YYYY")};
    QCommandLineOption replacement{
        QStringLiteral("replacement"),
        ChartTool::tr("Print the replacement chart even when the bearing does not lean.")};
    QCommandLineOption tolerance{
        QStringLiteral("tolerance"),
        ChartTool::tr("Warn of the void line within DEGREES of a boundary, %1 to %2 (default %3).")
            .arg(number(LeastVoidTolerance), number(MostVoidTolerance),
                 number(DefaultVoidTolerance)),
        QStringLiteral("DEGREES")};
    QCommandLineOption date{QStringLiteral("date"),
                            ChartTool::tr("Daily stars of a local date, and hourly stars with a "
                                          "time (YYYY-MM-DD or YYYY-MM-DDTHH:MM)."),
                            QStringLiteral("DATE")};
    QCommandLineOption json{QStringLiteral("json"), ChartTool::tr("Print JSON.")};

    Options()
    {
        parser.setApplicationDescription(
            ChartTool::tr("Prints the Xuan Kong flying star chart of a building."));
        parser.addOptions({year, facing, annual, replacement, tolerance, date, json});
    }
};

// Degrees from a boundary, written as a bearing is.
std::optional<double> parseTolerance(const QString &text)
{
    const std::string digits = text.toStdString();
    if (!isNumericText(digits))
        return std::nullopt;
    try {
        const double tolerance = textToDouble(digits);
        if (tolerance >= LeastVoidTolerance && tolerance <= MostVoidTolerance)
            return tolerance;
    } catch (const RuntimeError &) {
        // Digits past what a double holds: out of range as much as 8 is.
    }
    return std::nullopt;
}

// The request the options ask for, or the message that refuses them.
std::variant<ChartRequest, QString> checkOptions(const Options &o)
{
    const QCommandLineParser &p = o.parser;
    if (!p.positionalArguments().isEmpty())
        return ChartTool::tr("unexpected argument: ") + p.positionalArguments().first();
    if (!p.isSet(o.year))
        return ChartTool::tr("--year is required");
    if (!p.isSet(o.facing))
        return ChartTool::tr("--facing is required");

    const QString yearText = p.value(o.year);
    const QString facingText = p.value(o.facing);
    if (yearText.size() > YearTextMaxLength || !isValidYearText(yearText.toStdString()))
        return ChartTool::tr("--year %1: Construction years may only be in the range 65 to 9999.")
            .arg(yearText);
    if (!isValidBearingText(facingText.toStdString()))
        return ChartTool::tr("--facing %1: Degrees may only be in the range 0 to below 360, "
                             "written with digits and at most one decimal point.")
            .arg(facingText);

    ChartRequest request;
    request.year = textToInteger(yearText.toStdString());
    request.facingText = facingText;
    request.showReplacement = p.isSet(o.replacement);
    if (p.isSet(o.annual)) {
        request.annual = monthOfYear(p.value(o.annual));
        if (!request.annual)
            return ChartTool::tr("--annual %1: give the month and year as MM/YYYY, month 01 to 12, "
                                 "year %2 to %3.")
                .arg(p.value(o.annual))
                .arg(LowestAnnualYear)
                .arg(HighestAnnualYear);
    }
    if (p.isSet(o.tolerance)) {
        const std::optional<double> tolerance = parseTolerance(p.value(o.tolerance));
        if (!tolerance)
            return ChartTool::tr("--tolerance %1: give degrees from %2 to %3, written with digits "
                                 "and at most one decimal point.")
                .arg(p.value(o.tolerance), number(LeastVoidTolerance), number(MostVoidTolerance));
        request.tolerance = *tolerance;
    }
    return request;
}

// The local moment --date gives: YYYY-MM-DD, or YYYY-MM-DDTHH:MM for the hourly stars too.
struct Moment
{
    QDate date;
    std::optional<QTime> time;
};

// The moment asked for, none when --date is not given, or the message that refuses it.
std::variant<std::optional<Moment>, QString> checkDate(const Options &o)
{
    if (!o.parser.isSet(o.date))
        return std::optional<Moment>();
    const QString text = o.parser.value(o.date);
    // A year too long is out of range, but padded with zeros it is not a year as written.
    static const QRegularExpression shape(
        QStringLiteral("^(\\d{1,4}|[1-9]\\d{4,8})-(\\d\\d)-(\\d\\d)(?:T(\\d\\d):(\\d\\d))?$"));
    const auto match = shape.match(text);
    if (!match.hasMatch())
        return ChartTool::tr("--date %1: give the date as YYYY-MM-DD or YYYY-MM-DDTHH:MM.")
            .arg(text);
    const int year = match.captured(1).toInt();
    if (year < LowestAnnualYear || year > HighestAnnualYear)
        return ChartTool::tr("--date %1: the year must be from %2 to %3.")
            .arg(text)
            .arg(LowestAnnualYear)
            .arg(HighestAnnualYear);
    Moment moment{QDate(year, match.captured(2).toInt(), match.captured(3).toInt()), {}};
    if (match.hasCaptured(4))
        moment.time = QTime(match.captured(4).toInt(), match.captured(5).toInt());
    if (!moment.date.isValid() || (moment.time && !moment.time->isValid()))
        return ChartTool::tr("--date %1: there is no such day or time.").arg(text);
    return std::optional(moment);
}

// The chart, its readings after it, and the stars of the moment when one is asked for.
void writeChart(const ChartRequest &request, const std::optional<Moment> &moment, bool json,
                QTextStream &out)
{
    const ChartReading reading = readChart(request);
    const std::optional<DayStarsReading> day =
        moment ? std::optional(readDayStars(moment->date, moment->time)) : std::nullopt;
    if (json) {
        QJsonObject object = chartJson(reading);
        addReadingsJson(object, reading);
        if (day)
            addDayStarsJson(object, *day);
        out << QJsonDocument(object).toJson(QJsonDocument::Indented);
        return;
    }
    out << chartText(reading) << readingsText(reading);
    if (day)
        out << dayStarsText(*day);
}

} // namespace

int runChart(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    const auto fail = [&err](const QString &message) {
        err << "orrindel-chart: " << message << '\n';
        err.flush();
        return BadInput;
    };

    Options options;
    if (!options.parser.parse(arguments))
        return fail(options.parser.errorText());
    if (options.parser.isSet(options.help)) {
        out << options.parser.helpText();
        return 0;
    }
    if (options.parser.isSet(options.version)) {
        out << ChartToolVersion << '\n';
        return 0;
    }
    const auto checked = checkOptions(options);
    if (const QString *message = std::get_if<QString>(&checked))
        return fail(*message);
    const auto moment = checkDate(options);
    if (const QString *message = std::get_if<QString>(&moment))
        return fail(*message);
    writeChart(std::get<ChartRequest>(checked), std::get<std::optional<Moment>>(moment),
               options.parser.isSet(options.json), out);
    return 0;
}
