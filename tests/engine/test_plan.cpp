#include "engine/chart.h"
#include "engine/mountains.h"
#include "engine/plan.h"
#include "support/table.h"
#include "support/wedge.h"

#include <QPointF>
#include <QTest>

#include <cmath>

using namespace orrindel;
using namespace orrindel::test;

namespace {

constexpr double Hand = -1; // no value worked by hand: the independent clipping alone judges
using Sectors = std::array<double, 8>; // N, NE, E, SE, S, SW, W, NW

// The shape as the independent clipping takes it.
QList<QPointF> points(const PlanPolygon &shape)
{
    QList<QPointF> out;
    for (const PlanPoint &p : shape)
        out << QPointF(p.x, p.y);
    return out;
}

void compareWithin(double actual, double expected, double relative, const char *what)
{
    QVERIFY2(std::abs(actual - expected) <= relative * std::max(1.0, std::abs(expected)),
             qPrintable(QStringLiteral("%1: %2, expected %3").arg(what).arg(actual, 0, 'g', 12).arg(expected, 0, 'g', 12)));
}

QString codes(const std::array<GridCell, 9> &cells)
{
    QStringList list;
    for (const GridCell &cell : cells)
        list << (cell.palace == Centre ? QStringLiteral("C") : PalaceCodes[cell.palace]);
    return list.join(' ');
}

const char *const Rect = "0,0 10,0 10,8 0,8";
const char *const LShape = "0,0 6,0 6,3 3,3 3,6 0,6";
// Worked by hand for the 10 x 8 rectangle from (5, 4), t = tan 22.5°: a wedge toward a side at
// distance h holds h² t, so 16t = 6.627417 up and down, 25t = 10.355339 left and right, and
// each corner wedge the rest, (80 - 82t) / 4 = 11.508622. Turning the facing turns the labels.
constexpr Sectors NorthUp = {6.627417, 11.508622, 10.355339, 11.508622, 6.627417, 11.508622, 10.355339, 11.508622};
constexpr Sectors EastUp = {10.355339, 11.508622, 6.627417, 11.508622, 10.355339, 11.508622, 6.627417, 11.508622};
constexpr Sectors SouthEastUp = {11.508622, 10.355339, 11.508622, 6.627417, 11.508622, 10.355339, 11.508622, 6.627417};
// The square on its point, vertices 5 from the centre: a vertex wedge is two triangles of
// ½·5·(5 / (cos 22.5° + sin 22.5°))·sin 22.5° = 3.661165, an edge wedge two of 2.588835.
constexpr Sectors Diamond = {7.322330, 5.177670, 7.322330, 5.177670, 7.322330, 5.177670, 7.322330, 5.177670};
constexpr Sectors None = {Hand};

// clang-format off
struct Reading { const char *shape; int front; double facing; CentreMode mode; double up, x, y, area; Sectors sectors = None; bool inside = true; double threshold = DefaultFillThreshold; PlanPoint at = {}; };
using enum CentreMode;
const Reading Readings[] = {
    {.shape = Rect, .front = 0, .facing = 0, .mode = Centroid, .up = 0, .x = 5, .y = 4, .area = 80, .sectors = NorthUp},
    {.shape = "0,8 10,8 10,0 0,0", .front = 2, .facing = 0, .mode = Centroid, .up = 0, .x = 5, .y = 4, .area = 80, .sectors = NorthUp},
    {.shape = Rect, .front = 0, .facing = 90, .mode = Box, .up = 90, .x = 5, .y = 4, .area = 80, .sectors = EastUp},
    {.shape = Rect, .front = 0, .facing = 135, .mode = Centroid, .up = 135, .x = 5, .y = 4, .area = 80, .sectors = SouthEastUp},
    {.shape = Rect, .front = 2, .facing = 200, .mode = Centroid, .up = 20, .x = 5, .y = 4, .area = 80},
    {.shape = Rect, .front = 1, .facing = 300, .mode = Centroid, .up = 210, .x = 5, .y = 4, .area = 80},
    {.shape = "5,0 10,5 5,10 0,5", .front = 0, .facing = 45, .mode = Centroid, .up = 0, .x = 5, .y = 5, .area = 50, .sectors = Diamond},
    // The L's centroid (2.5, 2.5), its box's centre (3, 3); it covers 27/36 = 0.75 of the box.
    {.shape = LShape, .front = 0, .facing = 0, .mode = Centroid, .up = 0, .x = 2.5, .y = 2.5, .area = 27},
    {.shape = "0,6 3,6 3,3 6,3 6,0 0,0", .front = 4, .facing = 0, .mode = Centroid, .up = 0, .x = 2.5, .y = 2.5, .area = 27},
    {.shape = LShape, .front = 0, .facing = 160, .mode = Box, .up = 160, .x = 3, .y = 3, .area = 27},
    {.shape = LShape, .front = 0, .facing = 0, .mode = Rectangle, .up = 0, .x = 3, .y = 3, .area = 27},
    {.shape = LShape, .front = 0, .facing = 0, .mode = Rectangle, .up = 0, .x = 3, .y = 3, .area = 27, .threshold = 0.75},
    {.shape = LShape, .front = 0, .facing = 0, .mode = Rectangle, .up = 0, .x = 2.5, .y = 2.5, .area = 27, .threshold = 0.8},
    {.shape = LShape, .front = 2, .facing = 10, .mode = Point, .up = 190, .x = 1, .y = 5, .area = 27, .at = {1, 5}},
    {.shape = LShape, .front = 1, .facing = 10, .mode = Point, .up = 280, .x = 5, .y = 5, .area = 27, .inside = false, .at = {5, 5}},
    // The U's centroid falls in its notch: ((81·4.5 - 18·6) / 63 = 4.0714286).
    {.shape = "0,0 9,0 9,9 6,9 6,3 3,3 3,9 0,9", .front = 0, .facing = 45, .mode = Centroid, .up = 45, .x = 4.5, .y = 4.0714286, .area = 63, .inside = false},
    {.shape = "0,0 9,0 9,9 6,9 6,3 3,3 3,9 0,9", .front = 6, .facing = 250, .mode = Centroid, .up = 70, .x = 4.5, .y = 4.0714286, .area = 63, .inside = false}};

// Cells from the front row, left to right looking out of the front. The L misses its back
// right cell, and half of two more; its middle cell keeps 3 of its 4 squares.
struct Grid { const char *shape; int front; double facing; const char *palaces; std::array<double, 9> occupied = {1, 1, 1, 1, 1, 1, 1, 1, 1}; PlanPoint frontLeft = {0, 0}; };
const Grid Grids[] = {
    {.shape = Rect, .front = 0, .facing = 0, .palaces = "NW N NE W C E SW S SE"},
    {.shape = Rect, .front = 0, .facing = 200, .palaces = "SE S SW E C W NE N NW"},
    {.shape = LShape, .front = 0, .facing = 0, .palaces = "NW N NE W C E SW S SE", .occupied = {1, 1, 1, 1, 0.75, 0.5, 1, 0.5, 0}},
    {.shape = "0,0 30,0 30,6 0,6", .front = 1, .facing = 90, .palaces = "NE E SE N C S NW W SW", .frontLeft = {30, 0}},
    {.shape = "5,0 10,5 5,10 0,5", .front = 0, .facing = 45, .palaces = "N NE E NW C SE W SW S", .frontLeft = {5, 0}}};

// Rooms and outside areas in the 10 x 8 rectangle read from (5, 4). A room on the centre
// straddles every line (its wedges hold t/4 = 0.103553 and (1 - t)/4 = 0.146447); the small
// squares sit at 19.6°, 25.4° and 25.6°, that is 2.9°, 2.9° and 3.1° off the line at 22.5°;
// a garage running far to the east is wholly in the east.
// Balconies go by their centroid's bearing.
struct Placed { const char *shape; bool borderline; Sectors shares = None; int palace = -1; };
const Placed Placings[] = {
    {.shape = "4,0 6,0 6,1 4,1", .borderline = false, .shares = {1, 0, 0, 0, 0, 0, 0, 0}},
    {.shape = "4,3 6,3 6,5 4,5", .borderline = true, .shares = {0.103553, 0.146447, 0.103553, 0.146447, 0.103553, 0.146447, 0.103553, 0.146447}},
    {.shape = "5.906355,1.073828 6.106355,1.073828 6.106355,1.273828 5.906355,1.273828", .borderline = true},
    {.shape = "6.186805,1.189994 6.386805,1.189994 6.386805,1.389994 6.186805,1.389994", .borderline = true},
    {.shape = "6.196257,1.194502 6.396257,1.194502 6.396257,1.394502 6.196257,1.394502", .borderline = false},
    {.shape = "10,3 40,3 40,5 10,5", .borderline = false, .shares = {0, 0, 1, 0, 0, 0, 0, 0}},
    {.shape = "4,-2 6,-2 6,0 4,0", .borderline = false, .palace = North}, {.shape = "10,3 12,3 12,5 10,5", .borderline = false, .palace = East},
    {.shape = "-2,8 0,8 0,10 -2,10", .borderline = false, .palace = SouthWest}, {.shape = "9,-3 11,-3 11,-1 9,-1", .borderline = false, .palace = NorthEast}};

// What the rules refuse, and the words that say why.
enum class Spoil { Nothing, NotANumber, TwoPointRoom, NoLength, SamePoints };
struct Refusal { const char *shape; const char *why; int front = 0; double facing = 0; Spoil spoil = Spoil::Nothing; CentreMode mode = Centroid; double threshold = DefaultFillThreshold; };
const Refusal Refusals[] = {
    {.shape = "0,0 1,0", .why = "The outline needs at least 3 points."},
    {.shape = "0,0 1,0 1,1", .why = "not a finite number", .spoil = Spoil::NotANumber},
    {.shape = "0,0 2,2 2,0 0,2", .why = "The outline crosses itself."},
    {.shape = "0,0 1,0 2,0", .why = "The outline encloses no area."},
    {.shape = "0,0 4,0 4,4 0,4 2,0", .why = "The outline doubles back on itself."},
    {.shape = "0,0 2e7,0 0,1", .why = "beyond 10000000 pixels"},
    {.shape = Rect, .why = "numbered 0 to 3", .front = 4}, {.shape = Rect, .why = "numbered 0 to 3", .front = -1},
    {.shape = Rect, .why = "The facing must be", .facing = 360}, {.shape = Rect, .why = "The facing must be", .facing = -0.5},
    {.shape = Rect, .why = "threshold", .mode = Rectangle, .threshold = 0}, {.shape = Rect, .why = "threshold", .mode = Rectangle, .threshold = 1.01},
    {.shape = Rect, .why = "Room \"hall\" needs at least 3 points.", .spoil = Spoil::TwoPointRoom},
    {.shape = Rect, .why = "length must be a positive", .spoil = Spoil::NoLength}, {.shape = Rect, .why = "two points must differ", .spoil = Spoil::SamePoints}};

struct Parse { const char *text; int count; PlanPoint last = {}; const char *why = ""; };
const Parse Parses[] = {
    {.text = Rect, .count = 4, .last = {0, 8}}, {.text = " \t1.5,-2\n3e1,4 ", .count = 2, .last = {30, 4}},
    {.text = "", .count = 0, .why = "No points were given."}, {.text = "1,2 3", .count = 0, .why = "Point 2 (\"3\") is not two numbers written x,y."},
    {.text = "1,2,3", .count = 0, .why = "is not two numbers"}, {.text = "1;2", .count = 0, .why = "is not two numbers"},
    {.text = "+1,2", .count = 0, .why = "is not two numbers"}, {.text = "1e999,0", .count = 0, .why = "is not two numbers"},
    {.text = "0,0 nan,1", .count = 0, .why = "Point 2 (\"nan,1\") is not a finite point."}};
// clang-format on

PlanInput inputOf(const char *shape, int front, double facing)
{
    PlanInput input;
    input.outline = parsePlanPoints(shape), input.front = front, input.facing = facing;
    return input;
}

} // namespace

