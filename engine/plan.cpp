#include "plan.h"

#include "calc.h"
#include "chart.h"

#include <boost/geometry.hpp>
#include <boost/geometry/geometries/point_xy.hpp>
#include <boost/geometry/geometries/polygon.hpp>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <numbers>

namespace orrindel {

namespace {

namespace bg = boost::geometry;
using Point = bg::model::d2::point_xy<double>;
using Polygon = bg::model::polygon<Point>;
using MultiPolygon = bg::model::multi_polygon<Polygon>;

constexpr double Degree = std::numbers::pi / 180.0;

double normalised(double degrees)
{
    const double d = std::fmod(degrees, 360.0);
    return d < 0.0 ? d + 360.0 : d;
}

PlanPoint plus(PlanPoint a, PlanPoint b)
{
    return {a.x + b.x, a.y + b.y};
}
PlanPoint times(double k, PlanPoint a)
{
    return {k * a.x, k * a.y};
}
double dot(PlanPoint a, PlanPoint b)
{
    return a.x * b.x + a.y * b.y;
}
// The image's directions, y down: a quarter turn clockwise as seen on screen.
PlanPoint clockwise(PlanPoint a)
{
    return {-a.y, a.x};
}
// The unit vector on the image of a direction given in degrees clockwise from up.
PlanPoint direction(double imageDegrees)
{
    return {std::sin(imageDegrees * Degree), -std::cos(imageDegrees * Degree)};
}

bool usable(PlanPoint p)
{
    return std::isfinite(p.x) && std::isfinite(p.y);
}

void require(bool holds, const std::string &sentence)
{
    if (!holds)
        throw PlanError(sentence);
}

void requireCoordinates(const PlanPolygon &points, const std::string &what)
{
    for (const PlanPoint &p : points) {
        require(usable(p), what + " has a coordinate that is not a finite number.");
        require(std::abs(p.x) <= LargestCoordinate && std::abs(p.y) <= LargestCoordinate,
                what + " has a coordinate beyond 10000000 pixels.");
    }
}

// A simple polygon of non-zero area, either way round, as the library's closed clockwise
// polygon.
Polygon polygonOf(const PlanPolygon &points, const std::string &what)
{
    require(points.size() >= 3, what + " needs at least 3 points.");
    requireCoordinates(points, what);
    Polygon polygon;
    for (const PlanPoint &p : points)
        bg::append(polygon.outer(), Point(p.x, p.y));
    bg::correct(polygon);
    require(!bg::intersects(polygon), what + " crosses itself.");
    require(bg::area(polygon) > 0.0, what + " encloses no area.");
    bg::validity_failure_type failure;
    if (!bg::is_valid(polygon, failure)) {
        require(failure != bg::failure_spikes, what + " doubles back on itself.");
        require(false, what + " is not a simple polygon.");
    }
    // A corner clicked twice is harmless to the reader but not to the exact overlay.
    bg::unique(polygon);
    return polygon;
}

PlanPoint pointOf(const Point &p)
{
    return {p.x(), p.y()};
}

PlanPoint centroidOf(const Polygon &polygon)
{
    Point c(0.0, 0.0);
    bg::centroid(polygon, c);
    return pointOf(c);
}

double overlap(const Polygon &a, const Polygon &b)
{
    MultiPolygon common;
    bg::intersection(a, b, common);
    return bg::area(common);
}

Polygon quadrilateral(const std::array<PlanPoint, 4> &corners)
{
    Polygon polygon;
    for (const PlanPoint &p : corners)
        bg::append(polygon.outer(), Point(p.x, p.y));
    bg::correct(polygon);
    return polygon;
}

// The house's own frame: its right and forward (the front edge's outward normal) as unit
// vectors on the image, and the outline's extent along each.
struct Frame
{
    PlanPoint right;
    PlanPoint forward;
    double left = 0, rightmost = 0, back = 0, front = 0;

