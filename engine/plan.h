#pragma once

// A floor plan read against the compass: the outline's centre, its area in each of the eight
// 45-degree wedges, the house's own rectangle cut 3 x 3 with a palace to each cell, and the
// rooms and outside areas placed in the wedges. Coordinates are image pixels, x to the right
// and y down; bearings are degrees clockwise from north.

#include <array>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace orrindel {

// A plan the rules cannot read; the message is one sentence for the user.
class PlanError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

struct PlanPoint
{
    double x = 0.0;
    double y = 0.0;
};
using PlanPolygon = std::vector<PlanPoint>;

struct NamedPolygon
{
    std::string name;
    PlanPolygon points;
};

// How the centre (太极点) is found. Rectangle takes the box's centre when the outline covers
// at least the threshold of the box ("fill the missing corner"), else the centroid.
enum class CentreMode { Centroid, Box, Rectangle, Point };
inline constexpr std::array<const char *, 4> CentreModeNames = {"centroid", "box", "rectangle",
                                                                "point"};
std::optional<CentreMode> centreModeNamed(std::string_view name);

inline constexpr double DefaultFillThreshold = 2.0 / 3.0;
// A grid cell the outline covers less of than this is a missing corner (缺角).
inline constexpr double MissingBelow = 2.0 / 3.0;
// A room whose centroid lies this close to a wedge line, in degrees, is borderline.
inline constexpr double BorderlineDegrees = 3.0;
inline constexpr int SectorCount = 8;
inline constexpr double SectorWidth = 45.0;
// Coordinates beyond this many pixels are refused: no image is that large, and the
// geometry's arithmetic stays well conditioned below it.
inline constexpr double LargestCoordinate = 1e7;

// Two points of the image and the real distance between them.
struct PlanScale
{
    PlanPoint from;
    PlanPoint to;
    double metres = 0.0;
};

struct PlanInput
{
    PlanPolygon outline;       // either way round
    int front = 0;             // the front edge runs from point front to point front + 1
    double facing = 0.0;       // the chart's facing bearing, [0, 360)
    CentreMode centreMode = CentreMode::Centroid;
    double threshold = DefaultFillThreshold; // for Rectangle, in (0, 1]
    PlanPoint at;                             // for Point
    std::vector<NamedPolygon> rooms;
    std::vector<NamedPolygon> outside; // balcony, porch: placed, but not measured
    std::optional<PlanScale> scale;
};

struct PlanCentre
{
    CentreMode mode = CentreMode::Centroid;  // the rule asked for
    CentreMode basis = CentreMode::Centroid; // what it took: Centroid, Box or Point
    PlanPoint point;
    bool inside = true; // within the outline or on its edge
};

// One wedge, centred on its palace's bearing, spanning 22.5 degrees either side.
struct SectorArea
{
    int palace = 0;
    double area = 0.0;  // pixels²
    double share = 0.0; // of the outline's area
};

struct GridCell
{
    int palace = 0;
    double area = 0.0;     // of the outline within the cell, pixels²
    double occupied = 0.0; // share of the cell the outline covers
    bool missing = false;
    std::array<PlanPoint, 4> corners;
};

struct RoomReading
{
    std::string name;
    double area = 0.0;
    std::array<double, SectorCount> shares{}; // of the room's area, by sector (as sectors)
    bool borderline = false;
};

struct OutsideReading
{
    std::string name;
    int palace = 0;
};

struct PlanReading
{
    double up = 0.0; // bearing of the image's up direction
    PlanCentre centre;
    double area = 0.0;
    // The sectors clockwise from north, in the order of CompassPalaces.
    std::array<SectorArea, SectorCount> sectors{};
    // The house's own rectangle: front-left, front-right, back-right, back-left, where left
    // and right are as one looks out of the front.
    std::array<PlanPoint, 4> rectangle{};
    // Row by row from the front, each row left to right looking out of the front: the
    // front-middle cell (1) is the facing palace, the middle cell (4) the centre.
    std::array<GridCell, 9> cells{};
    std::vector<RoomReading> rooms;
    std::vector<OutsideReading> outside;
    std::optional<double> metresPerPixel;

    // An area in pixels² as square metres, when the plan has a scale.
    std::optional<double> squareMetres(double pixels) const;
};

PlanReading readPlan(const PlanInput &input);

// The direction of a bearing on the image, in degrees clockwise from the image's up, [0, 360):
// what the wedge lines and the 24-mountain ring are drawn at.
double imageAngle(double up, double bearing);
// The bearing from one image point to another on a plan whose up has the bearing given.
double bearingOnPlan(double up, PlanPoint from, PlanPoint to);
// The palace of the wedge holding a bearing; a bearing on a wedge line goes clockwise.
int sectorPalace(double bearing);

// "x,y x,y ..." to points: decimal numbers as in -3 or 12.5, pairs separated by white space. Refuses anything else with a one-line reason.
PlanPolygon parsePlanPoints(std::string_view text);

} // namespace orrindel