class TestPlan : public QObject
{
    Q_OBJECT
private slots:
    void readings_data() { addRows(Readings, &Reading::shape); }
    void readings()
    {
        const Reading &row = current(Readings);
        PlanInput input = inputOf(row.shape, row.front, row.facing);
        input.centreMode = row.mode, input.threshold = row.threshold, input.at = row.at;
        input.rooms = {{"whole", input.outline}};
        const PlanReading plan = readPlan(input);
        QVERIFY(!plan.squareMetres(plan.area));
        compareWithin(plan.up, row.up, 1e-9, "up");
        compareWithin(plan.centre.point.x, row.x, 1e-7, "x"), compareWithin(plan.centre.point.y, row.y, 1e-7, "y");
        QCOMPARE(plan.centre.inside, row.inside);
        compareWithin(plan.area, row.area, 1e-12, "area");
        double sum = 0;
        for (int s = 0; s < 8; ++s) {
            const SectorArea &sector = plan.sectors[s];
            QCOMPARE(sector.palace, CompassPalaces[s]);
            if (row.sectors[0] != Hand)
                compareWithin(sector.area, row.sectors[s], 1e-6, "by hand");
            compareWithin(sector.area, wedgeArea(points(input.outline), {row.x, row.y}, row.up, 45 * s), 1e-4, "clipped");
            compareWithin(plan.rooms[0].shares[s], sector.share, 1e-6, "whole room");
            sum += sector.share;
        }
        compareWithin(sum, 1, 1e-6, "shares");
    }

