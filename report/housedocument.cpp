#include "housedocument.h"
#include "planreport.h"

#include "engine/numerictext.h"
#include "engine/validation.h"
#include "palacereport.h"
#include "palacewords.h"
#include "phrases.h"
#include "readingreport.h"
#include "store/storeerror.h"
#include "terms.h"

#include <QCoreApplication>

#include <algorithm>

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

QString monthText(const MonthOfYear &month)
{
    return QStringLiteral("%1/%2").arg(month.month, 2, 10, QLatin1Char('0')).arg(month.year);
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

// The standard and replacement grids, and the stars of the month beside them.
Section starsSection(const ChartReading &r)
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
    const MonthStars &m = *r.month;
    charts.grids.push_back({HouseReport::tr("Annual stars, %1").arg(monthText(m.month)),
                            -1,
                            {{ChartArray::Palace, m.annual}}});
    charts.grids.push_back(
        {HouseReport::tr("Monthly stars, solar month %1 (%2)")
             .arg(QString::fromUtf8(m.solar.branch), solarTermName(m.solar.term)),
         -1,
         {{ChartArray::Palace, m.monthly}}});
    charts.note = HouseReport::tr("South is at the top of every grid. In each square of a chart "
                                  "the mountain star is on the left, the facing star on the right "
                                  "and the time star below; the shaded square is the sitting "
                                  "palace.") +
                  ' ' +
                  HouseReport::tr("Solar month %1 runs from %2 to %3.")
                      .arg(QString::fromUtf8(m.solar.branch), localTime(m.solar.start),
                           localTime(m.solar.end));
    return charts;
}

bool ofTheMonth(PalaceAffliction affliction)
{
    return affliction >= PalaceAffliction::MonthBreaker;
}

// The visitor of the year or of the month, then the afflictions of the same, a line each.
QString visitsCell(const PalaceReading &p, bool monthly)
{
    QStringList lines;
    for (const Visitor &visitor : p.visitors)
        if ((visitor.from == VisitorSource::Monthly) == monthly)
            lines << visitorWords(visitor);
    for (const PalaceAffliction affliction : p.afflictions)
        if (ofTheMonth(affliction) == monthly)
            lines << afflictionName(affliction);
    return lines.join('\n');
}

QString adviceCell(const PalaceReading &p)
{
    QStringList lines;
    for (const PalaceAffliction affliction : p.afflictions) {
        QString advice = afflictionAdvice(affliction);
        if (!advice.isEmpty())
            advice[0] = advice[0].toUpper();
        lines << advice;
    }
    return lines.join('\n');
}

// The nine palaces as the grid reads, row by row from the south-east.
Table palaceTable(const ChartPalaces &chart)
{
    Table table{{0.09, 0.11, 0.26, 0.15, 0.15, 0.24},
                {HouseReport::tr("Palace"), HouseReport::tr("Stars, tone"),
                 HouseReport::tr("Reading"), HouseReport::tr("This year"),
                 HouseReport::tr("This month"), HouseReport::tr("Advice")},
                {}};
    for (const auto &row : GridPalaces)
        for (const int palace : row) {
            const PalaceReading &p = chart.palaces[palace];
            // The mountain star, then the facing star, each with its timeliness; the tone.
            const QString stars =
                HouseReport::tr("%1 %2\n%3 %4\n%5")
                    .arg(QString::number(p.mountain), stateWord(p.mountainState),
                         QString::number(p.facing), stateWord(p.facingState), toneWord(p.tone));
            table.rows.push_back({palaceName(palace), stars,
                                  pairLine(p.mountain, p.facing, readsFavourable(p)),
                                  visitsCell(p, false), visitsCell(p, true), adviceCell(p)});
        }
    return table;
}

// A table of the palaces for each chart shown, after the year's and the month's afflictions.
std::vector<Section> palaceSections(const ChartReading &r)
{
    std::vector<Section> sections;
    const QString month = monthText(r.month->month);
    for (const ChartPalaces &chart : palaceReadings(r)) {
        Section section{chart.replacement
                            ? HouseReport::tr("The palaces of the replacement chart, %1").arg(month)
                            : HouseReport::tr("The palaces, %1").arg(month),
                        {},
                        {},
                        {},
                        {},
                        {},
                        palaceTable(chart)};
        if (!chart.replacement) {
            const MonthAfflictionReading a = afflictionsOf(*r.month);
            section.paragraphs << yearAfflictionsLine(a.year) << monthAfflictionsLine(a.month);
            section.note = HouseReport::tr("Each star is read against period %1, the period of "
                                           "%2; the mountain star speaks for the people and their "
                                           "health, the facing star for money.")
                               .arg(currentPeriodOf(r))
                               .arg(month);
        }
        sections.push_back(section);
    }
    return sections;
}

