#include "palacereport.h"

#include "palacewords.h"
#include "readingreport.h"
#include "terms.h"

#include <QCoreApplication>
#include <QDate>
#include <QJsonArray>
#include <QTextStream>

namespace orrindel::report {

namespace {

// The context translators find these strings under.
struct PalaceReport
{
    Q_DECLARE_TR_FUNCTIONS(PalaceReport)
};

PalaceVisits visitsOf(const ChartReading &r)
{
    if (!r.month)
        return {};
    const MonthAfflictionReading afflictions = afflictionsOf(*r.month);
    return {r.month->annual, r.month->monthly, afflictions.year, afflictions.month};
}

QString codeText(std::string_view code)
{
    return QString::fromLatin1(code.data(), qsizetype(code.size()));
}

QJsonArray tagsJson(const std::vector<PairTag> &tags)
{
    QJsonArray list;
    for (const PairTag tag : tags)
        list.append(codeText(code(tag)));
    return list;
}

// The palaces of one chart merged into the JSON's list of them, by index.
QJsonArray withReadings(QJsonArray palaces, const ChartPalaces &chart)
{
    for (int p = 0; p < palaces.size() && p < PalaceCount; ++p) {
        QJsonObject palace = palaces[p].toObject();
        const QJsonObject reading = palaceJson(chart.palaces[p]);
        for (auto it = reading.begin(); it != reading.end(); ++it)
            palace.insert(it.key(), it.value());
        palaces[p] = palace;
    }
    return palaces;
}

} // namespace

int currentPeriodOf(const ChartReading &r)
{
    if (r.month)
        return currentPeriod(r.month->month.year, r.month->month.month);
    const QDate today = QDate::currentDate();
    return currentPeriod(today.year(), today.month());
}

std::vector<ChartPalaces> palaceReadings(const ChartReading &r)
{
    const int period = currentPeriodOf(r);
    const PalaceVisits visits = visitsOf(r);
    std::vector<ChartPalaces> charts{
        {false, readPalaces(r.chart.mountain, r.chart.facing, period, visits)}};
    if (replacementShown(r))
        charts.push_back(
            {true, readPalaces(r.replacement.mountain, r.replacement.facing, period, visits)});
    return charts;
}

QString palacesText(const ChartReading &r)
{
    QString out;
    QTextStream s(&out);
    for (const ChartPalaces &chart : palaceReadings(r)) {
        s << '\n'
          << (chart.replacement ? PalaceReport::tr("Replacement chart palaces:")
                                : PalaceReport::tr("Palaces:"))
          << '\n';
        for (const auto &row : GridPalaces)
            for (const int p : row)
                s << "  "
                  << PalaceReport::tr("%1: %2").arg(palaceName(p), palaceLine(chart.palaces[p]))
                  << '\n';
    }
    return out;
}

QJsonObject palaceJson(const PalaceReading &p)
{
    QJsonArray visitors;
    for (const Visitor &v : p.visitors)
        visitors.append(QJsonObject{
            {"star", v.star}, {"from", codeText(code(v.from))}, {"tags", tagsJson(v.tags)}});
    QJsonArray afflictions;
    for (const PalaceAffliction affliction : p.afflictions)
        afflictions.append(codeText(code(affliction)));
    const QJsonObject reading{
        {"mountain", p.mountain},
        {"facing", p.facing},
        {"relation", codeText(code(p.relation))},
        {"mountainState", codeText(code(p.mountainState))},
        {"facingState", codeText(code(p.facingState))},
        {"tone", codeText(code(p.tone))},
        {"tags", tagsJson(p.tags)},
        {"name", p.named ? QJsonValue(pairName(*p.named)) : QJsonValue()},
        {"text", palaceLine(p)},
    };
    return {{"reading", reading}, {"visitors", visitors}, {"afflictions", afflictions}};
}

void addPalacesJson(QJsonObject &chart, const ChartReading &r)
{
    chart.insert("currentPeriod", currentPeriodOf(r));
    for (const ChartPalaces &palaces : palaceReadings(r)) {
        if (!palaces.replacement) {
            chart.insert("palaces", withReadings(chart.value("palaces").toArray(), palaces));
        } else if (replacementApplies(r)) {
            QJsonObject replacement = chart.value("replacement").toObject();
            replacement.insert("palaces",
                               withReadings(replacement.value("palaces").toArray(), palaces));
            chart.insert("replacement", replacement);
        }
    }
}

} // namespace orrindel::report
