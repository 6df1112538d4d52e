#include "chartdetails.h"

#include "engine/runtimeerror.h"
#include "engine/validation.h"
#include "report/palacewords.h"
#include "report/phrases.h"
#include "report/readingreport.h"
#include "report/terms.h"

#include <QButtonGroup>
#include <QClipboard>
#include <QDateTimeEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace orrindel {

namespace {

using report::ChartReading;

// The rows of the reading, in the order m_values holds them.
enum Row { ChartRow, MountainsRow, OffsetRow, LeanRow, VoidRow, PeriodRow, FormationRow };
struct RowText
{
    const char *name;
    const char *caption;
};
constexpr std::array<RowText, 7> Rows = {{
    {"chart", QT_TRANSLATE_NOOP("orrindel::ChartDetails", "Chart:")},
    {"mountains", QT_TRANSLATE_NOOP("orrindel::ChartDetails", "Mountains:")},
    {"offset", QT_TRANSLATE_NOOP("orrindel::ChartDetails", "Offset:")},
    {"lean", QT_TRANSLATE_NOOP("orrindel::ChartDetails", "Lean:")},
    {"void", QT_TRANSLATE_NOOP("orrindel::ChartDetails", "Void line:")},
    {"period", QT_TRANSLATE_NOOP("orrindel::ChartDetails", "Period:")},
    {"formation", QT_TRANSLATE_NOOP("orrindel::ChartDetails", "Formation:")},
}};

// A palace shown whole beside the grid, in the order m_palaceValues holds its rows.
enum PalaceRow { PalaceNameRow, RelationRow, PairRow, LineRow };
constexpr std::array<RowText, 4> PalaceRows = {{
    {"palaceName", QT_TRANSLATE_NOOP("orrindel::ChartDetails", "Palace:")},
    {"palaceRelation", QT_TRANSLATE_NOOP("orrindel::ChartDetails", "Relation:")},
    {"palacePair", QT_TRANSLATE_NOOP("orrindel::ChartDetails", "Named pair:")},
    {"palaceLine", QT_TRANSLATE_NOOP("orrindel::ChartDetails", "Reading:")},
}};

// The switch between the charts a palace reading may be of, by their index in m_palaces.
constexpr std::array<const char *, 2> ChartChoices = {
    QT_TRANSLATE_NOOP("orrindel::ChartDetails", "&Standard chart (下卦)"),
    QT_TRANSLATE_NOOP("orrindel::ChartDetails", "Replace&ment chart (替卦)"),
};

// A palace's tone as a tint behind its square, each with the text colour that reads on it;
// a mixed palace keeps the desktop's own colours.
struct ToneColours
{
    Tone tone;
    QColor background;
    QColor text;
};
const std::array<ToneColours, 2> ToneTints = {{
    {Tone::Good, QColor(0xd9, 0xef, 0xd5), QColor(0x14, 0x3d, 0x14)},
    {Tone::Bad, QColor(0xf7, 0xd9, 0xd6), QColor(0x5c, 0x10, 0x10)},
}};

// A palace's square: its direction and stars, its tone and the named pair, the two stars'
// timeliness, and the month's visitors with a mark where an affliction sits.
QString palaceCellText(const PalaceReading &r)
{
    QStringList lines{ChartDetails::tr("%1  %2 %3")
                          .arg(report::palaceName(r.palace))
                          .arg(r.mountain)
                          .arg(r.facing),
                      r.named ? ChartDetails::tr("%1 · %2").arg(report::toneWord(r.tone),
                                                                report::pairName(*r.named))
                              : report::toneWord(r.tone),
                      ChartDetails::tr("%1 / %2").arg(report::stateWord(r.mountainState),
                                                      report::stateWord(r.facingState))};
    QStringList marks;
    for (const Visitor &visitor : r.visitors)
        marks << (visitor.from == VisitorSource::Annual ? ChartDetails::tr("year %1")
                                                        : ChartDetails::tr("month %1"))
                     .arg(visitor.star);
    if (!r.afflictions.empty())
        marks << QStringLiteral("⚠"); // a sign, the same in every language
    if (!marks.isEmpty())
        lines << marks.join(QLatin1Char(' '));
    return lines.join(QLatin1Char('\n'));
}

// Only the two colours set are fixed; the others follow the desktop's.
void tintCell(QToolButton *cell, std::optional<Tone> tone)
{
    QPalette palette;
    for (const ToneColours &tint : ToneTints) {
        if (tone == tint.tone) {
            palette.setColor(QPalette::Button, tint.background);
            palette.setColor(QPalette::ButtonText, tint.text);
        }
    }
    cell->setPalette(palette);
}

// The compass codes round the grid: the squares' rows and columns sit at 1..3 of a 5 x 5
// layout, the codes at 0 and 4.
void addCompassCodes(QGridLayout *layout)
{
    const auto code = [](int palace) {
        auto *label = new QLabel(report::compassCode(palace));
        label->setAlignment(Qt::AlignCenter);
        label->setForegroundRole(QPalette::PlaceholderText);
        return label;
    };
    for (int column = 0; column < 3; ++column) {
        layout->addWidget(code(GridPalaces[0][column]), 0, column + 1);
        layout->addWidget(code(GridPalaces[2][column]), 4, column + 1);
    }
    layout->addWidget(code(GridPalaces[1][0]), 2, 0);
    layout->addWidget(code(GridPalaces[1][2]), 2, 4);
}

ChartDetails::Grid makeGrid(const QString &title, const QString &name, QWidget *parent)
{
    ChartDetails::Grid grid;
    grid.box = new QGroupBox(title, parent);
    grid.box->setObjectName(name);
    auto *layout = new QGridLayout;
    layout->setSpacing(2);
    addCompassCodes(layout);
    QFont starFont = parent->font();
    starFont.setBold(true);
    starFont.setPointSizeF(starFont.pointSizeF() * 1.4);
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            const int palace = GridPalaces[row][column];
            auto *cell = new QLabel;
            cell->setObjectName(name + QString::number(palace));
            cell->setAccessibleName(
                ChartDetails::tr("%1, %2 palace").arg(title, report::palaceName(palace)));
            cell->setFrameShape(QFrame::Box);
            cell->setAlignment(Qt::AlignCenter);
            cell->setFont(starFont);
            cell->setAutoFillBackground(true);
            cell->setBackgroundRole(QPalette::Base);
            cell->setMinimumSize(
                QFontMetrics(starFont).horizontalAdvance(QStringLiteral("0000000")),
                QFontMetrics(starFont).height() * 3);
            layout->addWidget(cell, row + 1, column + 1);
            grid.cells[palace] = cell;
        }
    }
    grid.note = new QLabel;
    grid.note->setObjectName(name + QStringLiteral("Note"));
    grid.note->setWordWrap(true);
    grid.note->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(grid.note, 5, 0, 1, 5);
    grid.box->setLayout(layout);
    return grid;
}