// How the centre was found, as the rule asked and what it took.
QString centreWords(const PlanCentre &centre)
{
    const QString basis = centre.basis == CentreMode::Point ? HouseReport::tr("a point placed")
                          : centre.basis == CentreMode::Box
                              ? HouseReport::tr("the centre of the house's rectangle")
                              : HouseReport::tr("the outline's centroid");
    const QString words = centre.mode == CentreMode::Rectangle
                              ? HouseReport::tr("%1, by the missing-corner rule").arg(basis)
                              : basis;
    return centre.inside ? words : HouseReport::tr("%1, outside the outline").arg(words);
}

QString decimal(double value, int places)
{
    return QString::number(value, 'f', places);
}

// The wedges' table: each palace's area and share, in square metres too when the plan has a
// scale, the rooms reaching into it, and whether its grid cell is a missing corner.
Table sectorTable(const PlanInput &input, const PlanReading &plan)
{
    Table table;
    table.header = QStringList{HouseReport::tr("Palace"), HouseReport::tr("Area (px²)"),
                               HouseReport::tr("Share")};
    if (plan.metresPerPixel)
        table.header << HouseReport::tr("Area (m²)");
    table.header << HouseReport::tr("Rooms") << HouseReport::tr("Missing corner");
    // The rooms' names take what the numbers leave.
    table.widths = plan.metresPerPixel ? std::vector<double>{0.14, 0.13, 0.1, 0.12, 0.35, 0.16}
                                       : std::vector<double>{0.15, 0.15, 0.11, 0.43, 0.16};
    for (std::size_t s = 0; s < plan.sectors.size(); ++s) {
        const SectorArea &sector = plan.sectors[s];
        QStringList row{palaceName(sector.palace), decimal(sector.area, 0),
                        HouseReport::tr("%1%").arg(decimal(100 * sector.share, 1))};
        if (const std::optional<double> m2 = plan.squareMetres(sector.area))
            row << decimal(*m2, 2);
        QStringList rooms;
        for (std::size_t r = 0; r < plan.rooms.size(); ++r)
            if (plan.rooms[r].shares[s] > 0)
                rooms << QString::fromStdString(input.rooms[r].name);
        row << rooms.join(QStringLiteral(", "));
        const auto cell = std::ranges::find(plan.cells, sector.palace, &GridCell::palace);
        row << (cell != plan.cells.end() && cell->missing ? HouseReport::tr("missing")
                                                          : QString());
        table.rows.push_back(row);
    }
    return table;
}

// A floor's page: its plan under the overlay, then its sectors; a plan not yet traced, or
// traced so that it cannot be read, is shown bare with the reason.
Section floorSection(const FloorPlan &floor, const ChartReading &r)
{
    Section section{clipped(floor.floor), {}, {}, {}, {}, {}, {}};
    PlanFigure figure{floor.file, floor.page, floor.input, {}, planStars(r), false};
    try {
        figure.reading = readPlan(floor.input);
        section.facts = {{HouseReport::tr("Centre:"), centreWords(figure.reading.centre)}};
        section.table = sectorTable(floor.input, figure.reading);
    } catch (const PlanError &error) {
        section.paragraphs << QString::fromUtf8(error.what());
        figure.stars.reset();
        figure.input = {};
    }
    section.plan = figure;
    return section;
}

} // namespace

std::vector<FloorPlan> floorPlans(const store::House &house, const QList<store::Plan> &plans)
{
    std::vector<FloorPlan> floors;
    for (const store::Plan &plan : plans) {
        FloorPlan floor{plan.floor, plan.image, plan.page, {}};
        try {
            floor.input = planInput(plan.geometry, house.facing.toDouble());
        } catch (const std::exception &) {
            // Left untraced: its page says why it cannot be read.
        }
        floors.push_back(floor);
    }
    return floors;
}

PlanStars planStars(const ChartReading &r)
{
    PlanStars stars{r.chart.time, r.chart.mountain, r.chart.facing, {}, {}, {},
                    r.chart.facingPalace};
    if (r.month) {
        stars.annual = r.month->annual;
        stars.monthly = r.month->monthly;
        const int period = currentPeriod(r.month->month.year, r.month->month.month);
        std::array<Tone, PalaceCount> tones{};
        for (std::size_t p = 0; p < tones.size(); ++p)
            tones[p] = toneOf(r.chart.mountain[p], r.chart.facing[p], period);
        stars.tones = tones;
    }
    return stars;
}

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

Document houseDocument(const store::House &house, const ChartReading &r,
                       const std::vector<FloorPlan> &floors)
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
    document.sections.push_back(starsSection(r));
    for (const Section &section : palaceSections(r))
        document.sections.push_back(section);
    for (const FloorPlan &floor : floors)
        document.sections.push_back(floorSection(floor, r));
    return document;
}

} // namespace report

} // namespace orrindel
