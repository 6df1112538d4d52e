#include "palacereading.h"

#include "calc.h"
#include "mountains.h"
#include "runtimeerror.h"
#include "validation.h"

#include <algorithm>

namespace orrindel {

namespace {

void requireStar(int star)
{
    if (star < 1 || star > 9)
        throw RuntimeError::invalidProcedureCall();
}

// The phases are declared in the order of the producing cycle, so a phase produces the next
// one and controls the one after that, round the five.
constexpr int PhaseCount = 5;
// clang-format off
constexpr Phase StarPhases[9] = {Phase::Water, Phase::Earth, Phase::Wood, Phase::Wood,
                                 Phase::Earth, Phase::Metal, Phase::Metal, Phase::Earth,
                                 Phase::Fire};
// By the steps from the mountain star's phase forward to the facing star's.
constexpr PairRelation RelationBySteps[PhaseCount] = {
    PairRelation::Same, PairRelation::MountainProducesFacing, PairRelation::MountainControlsFacing,
    PairRelation::FacingControlsMountain, PairRelation::FacingProducesMountain};
// By (star - period) mod 9.
constexpr Timeliness TimelinessBySteps[9] = {
    Timeliness::Prosperous, Timeliness::Growing, Timeliness::Growing, Timeliness::Dead,
    Timeliness::Dead, Timeliness::Killing, Timeliness::Killing, Timeliness::Killing,
    Timeliness::Retreating};
constexpr NamedPair NamedPairs[] = {
    {1, 4, "四一同宫", PairTag::Study},       {1, 6, "一六共宗", PairTag::Career},
    {6, 8, "六八", PairTag::Wealth},          {8, 9, "八九", PairTag::Celebration},
    {2, 5, "二五交加", PairTag::Illness},     {2, 3, "斗牛煞", PairTag::Quarrel},
    {3, 7, "穿心煞", PairTag::Robbery},       {6, 7, "交剑煞", PairTag::Conflict},
    {7, 9, "回禄", PairTag::Fire},            {6, 9, "火烧天门", PairTag::Elders},
};
// clang-format on

bool isPair(int a, int b, int x, int y)
{
    return (a == x && b == y) || (a == y && b == x);
}

bool isTimely(Timeliness state)
{
    return state == Timeliness::Prosperous || state == Timeliness::Growing;
}

bool isUntimely(Timeliness state)
{
    return state == Timeliness::Dead || state == Timeliness::Killing;
}

void addTag(std::vector<PairTag> &tags, int a, int b)
{
    if (const auto pair = namedPair(a, b))
        tags.push_back(pair->tag);
}

void sortOnce(std::vector<PairTag> &tags)
{
    std::ranges::sort(tags);
    // std::unique, not the ranges one: clang 14, which builds the fuzz targets, cannot read
    // the subrange that the ranges one returns with this standard library.
    tags.erase(std::unique(tags.begin(), tags.end()), tags.end());
}

// A visitor meets the palace's two stars and the other visitor, if there is one.
Visitor visitor(int star, VisitorSource from, int mountain, int facing, std::optional<int> other)
{
    Visitor v{star, from, {}};
    addTag(v.tags, star, mountain);
    addTag(v.tags, star, facing);
    if (other)
        addTag(v.tags, star, *other);
    sortOnce(v.tags);
    return v;
}

bool marks(int palace, int mountain)
{
    return palaceOfMountain(mountain) == palace;
}

bool marksAny(int palace, const std::array<int, 3> &mountains)
{
    return std::ranges::any_of(mountains, [&](int m) { return marks(palace, m); });
}

std::vector<PalaceAffliction> afflictionsOf(int palace, const PalaceVisits &visits)
{
    using enum PalaceAffliction;
    std::vector<std::pair<PalaceAffliction, bool>> found;
    if (const auto &y = visits.year)
        found.insert(found.end(), {{GrandDuke, marks(palace, y->grandDuke)},
                                   {YearBreaker, marks(palace, y->yearBreaker)},
                                   {ThreeKillings, marksAny(palace, y->threeKillings)},
                                   {FiveYellow, y->fiveYellow == palace},
                                   {TwoBlack, y->twoBlack == palace}});
    if (const auto &m = visits.month)
        found.insert(found.end(), {{MonthBreaker, marks(palace, m->monthBreaker)},
                                   {MonthThreeKillings, marksAny(palace, m->threeKillings)},
                                   {MonthFiveYellow, m->fiveYellow == palace},
                                   {MonthTwoBlack, m->twoBlack == palace}});
    std::vector<PalaceAffliction> afflictions;
    for (const auto &[affliction, here] : found)
        if (here)
            afflictions.push_back(affliction);
    return afflictions;
}

template <typename Enum, std::size_t N>
std::string_view codeIn(const std::array<std::string_view, N> &codes, Enum value)
{
    return codes.at(std::size_t(value));
}

} // namespace

Phase phaseOf(int star)
{
    requireStar(star);
    return StarPhases[star - 1];
}

PairRelation relationOf(int mountain, int facing)
{
    const int steps = modulo(int(phaseOf(facing)) - int(phaseOf(mountain)), PhaseCount);
    return RelationBySteps[steps];
}

// A 5 is read by the same count as any other star: the stated rule names it only in the
// 2-5 and doubled-5 tones, which toneOf applies before the states. So a 5 is prosperous in
// period 5, growing in 3 and 4, and killing in 7, 8 and 9, as the count gives.
Timeliness timelinessOf(int star, int currentPeriod)
{
    requireStar(star);
    requireStar(currentPeriod);
    return TimelinessBySteps[modulo(star - currentPeriod, 9)];
}

Tone toneOf(int mountain, int facing, int currentPeriod)
{
    const Timeliness m = timelinessOf(mountain, currentPeriod);
    const Timeliness f = timelinessOf(facing, currentPeriod);
    if (isPair(mountain, facing, 7, 9))
        return Tone::Bad;
    if (isPair(mountain, facing, 3, 9))
        return Tone::Good;
    // 2 and 5 meeting is sickness unless one of them is the period's own star.
    const bool sickness =
        isPair(mountain, facing, 2, 5) || (mountain == facing && (mountain == 2 || mountain == 5));
    if (sickness && currentPeriod != 2 && currentPeriod != 5)
        return Tone::Bad;
    if (isTimely(m) && isTimely(f))
        return Tone::Good;
    if (isUntimely(m) && isUntimely(f))
        return Tone::Bad;
    return Tone::Mixed;
}

std::optional<NamedPair> namedPair(int a, int b)
{
    for (const NamedPair &pair : NamedPairs)
        if (isPair(a, b, pair.low, pair.high))
            return pair;
    return std::nullopt;
}

int currentPeriod(int year, int month)
{
    if (month < 1 || month > 12 || year < LowestAnnualYear || year > HighestAnnualYear)
        throw RuntimeError::invalidProcedureCall();
    // The construction period's own table, read for the star year.
    Calc calc;
    calc.setYear(std::int16_t(starYearOf(year, month)));
    return calc.Period();
}

std::array<PalaceReading, PalaceCount> readPalaces(const Stars &mountain, const Stars &facing,
                                                   int currentPeriod, const PalaceVisits &visits)
{
    std::array<PalaceReading, PalaceCount> readings;
    for (int p = 0; p < PalaceCount; ++p) {
        PalaceReading &r = readings[p];
        r.palace = p;
        r.mountain = mountain[p];
        r.facing = facing[p];
        r.relation = relationOf(r.mountain, r.facing);
        r.mountainState = timelinessOf(r.mountain, currentPeriod);
        r.facingState = timelinessOf(r.facing, currentPeriod);
        r.tone = toneOf(r.mountain, r.facing, currentPeriod);
        r.named = namedPair(r.mountain, r.facing);
        addTag(r.tags, r.mountain, r.facing);
        std::optional<int> annual, monthly;
        if (visits.annual)
            annual = (*visits.annual)[p];
        if (visits.monthly)
            monthly = (*visits.monthly)[p];
        if (annual)
            r.visitors.push_back(
                visitor(*annual, VisitorSource::Annual, r.mountain, r.facing, monthly));
        if (monthly)
            r.visitors.push_back(
                visitor(*monthly, VisitorSource::Monthly, r.mountain, r.facing, annual));
        r.afflictions = afflictionsOf(p, visits);
    }
    return readings;
}

std::string_view code(PairRelation relation)
{
    static constexpr std::array<std::string_view, 5> Codes = {
        "same", "mountainProducesFacing", "facingProducesMountain", "mountainControlsFacing",
        "facingControlsMountain"};
    return codeIn(Codes, relation);
}

std::string_view code(Timeliness state)
{
    static constexpr std::array<std::string_view, 5> Codes = {"prosperous", "growing", "retreating",
                                                              "dead", "killing"};
    return codeIn(Codes, state);
}

std::string_view code(Tone tone)
{
    static constexpr std::array<std::string_view, 3> Codes = {"good", "mixed", "bad"};
    return codeIn(Codes, tone);
}

std::string_view code(PairTag tag)
{
    static constexpr std::array<std::string_view, 10> Codes = {
        "career",  "celebration", "conflict", "elders", "fire",
        "illness", "quarrel",     "robbery",  "study",  "wealth"};
    return codeIn(Codes, tag);
}

std::string_view code(VisitorSource source)
{
    static constexpr std::array<std::string_view, 2> Codes = {"annual", "monthly"};
    return codeIn(Codes, source);
}

std::string_view code(PalaceAffliction affliction)
{
    static constexpr std::array<std::string_view, 9> Codes = {
        "grandDuke",    "yearBreaker",        "threeKillings",   "fiveYellow",   "twoBlack",
        "monthBreaker", "monthThreeKillings", "monthFiveYellow", "monthTwoBlack"};
    return codeIn(Codes, affliction);
}

} // namespace orrindel