// A square of the chart: the mountain star left, the facing star right, the time star
// below; the sitting palace shaded as a button, and named so to a screen reader.
void fillChartCells(const ChartDetails::Grid &grid, const Stars &mountain, const Stars &facing,
                    const BuildingChart &chart)
{
    for (int p = 0; p < PalaceCount; ++p) {
        const bool sitting = p == chart.greyPalace;
        grid.cells[p]->setText(
            QStringLiteral("%1    %2\n%3").arg(mountain[p]).arg(facing[p]).arg(chart.time[p]));
        grid.cells[p]->setBackgroundRole(sitting ? QPalette::Button : QPalette::Base);
        grid.cells[p]->setForegroundRole(sitting ? QPalette::ButtonText : QPalette::Text);
        grid.cells[p]->setAccessibleDescription(
            ChartDetails::tr("mountain star %1, facing star %2, time star %3")
                .arg(mountain[p])
                .arg(facing[p])
                .arg(chart.time[p]) +
            (sitting ? ChartDetails::tr(", sitting palace") : QString()));
    }
}

// Grids side by side, at the top of their row.
QHBoxLayout *gridRow(std::initializer_list<const ChartDetails::Grid *> grids)
{
    auto *row = new QHBoxLayout;
    for (const ChartDetails::Grid *grid : grids)
        row->addWidget(grid->box, 0, Qt::AlignTop);
    row->addStretch();
    return row;
}

// A tab's page: its sections from the top, the space left below them.
QWidget *page(QLayout *sections, const QString &name)
{
    auto *widget = new QWidget;
    widget->setObjectName(name);
    auto *layout = new QVBoxLayout(widget);
    layout->addLayout(sections);
    layout->addStretch();
    return widget;
}

