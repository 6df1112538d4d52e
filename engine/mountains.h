#pragma once

#include "calc.h"

#include <array>
#include <optional>

namespace orrindel {

// The 24 mountains, clockwise from north: three to each 45-degree sector, 15 degrees each.
inline constexpr int MountainCount = 24;
inline constexpr double MountainHalfWidth = 7.5;

enum class Dragon { Earth, Heaven, Man }; // 地元, 天元, 人元: first, second, third of a sector
enum class Polarity { Yang, Yin };

struct Mountain
{
    const char *name;   // the character, UTF-8
    const char *pinyin; // without tones
    const char *code;   // palace code and third, "N2"
    int centre;         // degrees
    int loShu;          // the palace, as its Lo Shu number
    Dragon dragon;
    Polarity polarity;
};

// Indexed from 壬 = 0; mountain k is centred on (345 + 15k) mod 360.
extern const std::array<Mountain, MountainCount> Mountains;

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

struct LeanReading
{
    Lean lean = Lean::Standard;
    // The neighbouring mountains the house leans toward, when leaning.
    std::optional<int> facingToward;
    std::optional<int> sittingToward;
    VoidLine voidLine = VoidLine::None;
};
// The tolerance is in degrees, 0 to 7.5.
LeanReading readLean(const MountainReading &mountains, double tolerance = DefaultVoidTolerance);

} // namespace orrindel