    void grid_data() { addRows(Grids, &Grid::palaces); }
    void grid()
    {
        const Grid &row = current(Grids);
        const PlanReading plan = readPlan(inputOf(row.shape, row.front, row.facing));
        QCOMPARE(codes(plan.cells), QString(row.palaces));
        double sum = 0;
        for (int c = 0; c < 9; ++c) {
            compareWithin(plan.cells[c].occupied, row.occupied[c], 1e-6, "occupied");
            QCOMPARE(plan.cells[c].missing, row.occupied[c] < 2.0 / 3);
            sum += plan.cells[c].area;
        }
        compareWithin(sum, plan.area, 1e-6, "cells");
        compareWithin(plan.rectangle[0].x, row.frontLeft.x, 1e-12, "x"), compareWithin(plan.rectangle[0].y, row.frontLeft.y, 1e-12, "y");
        // Turned to every facing mountain's centre, the facing palace stays in the front-middle
        // cell and no palace repeats, whatever the shape.
        for (int k = 0; k < MountainCount; ++k) {
            const QStringList palaces = codes(readPlan(inputOf(row.shape, row.front, mountainCentre(k))).cells).split(' ');
            QCOMPARE(QSet<QString>(palaces.begin(), palaces.end()).size(), 9);
            QCOMPARE(palaces[1] + palaces[4], PalaceCodes[CompassPalaces[k / 3]] + QStringLiteral("C"));
        }
    }