    PlanPoint at(double across, double along) const
    {
        return plus(times(across, right), times(along, forward));
    }
};

Frame frameOf(const PlanPolygon &outline, int front)
{
    const PlanPoint a = outline[std::size_t(front)];
    const PlanPoint b = outline[(std::size_t(front) + 1) % outline.size()];
    const double length = std::hypot(b.x - a.x, b.y - a.y);
    require(length > 0.0, "The front edge has no length.");
    const PlanPoint along = times(1.0 / length, {b.x - a.x, b.y - a.y});
    // The interior lies to one side of the edge: on the image's clockwise side of its
    // direction when the points run clockwise on screen, that is when the shoelace sum in
    // image coordinates is positive.
    double twiceArea = 0.0;
    for (std::size_t i = 0; i < outline.size(); ++i) {
        const PlanPoint p = outline[i], q = outline[(i + 1) % outline.size()];
        twiceArea += p.x * q.y - q.x * p.y;
    }
    const PlanPoint inward = twiceArea > 0 ? clockwise(along) : times(-1.0, clockwise(along));
    Frame frame;
    frame.forward = times(-1.0, inward);
    frame.right = clockwise(frame.forward);
    frame.left = frame.back = INFINITY;
    frame.rightmost = frame.front = -INFINITY;
    for (const PlanPoint &p : outline) {
        frame.left = std::min(frame.left, dot(p, frame.right));
        frame.rightmost = std::max(frame.rightmost, dot(p, frame.right));
        frame.back = std::min(frame.back, dot(p, frame.forward));
        frame.front = std::max(frame.front, dot(p, frame.forward));
    }
    return frame;
}

// Grid offsets (right, forward) of the eight outer cells clockwise from the front-middle.
constexpr std::array<std::array<int, 2>, 8> RoundTheGrid = {
    {{0, 1}, {1, 1}, {1, 0}, {1, -1}, {0, -1}, {-1, -1}, {-1, 0}, {-1, 1}}};

int palaceOfCell(int across, int along, int facingPalace)
{
    if (across == 0 && along == 0)
        return Centre;
    const auto start = std::find(CompassPalaces.begin(), CompassPalaces.end(), facingPalace);
    int k = 0;
    while (RoundTheGrid[std::size_t(k)] != std::array{across, along})
        ++k;
    return CompassPalaces[std::size_t((start - CompassPalaces.begin() + k) % 8)];
}

std::array<GridCell, 9> gridOf(const Frame &frame, const Polygon &outline, int facingPalace)
{
    const double width = (frame.rightmost - frame.left) / 3.0;
    const double depth = (frame.front - frame.back) / 3.0;
    std::array<GridCell, 9> cells{};
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            GridCell &cell = cells[std::size_t(row * 3 + column)];
            const double l = frame.left + column * width, r = l + width;
            const double f = frame.front - row * depth, b = f - depth;
            cell.corners = {frame.at(l, f), frame.at(r, f), frame.at(r, b), frame.at(l, b)};
            cell.palace = palaceOfCell(column - 1, 1 - row, facingPalace);
            cell.area = overlap(quadrilateral(cell.corners), outline);
            cell.occupied = cell.area / (width * depth);
            cell.missing = cell.occupied < MissingBelow;
        }
    }
    return cells;
}

PlanCentre centreOf(const PlanInput &input, const Frame &frame, const Polygon &outline,
                    double area)
{
    PlanCentre centre;
    centre.mode = input.centreMode;
    const PlanPoint boxCentre = frame.at((frame.left + frame.rightmost) / 2.0,
                                         (frame.back + frame.front) / 2.0);
    const double boxArea = (frame.rightmost - frame.left) * (frame.front - frame.back);
    switch (input.centreMode) {
    case CentreMode::Centroid:
        centre.basis = CentreMode::Centroid;
        break;
    case CentreMode::Box:
        centre.basis = CentreMode::Box;
        break;
    case CentreMode::Rectangle:
        require(input.threshold > 0.0 && input.threshold <= 1.0,
                "The threshold must be above 0 and at most 1.");
        centre.basis = area >= input.threshold * boxArea ? CentreMode::Box : CentreMode::Centroid;
        break;
    case CentreMode::Point:
        requireCoordinates({input.at}, "The centre");
        centre.basis = CentreMode::Point;
        break;
    }
    centre.point = centre.basis == CentreMode::Box     ? boxCentre
                   : centre.basis == CentreMode::Point ? input.at
                                                       : centroidOf(outline);
    centre.inside = bg::covered_by(Point(centre.point.x, centre.point.y), outline);
    return centre;
}