// A label of readings in a titled box, word-wrapped and selectable.
QLabel *readingsBox(const QString &title, const QString &name, QLayout *into)
{
    auto *box = new QGroupBox(title);
    box->setObjectName(name + QStringLiteral("Box"));
    auto *label = new QLabel;
    label->setObjectName(name);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    // A keyboard reader reaches it by Tab; a screen reader hears it by its text.
    label->setFocusPolicy(Qt::StrongFocus);
    (new QVBoxLayout(box))->addWidget(label);
    into->addWidget(box);
    return label;
}

// One star to a square, with the affliction it carries tagged below it.
void fillStars(const ChartDetails::Grid &grid, const Stars &stars, const QString &description,
               int fiveYellow = -1, int twoBlack = -1)
{
    for (int p = 0; p < PalaceCount; ++p) {
        const QString tag = report::afflictionTag(p, fiveYellow, twoBlack);
        grid.cells[p]->setText(QString::number(stars[p]) +
                               (tag.isEmpty() ? QString() : '\n' + tag));
        grid.cells[p]->setAccessibleDescription(
            description.arg(stars[p]) + (tag.isEmpty() ? QString() : QStringLiteral(", ") + tag));
    }
}

// The formations of one chart, "none" for a chart without any, and its castle gates.
QString readingsText(const report::ChartReadingLines &chart)
{
    QStringList lines = chart.formations;
    if (lines.isEmpty())
        lines << ChartDetails::tr("None of the named formations.");
    return (lines + chart.castleGates).join(QLatin1Char('\n'));
}

void clearGrid(const ChartDetails::Grid &grid, const QString &note)
{
    for (QLabel *cell : grid.cells) {
        cell->clear();
        cell->setBackgroundRole(QPalette::Base);
        cell->setForegroundRole(QPalette::Text);
        cell->setAccessibleDescription(QString());
    }
    grid.note->setText(note);
}

} // namespace

ChartDetails::ChartDetails(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("ChartDetails"));
    setWindowTitle(tr("Chart Details"));

    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("status"));
    auto *form = new QFormLayout;
    for (int row = 0; row < int(Rows.size()); ++row) {
        auto *value = new QLabel(this);
        value->setObjectName(QString::fromLatin1(Rows[row].name));
        value->setWordWrap(true);
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        // Heard by its text, after its caption: a name would hide the value from a reader.
        form->addRow(tr(Rows[row].caption), value);
        m_values[row] = value;
    }

    m_standard = makeGrid(tr("Standard chart (下卦)"), QStringLiteral("standard"), this);
    m_replacement = makeGrid(report::replacementTitle(), QStringLiteral("replacement"), this);
    m_annual = makeGrid(tr("Annual stars"), QStringLiteral("annual"), this);
    m_monthly = makeGrid(tr("Monthly stars"), QStringLiteral("monthly"), this);
    m_daily = makeGrid(tr("Daily stars"), QStringLiteral("daily"), this);
    m_hourly = makeGrid(tr("Hourly stars"), QStringLiteral("hourly"), this);

    // The house in words and the formations of its charts: they may outgrow a short screen,
    // so they scroll.
    auto *readings = new QWidget;
    auto *readingsLayout = new QVBoxLayout(readings);
    readingsLayout->addLayout(form);
    m_standardReadings = readingsBox(tr("Standard chart (下卦)"),
                                     QStringLiteral("standardReadings"), readingsLayout);
    m_replacementReadings = readingsBox(report::replacementTitle(),
                                        QStringLiteral("replacementReadings"), readingsLayout);
    readingsLayout->addStretch();
    auto *scroll = new QScrollArea;
    scroll->setObjectName(QStringLiteral("readingsPage"));
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidget(readings);

    m_moment = new QDateTimeEdit(QDateTime::currentDateTime(), this);
    m_moment->setObjectName(QStringLiteral("moment"));
    m_moment->setDisplayFormat(QStringLiteral("yyyy-MM-dd HH:mm"));
    m_moment->setDateRange(QDate(LowestAnnualYear, 1, 1), QDate(HighestAnnualYear, 12, 31));
    m_moment->setCalendarPopup(true);
    auto *momentLabel = new QLabel(tr("Date and &time:"), this);
    momentLabel->setObjectName(QStringLiteral("momentLabel"));
    momentLabel->setBuddy(m_moment);
    m_moment->setAccessibleName(tr("Date and time"));
    auto *moment = new QHBoxLayout;
    moment->addWidget(momentLabel);
    moment->addWidget(m_moment);
    moment->addStretch();
    auto *day = new QVBoxLayout;
    day->addLayout(moment);
    day->addLayout(gridRow({&m_daily, &m_hourly}));
    connect(m_moment, &QDateTimeEdit::dateTimeChanged, this, &ChartDetails::fillDay);

    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("tabs"));
    m_tabs->addTab(page(gridRow({&m_standard, &m_replacement}), QStringLiteral("chartPage")),
                   tr("C&hart"));
    m_tabs->addTab(scroll, tr("&Readings"));
    m_tabs->addTab(makePalacesPage(), tr("&Palaces"));
    m_tabs->addTab(page(gridRow({&m_annual, &m_monthly}), QStringLiteral("yearPage")),
                   tr("&Year && month"));
    m_tabs->addTab(page(day, QStringLiteral("dayPage")), tr("&Day && hour"));

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    m_copy = buttons->addButton(tr("&Copy as Text"), QDialogButtonBox::ActionRole);
    m_copy->setObjectName(QStringLiteral("copyAsText"));
    connect(m_copy, &QPushButton::clicked, this, &ChartDetails::copyAsText);
    connect(buttons, &QDialogButtonBox::rejected, this, &QWidget::close);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_status);
    layout->addWidget(m_tabs, 1);
    layout->addWidget(buttons);
    clear();
    fillDay();
}

