#pragma once

#include "chart.h"

#include <array>
#include <optional>

namespace orrindel {

// Which plates of a chart a reading holds for.
struct PlateSides
{
    bool mountain = false;
    bool facing = false;
    bool operator==(const PlateSides &) const = default;
};

// 父母三般 or 连珠三般; a chart cannot have both.
enum class StringKind { Parent, Pearl };

// 七星打劫 at the facing: 离宫打劫 (true) or 坎宫打劫 (false).
enum class RobberyKind { Li, Kan };
struct Robbery
{
    RobberyKind kind = RobberyKind::Li;
    bool usable = false;
    bool operator==(const Robbery &) const = default;
};

// One of the two 城门 beside the facing palace.
struct CastleGate
{
    int palace = 0;     // palace index
    int mountain = 0;   // the mountain read at the gate, of the facing mountain's 元龙
    bool main = false;  // 正城门: its Lo Shu number pairs with the facing palace's (河图)
    int periodStar = 0; // the gate palace's time star
    std::optional<bool> usable; // empty when the period star is 5
    bool operator==(const CastleGate &) const = default;
};

// The named formations of one chart, standard or replacement.
struct ChartReadings
{
    PlateSides sumOfTen; // 合十 with the time stars
    std::optional<StringKind> string;
    PlateSides fuYin;  // 伏吟: the plate is the Lo Shu itself
    PlateSides fanYin; // 反吟: every palace holds 10 minus its own number
    std::optional<Robbery> robbery;
    std::array<CastleGate, 2> castleGates{}; // the main gate first
};

// The readings of a chart with these time, mountain and facing stars, facing palace and
// facing mountain (its index in Mountains).
ChartReadings readFormations(const Stars &time, const Stars &mountain, const Stars &facing,
                             int period, int facingPalace, int facingMountain);

} // namespace orrindel
