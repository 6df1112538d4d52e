#include "terms.h"

#include "engine/chart.h"
#include "engine/mountains.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>
#include <string_view>

namespace orrindel::report {

namespace {

// Whether a marked table spells the engine's words, from entry `from` on.
template <typename Marked, typename Engine>
constexpr bool sameWords(const Marked &marked, const Engine &engine, std::size_t from = 0)
{
    for (std::size_t i = from; i < marked.size(); ++i) {
        if (std::string_view(marked[i]) != engine[i])
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

// The engine's pinyin, listed for the translators; the engine's table is what is looked up.
[[maybe_unused]] constexpr std::array<const char *, MountainCount> Pinyin = {
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

// The twelve 節 of the engine; only Simplified writes some of them differently.
[[maybe_unused]] constexpr const char *SolarTerms[] = {
    QT_TRANSLATE_NOOP("SolarTerm", "小寒"), QT_TRANSLATE_NOOP("SolarTerm", "立春"),
    QT_TRANSLATE_NOOP("SolarTerm", "驚蟄"), QT_TRANSLATE_NOOP("SolarTerm", "清明"),
    QT_TRANSLATE_NOOP("SolarTerm", "立夏"), QT_TRANSLATE_NOOP("SolarTerm", "芒種"),
    QT_TRANSLATE_NOOP("SolarTerm", "小暑"), QT_TRANSLATE_NOOP("SolarTerm", "立秋"),
    QT_TRANSLATE_NOOP("SolarTerm", "白露"), QT_TRANSLATE_NOOP("SolarTerm", "寒露"),
    QT_TRANSLATE_NOOP("SolarTerm", "立冬"), QT_TRANSLATE_NOOP("SolarTerm", "大雪"),
};

// formationName()'s words.
[[maybe_unused]] constexpr std::array<const char *, 4> FormationNames = {
    QT_TRANSLATE_NOOP("Formation", "wang-shan-wang-shui"),
    QT_TRANSLATE_NOOP("Formation", "shang-shan-xia-shui"),
    QT_TRANSLATE_NOOP("Formation", "double-facing"),
    QT_TRANSLATE_NOOP("Formation", "double-sitting"),
};

// East Asian wide and full-width characters (Unicode's W and F), as terminals draw them.
bool isWide(char32_t c)
{
    return (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0x303E) ||
           (c >= 0x3041 && c <= 0x33FF) || (c >= 0x3400 && c <= 0x4DBF) ||
           (c >= 0x4E00 && c <= 0x9FFF) || (c >= 0xA000 && c <= 0xA4CF) ||
           (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF) ||
           (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60) ||
           (c >= 0xFFE0 && c <= 0xFFE6) || (c >= 0x20000 && c <= 0x3FFFD);
}

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
    return QCoreApplication::translate("Mountain", Mountains[mountain].pinyin);
}

QString solarTermName(const char *term)
{
    return QCoreApplication::translate("SolarTerm", term);
}

QString formationWords(Formation formation)
{
    return QCoreApplication::translate("Formation", formationName(formation));
}

QString flightWords(std::string_view direction)
{
    return direction == "Forward" ? QCoreApplication::translate("Flight", "Forward")
                                  : QCoreApplication::translate("Flight", "Reverse");
}

int displayWidth(const QString &text)
{
    int width = 0;
    for (const char32_t c : text.toUcs4())
        width += isWide(c) ? 2 : 1;
    return width;
}

QString padded(const QString &text, int width)
{
    return text + QString(std::max(0, width - displayWidth(text)), QLatin1Char(' '));
}

QString centred(const QString &text, int width)
{
    const int left = std::max(0, width - displayWidth(text)) / 2;
    return padded(QString(left, QLatin1Char(' ')) + text, width);
}

} // namespace orrindel::report
