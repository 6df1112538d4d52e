#pragma once

#include "afflictions.h"
#include "chart.h"

#include <array>
#include <optional>
#include <string_view>
#include <vector>

// What each palace means now: its mountain and facing stars read against the current period,
// the year's and the month's visiting stars, and the afflictions that sit in it.
namespace orrindel {

// The five phases (五行) and each star's phase.
enum class Phase { Water, Wood, Fire, Earth, Metal };
Phase phaseOf(int star);

// How a palace's mountain star m (first) and facing star f (second) stand to each other, by
// the producing and the controlling cycles.
enum class PairRelation {
    Same,
    MountainProducesFacing,
    FacingProducesMountain,
    MountainControlsFacing,
    FacingControlsMountain,
};
PairRelation relationOf(int mountain, int facing);

// A star's timeliness against the current period: (star - period) mod 9.
enum class Timeliness { Prosperous, Growing, Retreating, Dead, Killing };
Timeliness timelinessOf(int star, int currentPeriod);

enum class Tone { Good, Mixed, Bad };
Tone toneOf(int mountain, int facing, int currentPeriod);

// The named pairs' tags, in the order their codes sort.
enum class PairTag { Career, Celebration, Conflict, Elders, Fire, Illness, Quarrel, Robbery,
                     Study, Wealth };
// A named pair of stars, in either order: its Chinese name (UTF-8, Simplified) and its tag.
struct NamedPair
{
    int low = 0; // the smaller star
    int high = 0;
    std::string_view name;
    PairTag tag = PairTag::Study;
};
std::optional<NamedPair> namedPair(int a, int b);

// The period of the star year a month belongs to, by the annual chart's own year.
int currentPeriod(int year, int month);

enum class VisitorSource { Annual, Monthly };
struct Visitor
{
    int star = 0;
    VisitorSource from = VisitorSource::Annual;
    std::vector<PairTag> tags; // sorted, each once
    bool operator==(const Visitor &) const = default;
};

enum class PalaceAffliction {
    GrandDuke,
    YearBreaker,
    ThreeKillings,
    FiveYellow,
    TwoBlack,
    MonthBreaker,
    MonthThreeKillings,
    MonthFiveYellow,
    MonthTwoBlack,
};

struct PalaceReading
{
    int palace = 0; // palace index
    int mountain = 0;
    int facing = 0;
    PairRelation relation = PairRelation::Same;
    Timeliness mountainState = Timeliness::Prosperous;
    Timeliness facingState = Timeliness::Prosperous;
    Tone tone = Tone::Mixed;
    std::vector<PairTag> tags; // sorted, each once
    std::optional<NamedPair> named;
    std::vector<Visitor> visitors;            // the annual star first, then the monthly
    std::vector<PalaceAffliction> afflictions; // in the order of the enum
};

// The month's visiting stars and afflictions; empty parts are left out of the readings.
struct PalaceVisits
{
    std::optional<Stars> annual;
    std::optional<Stars> monthly;
    std::optional<YearAfflictions> year;
    std::optional<MonthAfflictions> month;
};

// The nine palaces of a chart with these mountain and facing stars, by palace index.
std::array<PalaceReading, PalaceCount> readPalaces(const Stars &mountain, const Stars &facing,
                                                   int currentPeriod, const PalaceVisits &visits);

// Codes as the JSON spells them.
std::string_view code(PairRelation relation);
std::string_view code(Timeliness state);
std::string_view code(Tone tone);
std::string_view code(PairTag tag);
std::string_view code(VisitorSource source);
std::string_view code(PalaceAffliction affliction);

} // namespace orrindel