// The polygon with the centre as a corner of its own where it lies within a hair of an edge.
// Boost's exact overlay misreads a wedge whose apex lies a rounding error off the middle of
// an edge (the box's centre of a triangle can) and returns the whole polygon for it; with
// the apex a corner of the polygon it reads it right. The corner moves the edge by no more
// than the hair, a billionth of its length.
Polygon cornerAt(Polygon polygon, PlanPoint centre)
{
    auto &ring = polygon.outer();
    for (std::size_t i = 0; i + 1 < ring.size(); ++i) {
        const PlanPoint a = pointOf(ring[i]), b = pointOf(ring[i + 1]);
        const PlanPoint edge = {b.x - a.x, b.y - a.y}, off = {centre.x - a.x, centre.y - a.y};
        const double length = std::sqrt(dot(edge, edge)), along = dot(off, edge) / length;
        const double hair = 1e-9 * length;
        if (along > hair && along < length - hair &&
            std::abs(dot(off, clockwise(edge))) / length <= hair) {
            ring.insert(ring.begin() + std::ptrdiff_t(i) + 1, Point(centre.x, centre.y));
            break;
        }
    }
    return polygon;
}

// The wedge of a sector from the centre, as a triangle reaching past everything measured.
Polygon wedge(int sector, double up, PlanPoint centre, double reach)
{
    const double middle = imageAngle(up, sector * SectorWidth);
    const PlanPoint a = plus(centre, times(reach, direction(middle - SectorWidth / 2)));
    const PlanPoint b = plus(centre, times(reach, direction(middle + SectorWidth / 2)));
    return quadrilateral({centre, a, b, centre});
}

double reachFrom(PlanPoint centre, const PlanPolygon &outline,
                 const std::vector<NamedPolygon> &rooms)
{
    double farthest = 0.0;
    const auto extend = [&](const PlanPolygon &points) {
        for (const PlanPoint &p : points)
            farthest = std::max(farthest, std::hypot(p.x - centre.x, p.y - centre.y));
    };
    extend(outline);
    for (const NamedPolygon &room : rooms)
        extend(room.points);
    // The far side of a 45-degree triangle is cos 22.5° of its reach from the apex.
    return 2.0 * farthest + 1.0;
}

// The polygon's area in each wedge from the centre. Boost's exact overlay can misread a wedge
// whose side passes a rounding error from a corner, and the wedges then add up to more or less
// than the polygon; turned a hair (a billionth of a degree) the coincidence is gone.
std::array<double, SectorCount> wedgeAreas(const Polygon &polygon, double up, PlanPoint centre,
                                           double reach)
{
    const Polygon measured = cornerAt(polygon, centre);
    const double whole = bg::area(polygon);
    for (int turn = 0; turn < 4; ++turn) {
        std::array<double, SectorCount> areas{};
        double sum = 0.0;
        for (int s = 0; s < SectorCount; ++s)
            sum += areas[std::size_t(s)] = overlap(wedge(s, up + turn * 1e-9, centre, reach), measured);
        if (std::abs(sum - whole) <= 1e-9 * whole)
            return areas;
    }
    throw PlanError("The plan lies too exactly on a wedge line to measure: move a corner slightly.");
}

bool sameSpot(PlanPoint a, PlanPoint b)
{
    return a.x == b.x && a.y == b.y;
}

RoomReading roomReading(const NamedPolygon &room, const Polygon &polygon,
                        double reach, const PlanReading &plan)
{
    RoomReading reading;
    reading.name = room.name;
    reading.area = bg::area(polygon);
    const auto areas = wedgeAreas(polygon, plan.up, plan.centre.point, reach);
    for (std::size_t s = 0; s < areas.size(); ++s)
        reading.shares[s] = areas[s] / reading.area;
    const PlanPoint c = centroidOf(polygon);
    if (sameSpot(c, plan.centre.point)) {
        reading.borderline = true; // in every wedge at once
    } else {
        const double past = normalised(bearingOnPlan(plan.up, plan.centre.point, c) -
                                       SectorWidth / 2);
        const double offLine = std::fmod(past, SectorWidth);
        reading.borderline = std::min(offLine, SectorWidth - offLine) <= BorderlineDegrees;
    }
    return reading;
}

} // namespace

std::optional<CentreMode> centreModeNamed(std::string_view name)
{
    for (std::size_t i = 0; i < CentreModeNames.size(); ++i)
        if (name == CentreModeNames[i])
            return CentreMode(i);
    return std::nullopt;
}

std::optional<double> PlanReading::squareMetres(double pixels) const
{
    if (!metresPerPixel)
        return std::nullopt;
    return pixels * *metresPerPixel * *metresPerPixel;
}

double imageAngle(double up, double bearing)
{
    return normalised(bearing - up);
}

