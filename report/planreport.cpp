#include "planreport.h"

#include "engine/chart.h"

#include <QJsonArray>
#include <QJsonDocument>

#include <cmath>
#include <string>

namespace orrindel::report {

namespace {

QJsonArray pointJson(PlanPoint p)
{
    return {p.x, p.y};
}

QJsonArray pointsJson(const PlanPolygon &points)
{
    QJsonArray array;
    for (const PlanPoint &p : points)
        array.append(pointJson(p));
    return array;
}

QJsonArray namedJson(const std::vector<NamedPolygon> &polygons)
{
    QJsonArray array;
    for (const NamedPolygon &polygon : polygons)
        array.append(QJsonObject{{"name", QString::fromStdString(polygon.name)},
                                 {"points", pointsJson(polygon.points)}});
    return array;
}

[[noreturn]] void refuse(const std::string &what)
{
    throw PlanError("The plan's geometry is not readable: " + what + ".");
}

double numberAt(const QJsonValue &value, const std::string &what)
{
    if (!value.isDouble())
        refuse(what + " is not a number");
    return value.toDouble();
}

PlanPoint pointAt(const QJsonValue &value, const std::string &what)
{
    const QJsonArray pair = value.toArray();
    if (!value.isArray() || pair.size() != 2)
        refuse(what + " is not a pair of numbers");
    return {numberAt(pair[0], what), numberAt(pair[1], what)};
}

PlanPolygon pointsAt(const QJsonValue &value, const std::string &what)
{
    if (!value.isArray())
        refuse(what + " is not a list of points");
    PlanPolygon points;
    for (const QJsonValue &point : value.toArray())
        points.push_back(pointAt(point, what));
    return points;
}

std::vector<NamedPolygon> namedAt(const QJsonValue &value, const std::string &what)
{
    if (!value.isUndefined() && !value.isArray())
        refuse(what + " is not a list");
    std::vector<NamedPolygon> polygons;
    for (const QJsonValue &item : value.toArray()) {
        const QJsonValue name = item.toObject().value(QLatin1String("name"));
        if (!name.isString())
            refuse(what + " has one without a name");
        polygons.push_back({name.toString().toStdString(),
                            pointsAt(item.toObject().value(QLatin1String("points")), what)});
    }
    return polygons;
}

void readCentre(const QJsonValue &value, PlanInput &input)
{
    if (value.isUndefined())
        return;
    const QJsonObject centre = value.toObject();
    const std::optional<CentreMode> mode =
        centreModeNamed(centre.value(QLatin1String("mode")).toString().toStdString());
    if (!value.isObject() || !mode)
        refuse("the centre has no mode of centroid, box, rectangle or point");
    input.centreMode = *mode;
    if (centre.contains(QLatin1String("threshold")))
        input.threshold = numberAt(centre.value(QLatin1String("threshold")), "the threshold");
    if (centre.contains(QLatin1String("at")))
        input.at = pointAt(centre.value(QLatin1String("at")), "the centre");
    else if (*mode == CentreMode::Point)
        refuse("the centre's point is not given");
}

void readScale(const QJsonValue &value, PlanInput &input)
{
    if (value.isUndefined())
        return;
    const QJsonObject scale = value.toObject();
    if (!value.isObject())
        refuse("the scale is not an object");
    input.scale = PlanScale{pointAt(scale.value(QLatin1String("from")), "the scale"),
                            pointAt(scale.value(QLatin1String("to")), "the scale"),
                            numberAt(scale.value(QLatin1String("metres")), "the scale")};
}

QString palaceName(int palace)
{
    return QLatin1String(PalaceDirections[std::size_t(palace)]);
}

// Adds "m2" beside an area when the plan has a scale.
QJsonObject withMetres(QJsonObject object, const PlanReading &reading)
{
    if (const std::optional<double> m2 = reading.squareMetres(object.value("area").toDouble()))
        object.insert(QLatin1String("m2"), *m2);
    return object;
}

QJsonArray roomsJson(const PlanReading &reading)
{
    QJsonArray rooms;
    for (const RoomReading &room : reading.rooms) {
        QJsonArray sectors;
        // Only the wedges the room reaches into, clockwise from north.
        for (std::size_t i = 0; i < room.shares.size(); ++i)
            if (room.shares[i] > 0.0)
                sectors.append(QJsonObject{{"palace", palaceName(reading.sectors[i].palace)},
                                           {"share", room.shares[i]}});
        rooms.append(withMetres({{"name", QString::fromStdString(room.name)},
                                 {"area", room.area},
                                 {"sectors", sectors},
                                 {"borderline", room.borderline}},
                                reading));
    }
    return rooms;
}

} // namespace

QString geometryText(const PlanInput &input)
{
    QJsonObject centre{{"mode", QLatin1String(CentreModeNames[std::size_t(input.centreMode)])}};
    if (input.centreMode == CentreMode::Rectangle)
        centre.insert(QLatin1String("threshold"), input.threshold);
    if (input.centreMode == CentreMode::Point)
        centre.insert(QLatin1String("at"), pointJson(input.at));
    QJsonObject object{{"outline", pointsJson(input.outline)},
                       {"front", input.front},
                       {"centre", centre},
                       {"rooms", namedJson(input.rooms)},
                       {"outside", namedJson(input.outside)}};
    if (input.scale)
        object.insert(QLatin1String("scale"),
                      QJsonObject{{"from", pointJson(input.scale->from)},
                                  {"to", pointJson(input.scale->to)},
                                  {"metres", input.scale->metres}});
    return QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact));
}