// The nine palaces as the grid lays them out, each square a button a click or Tab selects;
// beside them the switch between the charts, the palace selected shown whole, and the period
// the stars are read against.
QWidget *ChartDetails::makePalacesPage()
{
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("palacesPage"));
    auto *grid = new QGridLayout;
    grid->setSpacing(2);
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            const int palace = GridPalaces[row][column];
            auto *cell = new QToolButton(page);
            cell->setObjectName(QStringLiteral("palace%1").arg(palace));
            cell->setCheckable(true);
            cell->setFocusPolicy(Qt::StrongFocus);
            cell->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
            // No button group: one would let Tab reach only the square checked.
            cell->installEventFilter(this);
            connect(cell, &QToolButton::clicked, this, [this, palace] { showPalace(palace); });
            grid->addWidget(cell, row, column);
            m_palaceCells[palace] = cell;
        }
    }

    m_switchRow = new QWidget(page);
    auto *switchLayout = new QHBoxLayout(m_switchRow);
    switchLayout->setContentsMargins(0, 0, 0, 0);
    m_chartSwitch = new QButtonGroup(this);
    for (int chart = 0; chart < int(ChartChoices.size()); ++chart) {
        auto *choice = new QRadioButton(tr(ChartChoices[chart]), m_switchRow);
        choice->setObjectName(chart ? QStringLiteral("replacementPalaces")
                                    : QStringLiteral("standardPalaces"));
        m_chartSwitch->addButton(choice, chart);
        switchLayout->addWidget(choice);
    }
    switchLayout->addStretch();
    connect(m_chartSwitch, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (checked)
            fillPalaces();
    });

    // The palace shown whole may outgrow a short screen in any language, so it scrolls.
    auto *detail = new QWidget;
    auto *form = new QFormLayout(detail);
    for (int row = 0; row < int(PalaceRows.size()); ++row) {
        auto *value = new QLabel(detail);
        value->setObjectName(QString::fromLatin1(PalaceRows[row].name));
        value->setWordWrap(true);
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        form->addRow(tr(PalaceRows[row].caption), value);
        m_palaceValues[row] = value;
    }
    auto *scroll = new QScrollArea(page);
    scroll->setObjectName(QStringLiteral("palaceDetail"));
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidget(detail);
    // Wide enough to read a line beside the grid, whatever else sets the window's width.
    scroll->setMinimumWidth(fontMetrics().averageCharWidth() * 48);
    m_palaceNote = new QLabel(page);
    m_palaceNote->setObjectName(QStringLiteral("palacesNote"));
    m_palaceNote->setWordWrap(true);

    auto *side = new QVBoxLayout;
    side->addWidget(m_switchRow);
    side->addWidget(scroll, 1);
    side->addWidget(m_palaceNote);
    auto *layout = new QHBoxLayout(page);
    layout->addLayout(grid, 1);
    layout->addLayout(side, 1);
    return page;
}

