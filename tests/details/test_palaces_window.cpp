// The Chart Details window's Palaces tab as a user meets it: each palace's square of the period-8
// 子山午向 of 2004 read in a period-8 and a period-9 month, a palace shown whole when clicked or
// reached by Tab, the replacement chart's palaces of a leaning bearing, and what a screen reader
// hears of a square.

#include "support/table.h"
#include "ui/details/chartdetails.h"

#include <QAccessible>
#include <QLabel>
#include <QRadioButton>
#include <QTabWidget>
#include <QToolButton>
#include <QtTest>

using namespace orrindel;
using namespace orrindel::test;

namespace {

// clang-format off
report::ChartRequest request(const QString &bearing, int month, int year) { return {2004, bearing, report::MonthOfYear{month, year}}; }
// A palace's square in a month of 2004, 180: what it shows, line by line, and what a reader
// hears as its name.
struct Cell { const char *name; int month, year, palace; QString text, heard; };
const Cell Cells[] = {
    {"in period 9 the south's double 8 retreats, with 太岁 and 五黄", 6, 2026, South, "south  8 8\nmixed\nretreating / retreating\nyear 5 month 8 ⚠", "south palace, mountain star 8, facing star 8"},
    {"in period 9 the north's 9 7 is 回禄, under 岁破 and 三煞", 6, 2026, North, "north  9 7\nunfavourable · 回禄\nprosperous / killing\nyear 6 month 9 ⚠", "north palace, mountain star 9, facing star 7"},
    {"in period 9 the west's 6 1 is 一六共宗, half timely, unafflicted", 6, 2026, West, "west  6 1\nmixed · 一六共宗\nkilling / growing\nyear 3 month 6", "west palace, mountain star 6, facing star 1"},
    {"in period 8 the south's double 8 is prosperous", 6, 2023, South, "south  8 8\nfavourable\nprosperous / prosperous\nyear 8 month 8", "south palace, mountain star 8, facing star 8"},
    {"in period 8 the north-west's 5 2 is 二五交加, under 五黄 and 三煞", 6, 2023, NorthWest, "north-west  5 2\nunfavourable · 二五交加\nkilling / dead\nyear 5 month 5 ⚠", "north-west palace, mountain star 5, facing star 2"},
    {"in period 8 the centre's 4 3, killing and dead, has no affliction", 6, 2023, Centre, "centre  4 3\nunfavourable\nkilling / dead\nyear 4 month 4", "centre palace, mountain star 4, facing star 3"},
};

// A palace selected by a click, or by Tab or Shift+Tab from another: the rows shown whole.
enum class By { Click, Tab, Backtab };
struct Selected { const char *name; By by; int from, palace; QString place, relation, pair; };
const Selected Selections[] = {
    {"a click on the north", By::Click, South, North, "north, mountain star 9 (prosperous), facing star 7 (killing)", "the mountain star controls the facing star", "回禄 (fire)"},
    {"Tab from the south-east to the south", By::Tab, SouthEast, South, "south, mountain star 8 (retreating), facing star 8 (retreating)", "the same phase (比和)", "none"},
    {"Shift+Tab from the south to the south-east", By::Backtab, South, SouthEast, "south-east, mountain star 3 (dead), facing star 4 (dead)", "the same phase (比和)", "none"},
};

// The charts of a bearing in June 2026: whether the switch is offered, and the centre as the
// standard and the replacement chart read it.
struct Switched { const char *name; QString bearing; bool offered; QString standard, replacement; };
const Switched Switches[] = {
    {"leaning 187 offers the replacement's 6 2", "187", true, "centre, mountain star 4 (dead), facing star 3 (dead)", "centre, mountain star 6 (killing), facing star 2 (growing)"},
    {"standard 180 has none", "180", false, "centre, mountain star 4 (dead), facing star 3 (dead)", "centre, mountain star 4 (dead), facing star 3 (dead)"},
};

QToolButton *cell(const ChartDetails &d, int palace) { return d.findChild<QToolButton *>(QStringLiteral("palace%1").arg(palace)); }
QString shown(const ChartDetails &d, const char *row) { return d.findChild<QLabel *>(row)->text(); }
// clang-format on

} // namespace

class TestPalacesWindow : public QObject
{
    Q_OBJECT
private slots:
    void cells_data() { addRows(Cells, &Cell::name); }
    void cells()
    {
        const Cell &row = current(Cells);
        ChartDetails details;
        details.showChart(request("180", row.month, row.year));
        QToolButton *square = cell(details, row.palace);
        QCOMPARE(square->text(), row.text);
        QCOMPARE(QAccessible::queryAccessibleInterface(square)->text(QAccessible::Name), row.heard);
    }

    // A whole line as a reader hears it: the stars and their timeliness, the tone, the pair's
    // line and the visitors.
    void heard()
    {
        ChartDetails details;
        details.showChart(request("180", 6, 2023));
        QCOMPARE(QAccessible::queryAccessibleInterface(cell(details, South))
                     ->text(QAccessible::Description),
                 "mountain 8 prosperous, facing 8 prosperous, favourable: Double 8: a stable "
                 "household and wealth from land that keeps growing. Visiting: 8 of the year, 8 "
                 "of the month.");
        details.showChart(std::nullopt);
        QVERIFY(cell(details, South)->text().isEmpty() && shown(details, "palaceLine").isEmpty());
    }

    void selected_data() { addRows(Selections, &Selected::name); }
    void selected()
    {
        const Selected &row = current(Selections);
        ChartDetails details;
        details.showChart(request("180", 6, 2026));
        details.show();
        QVERIFY(QTest::qWaitForWindowActive(&details));
        QTest::keyClick(&details, Qt::Key_P, Qt::AltModifier);
        QCOMPARE(details.findChild<QTabWidget *>()->currentWidget()->objectName(), "palacesPage");
        cell(details, row.from)->setFocus();
        if (row.by == By::Click)
            QTest::mouseClick(cell(details, row.palace), Qt::LeftButton);
        else
            QTest::keyClick(QApplication::focusWidget(),
                            row.by == By::Tab ? Qt::Key_Tab : Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget(), cell(details, row.palace));
        QVERIFY(cell(details, row.palace)->isChecked());
        QCOMPARE(shown(details, "palaceName"), row.place);
        QCOMPARE(shown(details, "palaceRelation"), row.relation);
        QCOMPARE(shown(details, "palacePair"), row.pair);
    }

    void switched_data() { addRows(Switches, &Switched::name); }
    void switched()
    {
        const Switched &row = current(Switches);
        ChartDetails details;
        details.showChart(request(row.bearing, 6, 2026));
        details.show();
        auto *replacement = details.findChild<QRadioButton *>("replacementPalaces");
        details.findChild<QTabWidget *>()->setCurrentWidget(
            details.findChild<QWidget *>("palacesPage"));
        QCOMPARE(replacement->isVisible(), row.offered);
        const QLabel *line = details.findChild<QLabel *>("palaceLine"); // readable, not a column
        QVERIFY(line->width() >= 30 * line->fontMetrics().averageCharWidth());
        QTest::mouseClick(cell(details, Centre), Qt::LeftButton);
        QCOMPARE(shown(details, "palaceName"), row.standard);
        if (row.offered)
            QTest::mouseClick(replacement, Qt::LeftButton);
        QCOMPARE(shown(details, "palaceName"), row.replacement);
        QVERIFY(cell(details, Centre)->isChecked());
        QVERIFY(details.findChild<QLabel *>("palacesNote")->text().contains("period 9"));
    }
};

QTEST_MAIN(TestPalacesWindow)
#include "test_palaces_window.moc"
