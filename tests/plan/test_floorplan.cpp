// The Floor Plan window driven as a user would: corners clicked, dragged by keys, typed into
// the table, undone and redone, each state read back from the window and from the register;
// and the palace table of a 10 x 8 rectangle as the screen reader hears it.

#include "report/planreport.h"
#include "support/doubles.h"
#include "support/table.h"
#include "ui/plan/floorplanwindow.h"

#include <QAccessible>
#include <QAccessibleTableInterface>
#include <QImage>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

using namespace orrindel;
using namespace orrindel::test;

namespace {

// Steps: "click X,Y", "undo", "redo", "key LEFT|RIGHT|UP|DOWN|SHIFT+..", "cell ROW COLUMN=V",
// "delete"; then the outline's corners, as the table and the register both hold them.
// clang-format off
struct Edits { const char *what, *steps, *corners; };
constexpr Edits EditRows[] = {
    {"four clicks trace a rectangle", "click 0,0;click 10,0;click 10,8;click 0,8", "0,0 10,0 10,8 0,8"},
    {"undo takes the last corner back", "click 0,0;click 10,0;click 10,8;undo", "0,0 10,0"},
    {"redo puts it back", "click 0,0;click 10,0;undo;undo;redo", "0,0"},
    {"a click on an edge inserts a corner in it", "click 0,0;click 10,0;click 10,8;click 5,0", "0,0 5,0 10,0 10,8"},
    {"arrows nudge the corner clicked, Shift by ten", "click 0,0;click 10,0;key RIGHT;key SHIFT+DOWN", "0,0 11,10"},
    {"a corner typed into the table moves", "click 0,0;click 10,0;cell 1 1=7", "0,0 10,7"},
    {"a number that is not one is refused", "click 0,0;click 10,0;cell 1 0=ten", "0,0 10,0"},
    {"delete removes the selected corner", "click 0,0;click 10,0;click 10,8;delete", "0,0 10,0"},
};

// The 10 x 8 rectangle, north up: each palace's wedge, share of the floor and cell.
struct Palaces { int row; const char *palace, *area, *share, *filled; };
constexpr Palaces PalaceRows[] = {
    {0, "north", "6.63", "8.3 %", "100.0 %"},      {1, "north-east", "11.51", "14.4 %", "100.0 %"},
    {2, "east", "10.36", "12.9 %", "100.0 %"},     {4, "south", "6.63", "8.3 %", "100.0 %"},
    {8, "centre", "", "", "100.0 %"},
};
// clang-format on

// Keys typed on the canvas and the zoom they leave, as a multiple of the plan fitted.
constexpr std::tuple<const char *, const char *, double> ZoomRows[] = {
    {"plus zooms in a step", "+", 1.15},        {"equals is plus unshifted", "=", 1.15},
    {"minus zooms out a step", "-", 1 / 1.15},  {"nought fits the plan again", "++-+0", 1},
};

QString text(const PlanPolygon &points)
{
    QStringList shown;
    for (const PlanPoint &p : points)
        shown << QStringLiteral("%1,%2").arg(p.x).arg(p.y);
    return shown.join(' ');
}

const QMap<QString, Qt::Key> Keys = {
    {"LEFT", Qt::Key_Left}, {"RIGHT", Qt::Key_Right}, {"UP", Qt::Key_Up}, {"DOWN", Qt::Key_Down}};

// A register with one house facing south and a blank 40 x 30 plan, shown in the window.
struct Fixture
{
    QTemporaryDir dir;
    RecordingMsgBox msgBox;
    std::unique_ptr<store::HouseStore> houses;
    std::unique_ptr<FloorPlanWindow> window;

    Fixture()
    {
        houses = std::make_unique<store::HouseStore>(dir.filePath("houses.sqlite"));
        store::House house;
        house.client = "Lee", house.year = "2004", house.facing = "180";
        house.id = houses->add(house);
        QImage(40, 30, QImage::Format_RGB32).save(dir.filePath("plan.png"));
        window = std::make_unique<FloorPlanWindow>(*houses, house, msgBox);
        window->setAsk({[this](QWidget *) { return dir.filePath("plan.png"); }, {}, {}});
        window->show();
        window->addPlan();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }
    PlanCanvas &canvas() { return *window->findChild<PlanCanvas *>(); }
    QString stored()
    {
        const auto plan = store::PlanStore(*houses).plan(window->shownPlan());
        return text(report::planInput(plan->geometry, 180).outline);
    }
};

} // namespace

class TestFloorPlan : public QObject
{
    Q_OBJECT
private slots:
    void edits_data() { addRows(EditRows, &Edits::what); }
    void edits()
    {
        const Edits &row = current(EditRows);
        Fixture f;
        auto *corners = f.window->findChild<QTableWidget *>("Corners");
        for (const QString &step : QString(row.steps).split(';')) {
            const QStringList words = step.split(' ');
            if (words[0] == "click") {
                const QStringList xy = words[1].split(',');
                const QPointF at = f.canvas().onScreen({xy[0].toDouble(), xy[1].toDouble()});
                QTest::mouseClick(&f.canvas(), Qt::LeftButton, {}, at.toPoint());
            } else if (words[0] == "key") {
                const bool shift = words[1].startsWith("SHIFT+");
                QTest::keyClick(&f.canvas(), Keys[words[1].split('+').last()],
                                shift ? Qt::ShiftModifier : Qt::NoModifier);
            } else if (words[0] == "cell") {
                const QStringList value = words[2].split('=');
                corners->item(words[1].toInt(), value[0].toInt())->setText(value[1]);
            } else if (words[0] == "delete") {
                f.window->deleteCorner();
            } else {
                words[0] == "undo" ? f.window->undoStack().undo() : f.window->undoStack().redo();
            }
        }
        QStringList table;
        for (int r = 0; r < corners->rowCount(); ++r)
            table << corners->item(r, 0)->text() + ',' + corners->item(r, 1)->text();
        QCOMPARE(table.join(' '), QString(row.corners));
        QCOMPARE(f.stored(), QString(row.corners));
        QVERIFY(f.msgBox.boxes.isEmpty());
    }

    void palaces_data() { addRows(PalaceRows, &Palaces::palace); }
    void palaces()
    {
        const Palaces &row = current(PalaceRows);
        Fixture f;
        PlanInput input = f.canvas().plan();
        input.outline = {{0, 0}, {10, 0}, {10, 8}, {0, 8}};
        input.front = 2; // the bottom edge faces south, so north is up
        f.window->apply(f.window->shownPlan(), input);
        auto *table = f.window->findChild<QTableWidget *>("Palaces");
        QAccessibleInterface *heard = QAccessible::queryAccessibleInterface(table);
        QCOMPARE(heard->text(QAccessible::Name), QString("Palaces"));
        QAccessibleTableInterface *cells = heard->tableInterface();
        QVERIFY(cells);
        const QStringList expected = {row.palace, row.area, row.share, row.filled};
        for (int column = 0; column < int(expected.size()); ++column)
            QCOMPARE(cells->cellAt(row.row, column)->text(QAccessible::Name), expected[column]);
    }

    void zoom_data() { addRows(ZoomRows); }
    void zoom()
    {
        const auto &[what, keys, times] = current(ZoomRows);
        Fixture f;
        const double fitted = f.canvas().zoom();
        QTest::keyClicks(&f.canvas(), keys);
        QCOMPARE(f.canvas().zoom() / fitted, times);
    }
};

QTEST_MAIN(TestFloorPlan)
#include "test_floorplan.moc"
