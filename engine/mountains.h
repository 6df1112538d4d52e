#pragma once

#include "calc.h"

#include <array>
#include <optional>
#include <string>

namespace orrindel {

// The 24 mountains, clockwise from north: three to each 45-degree sector, 15 degrees each.
inline constexpr int MountainCount = 24;
inline constexpr double MountainHalfWidth = 7.5;

enum class Dragon { Earth, Heaven, Man }; // 地元, 天元, 人元: first, second, third of a sector
enum class Polarity { Yang, Yin };

// What the index does not give: the character, its pinyin and its polarity.
struct Mountain
{
    const char *name;   // the character, UTF-8
    const char *pinyin; // without tones
    Polarity polarity;
};

// Indexed from 壬 = 0, clockwise.
// clang-format off
inline constexpr std::array<Mountain, MountainCount> Mountains = {{
    {"壬", "Ren",  Polarity::Yang}, {"子", "Zi",   Polarity::Yin},  {"癸", "Gui",  Polarity::Yin},
    {"丑", "Chou", Polarity::Yin},  {"艮", "Gen",  Polarity::Yang}, {"寅", "Yin",  Polarity::Yang},
    {"甲", "Jia",  Polarity::Yang}, {"卯", "Mao",  Polarity::Yin},  {"乙", "Yi",   Polarity::Yin},
    {"辰", "Chen", Polarity::Yin},  {"巽", "Xun",  Polarity::Yang}, {"巳", "Si",   Polarity::Yang},
    {"丙", "Bing", Polarity::Yang}, {"午", "Wu",   Polarity::Yin},  {"丁", "Ding", Polarity::Yin},
    {"未", "Wei",  Polarity::Yin},  {"坤", "Kun",  Polarity::Yang}, {"申", "Shen", Polarity::Yang},
    {"庚", "Geng", Polarity::Yang}, {"酉", "You",  Polarity::Yin},  {"辛", "Xin",  Polarity::Yin},
    {"戌", "Xu",   Polarity::Yin},  {"乾", "Qian", Polarity::Yang}, {"亥", "Hai",  Polarity::Yang},
}};
// clang-format on

// Mountain k is centred on (345 + 15k) mod 360 degrees; k mod 3 is its place in its sector.
constexpr int mountainCentre(int mountain)
{
    return (345 + 15 * mountain) % 360;
}
constexpr Dragon dragonOf(int mountain)
{
    return Dragon(mountain % 3);
}
// Its palace's compass code and its third: "N2".
std::string mountainCode(int mountain);

// The mountain index of a palace's third (1..3), and the palace index of a mountain.
int mountainOf(int palace, int third);
int palaceOfMountain(int mountain);
// The mountain opposite, 12 away.
constexpr int oppositeMountain(int mountain)
{
    return (mountain + 12) % MountainCount;
}

// The mountains of a facing bearing. The facing mountain is the one Calc's sector and third
// give, so it agrees with the chart even on a boundary; the offset from its centre, positive
// clockwise, is therefore in [-7.5, 7.5] (+7.5 on the seven boundaries the 32-bit rule gives
// to the earlier mountain).
struct MountainReading
{
    int facing = 0;
    int sitting = 0;
    double offset = 0.0;
};
MountainReading readMountains(const Calc &calc);

// Leaning (兼向) past 4.5 degrees from the centre; the void line (空亡) within a tolerance of a
// boundary, major between two sectors, minor between two mountains of one sector.
enum class Lean { Standard, Leaning };
enum class VoidLine { None, Major, Minor };
inline constexpr double StandardLimit = 4.5;
inline constexpr double DefaultVoidTolerance = 0.5;
// The tolerances that make sense: none, up to the whole half of a mountain.
inline constexpr double LeastVoidTolerance = 0.0;
inline constexpr double MostVoidTolerance = MountainHalfWidth;

struct LeanReading
{
    Lean lean = Lean::Standard;
    // The neighbouring mountains the house leans toward, when leaning.
    std::optional<int> facingToward;
    std::optional<int> sittingToward;
    VoidLine voidLine = VoidLine::None;
};
// The tolerance is in degrees, LeastVoidTolerance to MostVoidTolerance.
LeanReading readLean(const MountainReading &mountains, double tolerance = DefaultVoidTolerance);

} // namespace orrindel