double bearingOnPlan(double up, PlanPoint from, PlanPoint to)
{
    return normalised(up + std::atan2(to.x - from.x, from.y - to.y) / Degree);
}

int sectorPalace(double bearing)
{
    const double sector = std::floor(normalised(bearing + SectorWidth / 2) / SectorWidth);
    return CompassPalaces[std::size_t(sector) % CompassPalaces.size()];
}

PlanReading readPlan(const PlanInput &input)
{
    const Polygon outline = polygonOf(input.outline, "The outline");
    const int corners = int(input.outline.size());
    require(input.front >= 0 && input.front < corners,
            "The front edge must be numbered 0 to " + std::to_string(corners - 1) + ".");
    require(std::isfinite(input.facing) && input.facing >= 0.0 && input.facing < 360.0,
            "The facing must be a bearing from 0 to below 360 degrees.");
    std::vector<Polygon> rooms, outside;
    for (const NamedPolygon &room : input.rooms)
        rooms.push_back(polygonOf(room.points, "Room \"" + room.name + "\""));
    for (const NamedPolygon &area : input.outside)
        outside.push_back(polygonOf(area.points, "Outside area \"" + area.name + "\""));

    PlanReading plan;
    if (input.scale) {
        const PlanScale &s = *input.scale;
        requireCoordinates({s.from, s.to}, "The scale");
        const double pixels = std::hypot(s.to.x - s.from.x, s.to.y - s.from.y);
        require(pixels > 0.0, "The scale's two points must differ.");
        require(std::isfinite(s.metres) && s.metres > 0.0,
                "The scale's length must be a positive number of metres.");
        plan.metresPerPixel = s.metres / pixels;
    }

    const Frame frame = frameOf(input.outline, input.front);
    // The outward normal of the front edge points to the facing.
    plan.up = normalised(input.facing - bearingOnPlan(0.0, {0, 0}, frame.forward));
    plan.area = bg::area(outline);
    plan.centre = centreOf(input, frame, outline, plan.area);

    const double reach = reachFrom(plan.centre.point, input.outline, input.rooms);
    const auto areas = wedgeAreas(outline, plan.up, plan.centre.point, reach);
    for (std::size_t s = 0; s < areas.size(); ++s)
        plan.sectors[s] = {CompassPalaces[s], areas[s], areas[s] / plan.area};

    plan.rectangle = {frame.at(frame.left, frame.front), frame.at(frame.rightmost, frame.front),
                      frame.at(frame.rightmost, frame.back), frame.at(frame.left, frame.back)};
    Calc facing;
    facing.setDegrees(float(input.facing));
    plan.cells = gridOf(frame, outline, facing.CompassHeading(0));

    for (std::size_t i = 0; i < rooms.size(); ++i)
        plan.rooms.push_back(roomReading(input.rooms[i], rooms[i], reach, plan));
    for (std::size_t i = 0; i < outside.size(); ++i) {
        const PlanPoint c = centroidOf(outside[i]);
        plan.outside.push_back(
            {input.outside[i].name,
             sameSpot(c, plan.centre.point)
                 ? int(Centre)
                 : sectorPalace(bearingOnPlan(plan.up, plan.centre.point, c))});
    }
    return plan;
}

PlanPolygon parsePlanPoints(std::string_view text)
{
    constexpr std::string_view space = " \t\r\n";
    PlanPolygon points;
    std::size_t at = text.find_first_not_of(space);
    while (at != std::string_view::npos) {
        const std::size_t end = std::min(text.find_first_of(space, at), text.size());
        const std::string_view token = text.substr(at, end - at);
        const std::string shown(token.substr(0, 24));
        const std::string reason = "Point " + std::to_string(points.size() + 1) + " (\"" +
                                   shown + (token.size() > 24 ? "...\"" : "\"") + ")";
        PlanPoint p;
        const char *last = token.data() + token.size();
        const auto [afterX, xError] = std::from_chars(token.data(), last, p.x);
        require(xError == std::errc() && afterX != last && *afterX == ',',
                reason + " is not two numbers written x,y.");
        const auto [afterY, yError] = std::from_chars(afterX + 1, last, p.y);
        require(yError == std::errc() && afterY == last,
                reason + " is not two numbers written x,y.");
        require(usable(p), reason + " is not a finite point.");
        points.push_back(p);
        at = text.find_first_not_of(space, end);
    }
    require(!points.empty(), "No points were given.");
    return points;
}

} // namespace orrindel