PlanInput planInput(const QString &geometry, double facing)
{
    PlanInput input;
    input.facing = facing;
    if (geometry.isEmpty())
        return input;
    const QJsonDocument document = QJsonDocument::fromJson(geometry.toUtf8());
    if (!document.isObject())
        refuse("it is not a JSON object");
    const QJsonObject object = document.object();
    const QJsonValue outline = object.value(QLatin1String("outline"));
    if (!outline.isUndefined())
        input.outline = pointsAt(outline, "the outline");
    const QJsonValue front = object.value(QLatin1String("front"));
    if (!front.isUndefined()) {
        const double k = numberAt(front, "the front edge");
        // Compared before any cast: a huge number does not fit an int.
        if (!(k >= 0 && k <= 1e6) || k != std::floor(k))
            refuse("the front edge is not a corner's number");
        input.front = int(k);
    }
    readCentre(object.value(QLatin1String("centre")), input);
    input.rooms = namedAt(object.value(QLatin1String("rooms")), "the rooms");
    input.outside = namedAt(object.value(QLatin1String("outside")), "the outside areas");
    readScale(object.value(QLatin1String("scale")), input);
    return input;
}

QJsonObject planJson(const store::Plan &plan, const PlanInput &input, const PlanReading &reading)
{
    QJsonArray sectors;
    for (const SectorArea &sector : reading.sectors)
        sectors.append(withMetres({{"palace", palaceName(sector.palace)},
                                   {"area", sector.area},
                                   {"share", sector.share}},
                                  reading));
    QJsonArray cells;
    for (const GridCell &cell : reading.cells)
        cells.append(withMetres({{"palace", palaceName(cell.palace)},
                                 {"area", cell.area},
                                 {"occupied", cell.occupied},
                                 {"missing", cell.missing}},
                                reading));
    QJsonArray outside;
    for (const OutsideReading &area : reading.outside)
        outside.append(QJsonObject{{"name", QString::fromStdString(area.name)},
                                   {"palace", palaceName(area.palace)}});
    const PlanCentre &centre = reading.centre;
    return withMetres(
        {{"id", plan.id},
         {"house", plan.house},
         {"floor", plan.floor},
         {"image", QJsonObject{{"width", plan.width}, {"height", plan.height}}},
         {"outline", pointsJson(input.outline)},
         {"front", input.front},
         {"up", reading.up},
         {"centre", QJsonObject{{"mode", QLatin1String(CentreModeNames[std::size_t(centre.mode)])},
                                {"x", centre.point.x},
                                {"y", centre.point.y},
                                {"inside", centre.inside}}},
         {"area", reading.area},
         {"sectors", sectors},
         {"cells", cells},
         {"rooms", roomsJson(reading)},
         {"outside", outside}},
        reading);
}

} // namespace orrindel::report
