#include "phrases.h"

#include "terms.h"

#include "engine/validation.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace orrindel::report {

namespace {

// The context translators find these strings under.
struct Reading
{
    Q_DECLARE_TR_FUNCTIONS(Reading)
};

QString utf8(const char *text)
{
    return QString::fromUtf8(text);
}

QString name(int mountain)
{
    return utf8(Mountains[mountain].name);
}

QString degrees(double value)
{
    return QString::number(value, 'g', 8);
}

// How a side of a leaning house leans: "午兼丁".
QString leaning(int mountain, int toward)
{
    return name(mountain) + utf8("兼") + name(toward);
}

} // namespace

QString mountainsPhrase(const MountainReading &m)
{
    return Reading::tr("%1 (sitting %2, facing %3; %4/%5)")
        .arg(name(m.sitting) + utf8("山") + name(m.facing) + utf8("向"), mountainReading(m.sitting),
             mountainReading(m.facing), QString::fromStdString(mountainCode(m.sitting)),
             QString::fromStdString(mountainCode(m.facing)));
}

QString offsetPhrase(const MountainReading &m)
{
    return Reading::tr("%1 degrees from the centre of %2")
        .arg((m.offset > 0 ? QStringLiteral("+") : QString()) + degrees(m.offset), name(m.facing));
}

QString leanPhrase(const ChartReading &r)
{
    if (r.lean.lean == Lean::Standard)
        return Reading::tr("standard, within %1 degrees of the centre: the standard chart applies")
            .arg(degrees(StandardLimit));
    const MountainReading &m = r.mountains;
    return Reading::tr("leaning (兼向), %1 / %2: most schools read the replacement chart")
        .arg(leaning(m.facing, r.lean.facingToward.value_or(m.facing)),
             leaning(m.sitting, r.lean.sittingToward.value_or(m.sitting)));
}

QString voidPhrase(const ChartReading &r)
{
    const QString tolerance = degrees(r.request.tolerance);
    switch (r.lean.voidLine) {
    case VoidLine::Major:
        return Reading::tr(
                   "major (大空亡), within %1 degrees of a sector's boundary: measure again")
            .arg(tolerance);
    case VoidLine::Minor:
        return Reading::tr(
                   "minor (小空亡), within %1 degrees of a mountain's boundary: measure again")
            .arg(tolerance);
    case VoidLine::None:
        break;
    }
    return Reading::tr("none, more than %1 degrees from a boundary").arg(tolerance);
}

QString formationPhrase(const std::optional<Formation> &formation)
{
    return formation ? formationWords(*formation) : Reading::tr("none of the four");
}

QString monthPhrase(const MonthOfYear &m)
{
    return QStringLiteral("%1/%2").arg(m.month, 2, 10, QLatin1Char('0')).arg(m.year);
}

std::optional<MonthOfYear> monthOfYear(const QString &text)
{
    static const QRegularExpression shape(QStringLiteral("^(\\d{1,2})/(\\d{4})$"));
    const auto match = shape.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const int month = match.captured(1).toInt();
    const int year = match.captured(2).toInt();
    if (month < 1 || month > 12 || year < LowestAnnualYear || year > HighestAnnualYear)
        return std::nullopt;
    return MonthOfYear{month, year};
}

QString solarMonthPhrase(const SolarMonth &solar)
{
    return Reading::tr("solar month %1 (%2)").arg(utf8(solar.branch), solarTermName(solar.term));
}

QString replacementTitle()
{
    return Reading::tr("Replacement chart (替卦)");
}

} // namespace orrindel::report