    // With a scale of 5 m to 10 pixels, the rectangle's 80 px² are 20 m².
    void placed_data() { addRows(Placings, &Placed::shape); }
    void placed()
    {
        const Placed &row = current(Placings);
        PlanInput input = inputOf(Rect, 0, 0);
        (row.palace < 0 ? input.rooms : input.outside).push_back({"study", parsePlanPoints(row.shape)});
        input.scale = PlanScale{{0, 0}, {6, 8}, 5};
        const PlanReading plan = readPlan(input);
        QCOMPARE(*plan.squareMetres(plan.area), 20.0);
        QCOMPARE(plan.centre.point.y, 4.0);
        QCOMPARE(plan.outside.empty() ? -1 : plan.outside[0].palace, row.palace);
        if (row.palace >= 0)
            return;
        const RoomReading room = plan.rooms.at(0);
        QCOMPARE(room.name, std::string("study"));
        QCOMPARE(room.borderline, row.borderline);
        for (int s = 0; s < 8; ++s) {
            if (row.shares[0] != Hand)
                compareWithin(room.shares[s], row.shares[s], 1e-6, "by hand");
            compareWithin(room.shares[s] * room.area, wedgeArea(points(input.rooms[0].points), {5, 4}, 0, 45 * s), 1e-4, "clipped");
        }
    }

    void refusals_data() { addRows(Refusals, &Refusal::why); }
    void refusals()
    {
        const Refusal &row = current(Refusals);
        PlanInput input = inputOf(row.shape, row.front, row.facing);
        input.centreMode = row.mode, input.threshold = row.threshold;
        if (row.spoil == Spoil::NotANumber)
            input.outline[1].y = NAN;
        if (row.spoil == Spoil::TwoPointRoom)
            input.rooms = {{"hall", {{1, 1}, {2, 2}}}};
        if (row.spoil == Spoil::NoLength || row.spoil == Spoil::SamePoints)
            input.scale = PlanScale{{1, 1}, {1, row.spoil == Spoil::SamePoints ? 1.0 : 2.0}, row.spoil == Spoil::SamePoints ? 3.0 : 0.0};
        try {
            readPlan(input);
            QFAIL("read a plan the rules refuse");
        } catch (const PlanError &error) {
            QVERIFY2(QString(error.what()).contains(row.why), error.what());
        }
    }

    void parse_data() { addRows(Parses, &Parse::text); }
    void parse()
    {
        const Parse &row = current(Parses);
        try {
            const PlanPolygon points = parsePlanPoints(row.text);
            QCOMPARE(int(points.size()), row.count);
            QCOMPARE(QPointF(points.back().x, points.back().y), QPointF(row.last.x, row.last.y));
        } catch (const PlanError &error) {
            QVERIFY2(QString(error.what()).contains(row.why) && *row.why, error.what());
        }
    }
};

QTEST_GUILESS_MAIN(TestPlan)
#include "test_plan.moc"
