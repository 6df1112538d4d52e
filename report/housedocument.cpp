#include "housedocument.h"

#include "engine/numerictext.h"
#include "engine/validation.h"
#include "phrases.h"
#include "readingreport.h"
#include "store/storeerror.h"
#include "terms.h"

#include <QCoreApplication>

namespace orrindel {

// The context translators find the report's strings under.
class HouseReport
{
    Q_DECLARE_TR_FUNCTIONS(orrindel::HouseReport)
};

namespace report {

namespace {

// A one-line field cut short where a page could not hold it.
QString clipped(const QString &text)
{
    constexpr qsizetype Longest = 300;
    return text.size() <= Longest ? text : text.left(Longest) + QChar(0x2026);
}

// The formations and castle gates of each chart shown, a line each; the replacement chart's
// named as such.
QStringList readingParagraphs(const ChartReading &r)
{
    QStringList lines;
    for (const ChartReadingLines &chart : readingLines(r))
        for (const QString &line : chart.formations + chart.castleGates)
            lines << (chart.replacement ? HouseReport::tr("%1: %2").arg(replacementTitle(), line)
                                        : line);
    return lines;
}

// The standard and replacement grids; then, a section of their own, the stars of the month.
std::vector<Section> starsSections(const ChartReading &r)
{
    Section charts{HouseReport::tr("The stars"), {}, {}, {}, {}, {}, {}};
    charts.grids.push_back({HouseReport::tr("Standard chart (下卦)"),
                            r.chart.greyPalace,
                            {{ChartArray::Mountain, r.chart.mountain},
                             {ChartArray::Facing, r.chart.facing},
                             {ChartArray::Time, r.chart.time}}});
    if (replacementShown(r))
        charts.grids.push_back({HouseReport::tr("Replacement chart (替卦)"),
                                r.chart.greyPalace,
                                {{ChartArray::Mountain, r.replacement.mountain},
                                 {ChartArray::Facing, r.replacement.facing},
                                 {ChartArray::Time, r.chart.time}}});
    charts.note = HouseReport::tr("South is at the top of every grid. In each square of a chart "
                                  "the mountain star is on the left, the facing star on the right "
                                  "and the time star below; the shaded square is the sitting "
                                  "palace.");
    const MonthStars &m = *r.month;
    const QString month =
        QStringLiteral("%1/%2").arg(m.month.month, 2, 10, QLatin1Char('0')).arg(m.month.year);
    Section months{{}, {}, {}, {}, {}, {}, {}};
    months.grids.push_back(
        {HouseReport::tr("Annual stars, %1").arg(month), -1, {{ChartArray::Palace, m.annual}}});
    months.grids.push_back(
        {HouseReport::tr("Monthly stars, solar month %1 (%2)")
             .arg(QString::fromUtf8(m.solar.branch), solarTermName(m.solar.term)),
         -1,
         {{ChartArray::Palace, m.monthly}}});
    months.note = HouseReport::tr("Solar month %1 runs from %2 to %3.")
                      .arg(QString::fromUtf8(m.solar.branch), localTime(m.solar.start),
                           localTime(m.solar.end));
    return {charts, months};
}

} // namespace

ChartReading readHouse(const store::House &house, const MonthOfYear &month)
{
    if (!isValidYearText(house.year.toStdString()) ||
        !isValidBearingText(house.facing.toStdString()))
        throw store::StoreError(store::StoreError::Kind::Invalid,
                                HouseReport::tr("The house's year %1 or bearing %2 gives no chart.")
                                    .arg(house.year, house.facing));
    ChartRequest request;
    request.year = textToInteger(house.year.toStdString());
    request.facingText = house.facing;
    request.annual = month;
    return readChart(request);
}

Document houseDocument(const store::House &house, const ChartReading &r)
{
    const QString name = store::displayName(house);
    Document document;
    document.title = HouseReport::tr("Flying Star Report: %1").arg(name);
    document.heading = HouseReport::tr("Flying Star Report");
    // The label beside the client; alone where it is what the house is called.
    document.subtitle = clipped(house.client.isEmpty() || house.label.isEmpty()
                                    ? name
                                    : house.client + QStringLiteral(" · ") + house.label);

    document.sections.push_back(
        {HouseReport::tr("The house"),
         {{HouseReport::tr("Client:"), clipped(house.client)},
          {HouseReport::tr("Label or address:"), clipped(house.label)},
          {HouseReport::tr("Measured on:"), house.measured.toString(Qt::ISODate)},
          {HouseReport::tr("Year of construction:"), house.year},
          {HouseReport::tr("Facing degree:"), house.facing},
          {HouseReport::tr("Mountains:"), mountainsPhrase(r.mountains)}},
         {},
         {},
         {},
         {},
         {}});
    // What the practitioner noted belongs with the house; long notes push the chart on.
    if (!house.notes.isEmpty())
        document.sections.push_back({HouseReport::tr("Notes"), {}, {house.notes}, {}, {}, {}, {}});

    Section chart{HouseReport::tr("The chart"),
                  {{HouseReport::tr("Period:"), QString::number(r.chart.period)},
                   {HouseReport::tr("Formation:"), formationPhrase(r.formation)},
                   {HouseReport::tr("Lean:"), leanPhrase(r)}},
                  {},
                  {},
                  {},
                  {},
                  {}};
    if (replacementShown(r))
        chart.facts.push_back(
            {HouseReport::tr("Replacement formation:"), formationPhrase(r.replacement.formation)});
    document.sections.push_back(chart);
    if (const QStringList readings = readingParagraphs(r); !readings.isEmpty())
        document.sections.push_back({HouseReport::tr("Readings"), {}, readings, {}, {}, {}, {}});
    for (const Section &section : starsSections(r))
        document.sections.push_back(section);
    return document;
}

} // namespace report

} // namespace orrindel
