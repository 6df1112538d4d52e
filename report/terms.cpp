#include "terms.h"

#include "engine/chart.h"
#include "engine/mountains.h"
#include "engine/solarterms.h"

#include <QCoreApplication>

#include <array>
#include <string_view>

namespace orrindel::report {

namespace {

constexpr std::string_view wordOf(const char *word)
{
    return word;
}
constexpr std::string_view wordOf(const Mountain &mountain)
{
    return mountain.pinyin;
}
struct Gloss
{
    const char *name; // the engine's
    const char *words;
};
constexpr std::string_view wordOf(const Gloss &gloss)
{
    return gloss.name;
}

// Whether a marked table spells the engine's words, from entry `from` on.
template <typename Marked, typename Engine>
constexpr bool sameWords(const Marked &marked, const Engine &engine, std::size_t from = 0)
{
    for (std::size_t i = from; i < marked.size(); ++i) {
        if (wordOf(marked[i]) != wordOf(engine[i]))
            return false;
    }
    return marked.size() == engine.size();
}

// Each table holds the engine's own words, marked for translation; the static_asserts keep
// them the engine's.
constexpr std::array<const char *, PalaceCount> PalaceNames = {
    QT_TRANSLATE_NOOP("Palace", "centre"),     QT_TRANSLATE_NOOP("Palace", "north-west"),
    QT_TRANSLATE_NOOP("Palace", "west"),       QT_TRANSLATE_NOOP("Palace", "north-east"),
    QT_TRANSLATE_NOOP("Palace", "south"),      QT_TRANSLATE_NOOP("Palace", "north"),
    QT_TRANSLATE_NOOP("Palace", "south-west"), QT_TRANSLATE_NOOP("Palace", "east"),
    QT_TRANSLATE_NOOP("Palace", "south-east"),
};
static_assert(sameWords(PalaceNames, PalaceDirections));

constexpr std::array<const char *, PalaceCount> CompassCodes = {
    QT_TRANSLATE_NOOP("Compass", "C"),  QT_TRANSLATE_NOOP("Compass", "NW"),
    QT_TRANSLATE_NOOP("Compass", "W"),  QT_TRANSLATE_NOOP("Compass", "NE"),
    QT_TRANSLATE_NOOP("Compass", "S"),  QT_TRANSLATE_NOOP("Compass", "N"),
    QT_TRANSLATE_NOOP("Compass", "SW"), QT_TRANSLATE_NOOP("Compass", "E"),
    QT_TRANSLATE_NOOP("Compass", "SE"),
};
static_assert(sameWords(CompassCodes, PalaceCodes, 1)); // the centre's "C" is the report's own

constexpr std::array<const char *, MountainCount> Pinyin = {
    QT_TRANSLATE_NOOP("Mountain", "Ren"),  QT_TRANSLATE_NOOP("Mountain", "Zi"),
    QT_TRANSLATE_NOOP("Mountain", "Gui"),  QT_TRANSLATE_NOOP("Mountain", "Chou"),
    QT_TRANSLATE_NOOP("Mountain", "Gen"),  QT_TRANSLATE_NOOP("Mountain", "Yin"),
    QT_TRANSLATE_NOOP("Mountain", "Jia"),  QT_TRANSLATE_NOOP("Mountain", "Mao"),
    QT_TRANSLATE_NOOP("Mountain", "Yi"),   QT_TRANSLATE_NOOP("Mountain", "Chen"),
    QT_TRANSLATE_NOOP("Mountain", "Xun"),  QT_TRANSLATE_NOOP("Mountain", "Si"),
    QT_TRANSLATE_NOOP("Mountain", "Bing"), QT_TRANSLATE_NOOP("Mountain", "Wu"),
    QT_TRANSLATE_NOOP("Mountain", "Ding"), QT_TRANSLATE_NOOP("Mountain", "Wei"),
    QT_TRANSLATE_NOOP("Mountain", "Kun"),  QT_TRANSLATE_NOOP("Mountain", "Shen"),
    QT_TRANSLATE_NOOP("Mountain", "Geng"), QT_TRANSLATE_NOOP("Mountain", "You"),
    QT_TRANSLATE_NOOP("Mountain", "Xin"),  QT_TRANSLATE_NOOP("Mountain", "Xu"),
    QT_TRANSLATE_NOOP("Mountain", "Qian"), QT_TRANSLATE_NOOP("Mountain", "Hai"),
};
static_assert(sameWords(Pinyin, Mountains));

// The twelve 節 of the engine; only Simplified writes some of them differently.
constexpr std::array<const char *, 12> SolarTerms = {
    QT_TRANSLATE_NOOP("SolarTerm", "小寒"), QT_TRANSLATE_NOOP("SolarTerm", "立春"),
    QT_TRANSLATE_NOOP("SolarTerm", "驚蟄"), QT_TRANSLATE_NOOP("SolarTerm", "清明"),
    QT_TRANSLATE_NOOP("SolarTerm", "立夏"), QT_TRANSLATE_NOOP("SolarTerm", "芒種"),
    QT_TRANSLATE_NOOP("SolarTerm", "小暑"), QT_TRANSLATE_NOOP("SolarTerm", "立秋"),
    QT_TRANSLATE_NOOP("SolarTerm", "白露"), QT_TRANSLATE_NOOP("SolarTerm", "寒露"),
    QT_TRANSLATE_NOOP("SolarTerm", "立冬"), QT_TRANSLATE_NOOP("SolarTerm", "大雪"),
};
static_assert(sameWords(SolarTerms, SectionalTermNames));

// The formations' glosses by the engine's names, with their Chinese names in Simplified.
constexpr std::array<Gloss, 4> Formations = {{
    {"wang-shan-wang-shui",
     QT_TRANSLATE_NOOP("Formation", "prosperous mountain, prosperous water (旺山旺水)")},
    {"shang-shan-xia-shui",
     QT_TRANSLATE_NOOP("Formation", "reversed mountain and water (上山下水)")},
    {"double-facing", QT_TRANSLATE_NOOP("Formation", "double stars at the facing (双星到向)")},
    {"double-sitting", QT_TRANSLATE_NOOP("Formation", "double stars at the sitting (双星到坐)")},
}};
static_assert(sameWords(Formations, FormationNames));

} // namespace

QString palaceName(int palace)
{
    return QCoreApplication::translate("Palace", PalaceNames[palace]);
}

QString compassCode(int palace)
{
    return QCoreApplication::translate("Compass", CompassCodes[palace]);
}

QString mountainReading(int mountain)
{
    return QCoreApplication::translate("Mountain", Pinyin[mountain]);
}

QString solarTermName(const char *term)
{
    return QCoreApplication::translate("SolarTerm", term);
}

QString formationWords(Formation formation)
{
    return QCoreApplication::translate("Formation", Formations[std::size_t(formation)].words);
}

QString flightWords(StarDirection direction)
{
    return direction == StarDirection::Forward ? QCoreApplication::translate("Flight", "Forward")
                                               : QCoreApplication::translate("Flight", "Reverse");
}

} // namespace orrindel::report
