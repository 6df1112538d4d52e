#include "orrindel_chart.h"

#include "engine/numerictext.h"
#include "engine/validation.h"
#include "orrindel/version.h"
#include "report/chartreport.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QTextStream>

#include <optional>

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
    const QCommandLineOption jsonOption(QStringLiteral("json"), ChartTool::tr("Print JSON."));
    parser.addOptions(
        {yearOption, facingOption, annualOption, replacementOption, toleranceOption, jsonOption});

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

    const ChartReading reading = readChart(request);
    if (parser.isSet(jsonOption))
        out << QJsonDocument(chartJson(reading)).toJson(QJsonDocument::Indented);
    else
        out << chartText(reading);
    return 0;
}