void ChartDetails::showChart(const std::optional<report::ChartRequest> &request)
{
    m_reading.reset();
    try {
        if (request)
            m_reading = report::readChart(*request);
    } catch (const RuntimeError &) {
        // Inputs the main window would not calculate: there is no chart to show.
    }
    m_reading ? fill(*m_reading) : clear();
}

void ChartDetails::copyAsText()
{
    if (m_reading)
        QGuiApplication::clipboard()->setText(report::chartText(*m_reading) +
                                              report::readingsText(*m_reading));
}

void ChartDetails::fill(const ChartReading &r)
{
    m_status->hide();
    m_values[ChartRow]->setText(
        tr("year %1, facing %2 degrees").arg(r.request.year).arg(r.request.facingText));
    m_values[MountainsRow]->setText(report::mountainsPhrase(r.mountains));
    m_values[OffsetRow]->setText(report::offsetPhrase(r.mountains));
    m_values[LeanRow]->setText(report::leanPhrase(r));
    m_values[VoidRow]->setText(report::voidPhrase(r));
    m_values[PeriodRow]->setText(QString::number(r.chart.period));
    m_values[FormationRow]->setText(report::formationPhrase(r.formation));

    fillChartCells(m_standard, r.chart.mountain, r.chart.facing, r.chart);
    m_standard.note->setText(
        tr("In each square the mountain star is on the left, the facing "
           "star on the right and the time star below; the shaded square is the "
           "sitting palace."));
    fillChartCells(m_replacement, r.replacement.mountain, r.replacement.facing, r.chart);
    m_replacement.note->setText(
        tr("Formation: %1.").arg(report::formationPhrase(r.replacement.formation)) +
        (r.replacement.sameAsStandard ? ' ' + tr("The same as the standard chart.") : QString()));
    const std::vector<report::ChartReadingLines> readings = report::readingLines(r);
    const bool replacement = readings.size() > 1;
    m_replacement.box->setVisible(replacement);
    m_standardReadings->setText(readingsText(readings.front()));
    m_replacementReadings->setText(replacement ? readingsText(readings.back()) : QString());
    m_replacementReadings->parentWidget()->setVisible(replacement);
    fillMonth(r);
    m_palaces = report::palaceReadings(r);
    m_switchRow->setVisible(m_palaces.size() > 1);
    m_palaceNote->setText(
        (r.month ? tr("The stars are read against period %1, the period of %2.")
                       .arg(report::currentPeriodOf(r))
                       .arg(report::monthPhrase(r.month->month))
                 : tr("The stars are read against period %1, the period of this month. Switch "
                      "on the annual stars in the main window to see the year's and the "
                      "month's visiting stars and afflictions here.")
                       .arg(report::currentPeriodOf(r))));
    {
        const QSignalBlocker quiet(m_chartSwitch); // filled once, below
        m_chartSwitch->button(0)->setChecked(true);
    }
    fillPalaces();
    m_copy->setEnabled(true);
    keepNotesWhole();
}

void ChartDetails::fillMonth(const ChartReading &r)
{
    if (!r.month) {
        clearGrid(m_annual, tr("Switch on the annual stars in the main window to see them "
                               "here with the monthly stars of their month."));
        clearGrid(m_monthly, QString());
        return;
    }
    const report::MonthStars &m = *r.month;
    const report::MonthAfflictionReading a = report::afflictionsOf(m);
    fillStars(m_annual, m.annual, tr("annual star %1"), a.year.fiveYellow, a.year.twoBlack);
    m_annual.note->setText(report::monthPhrase(m.month) + '\n' +
                           report::yearAfflictionLine(a.year));
    fillStars(m_monthly, m.monthly, tr("monthly star %1"), a.month.fiveYellow, a.month.twoBlack);
    m_monthly.note->setText(
        tr("%1: %2, from %3 to %4")
            .arg(report::monthPhrase(m.month), report::solarMonthPhrase(m.solar),
                 report::localTime(m.solar.start), report::localTime(m.solar.end)) +
        '\n' + report::monthAfflictionLine(a.month));
}

// The palaces of the chart the switch picks, the one selected shown whole.
void ChartDetails::fillPalaces()
{
    const std::size_t chart = std::size_t(std::max(m_chartSwitch->checkedId(), 0));
    if (chart >= m_palaces.size())
        return;
    for (const PalaceReading &r : m_palaces[chart].palaces) {
        QToolButton *cell = m_palaceCells[std::size_t(r.palace)];
        cell->setText(palaceCellText(r));
        tintCell(cell, r.tone);
        cell->setAccessibleName(tr("%1 palace, mountain star %2, facing star %3")
                                    .arg(report::palaceName(r.palace))
                                    .arg(r.mountain)
                                    .arg(r.facing));
        cell->setAccessibleDescription(report::palaceLine(r));
    }
    showPalace(m_palace);
}

void ChartDetails::showPalace(int palace)
{
    const std::size_t chart = std::size_t(std::max(m_chartSwitch->checkedId(), 0));
    if (chart >= m_palaces.size())
        return;
    const PalaceReading &r = m_palaces[chart].palaces[std::size_t(palace)];
    m_palace = palace;
    for (int p = 0; p < PalaceCount; ++p)
        m_palaceCells[std::size_t(p)]->setChecked(p == palace);
    m_palaceValues[PalaceNameRow]->setText(tr("%1, mountain star %2 (%3), facing star %4 (%5)")
                                               .arg(report::palaceName(palace))
                                               .arg(r.mountain)
                                               .arg(report::stateWord(r.mountainState))
                                               .arg(r.facing)
                                               .arg(report::stateWord(r.facingState)));
    m_palaceValues[RelationRow]->setText(report::relationWord(r.relation));
    m_palaceValues[PairRow]->setText(
        r.named ? tr("%1 (%2)").arg(report::pairName(*r.named), report::tagWord(r.named->tag))
                : tr("none"));
    m_palaceValues[LineRow]->setText(report::palaceLine(r));
}

void ChartDetails::fillDay()
{
    const QDateTime moment = m_moment->dateTime();
    const report::DayStarsReading day = report::readDayStars(moment.date(), moment.time());
    fillStars(m_daily, day.dailyStars, tr("daily star %1"));
    m_daily.note->setText(report::dailyLine(day));
    fillStars(m_hourly, day.hourlyStars, tr("hourly star %1"));
    m_hourly.note->setText(report::hourlyLine(day));
    keepNotesWhole();
}

void ChartDetails::clear()
{
    m_status->setText(tr("No chart is calculated: calculate one in the main window."));
    m_status->show();
    for (QLabel *value : m_values)
        value->clear();
    clearGrid(m_standard, QString());
    clearGrid(m_replacement, QString());
    clearGrid(m_annual, QString());
    clearGrid(m_monthly, QString());
    m_replacement.box->hide();
    m_standardReadings->clear();
    m_replacementReadings->clear();
    m_replacementReadings->parentWidget()->hide();
    m_palaces.clear();
    m_switchRow->hide();
    for (QToolButton *cell : m_palaceCells) {
        cell->setText(QString());
        cell->setChecked(false);
        tintCell(cell, std::nullopt);
        cell->setAccessibleName(QString());
        cell->setAccessibleDescription(QString());
    }
    for (QLabel *value : m_palaceValues)
        value->clear();
    m_palaceNote->clear();
    m_copy->setEnabled(false);
    keepNotesWhole();
}

void ChartDetails::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    keepNotesWhole();
}

// A palace reached by Tab is selected as if clicked, so the keyboard reads what the mouse does.
bool ChartDetails::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusIn) {
        for (int palace = 0; palace < PalaceCount; ++palace) {
            if (m_palaceCells[std::size_t(palace)] == watched)
                showPalace(palace);
        }
    }
    return QWidget::eventFilter(watched, event);
}

void ChartDetails::keepNotesWhole()
{
    // A window's minimum size does not foresee that wrapped notes take more lines when it is
    // narrow; the height they need in the narrowest window is the least it may have. Only a
    // shown window's layout counts its notes.
    if (!isVisible())
        return;
    layout()->invalidate(); // it may have counted the children before they were shown
    const QSize least = layout()->totalMinimumSize();
    setMinimumHeight(std::max(least.height(), layout()->totalHeightForWidth(least.width())));
}

} // namespace orrindel
