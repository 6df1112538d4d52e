#pragma once

#include "chart.h"

#include <array>
#include <optional>

namespace orrindel {

// Where the period star lands in the mountain and facing plates.
enum class Formation { WangShanWangShui, ShangShanXiaShui, DoubleFacing, DoubleSitting };

// Empty when the period star lands elsewhere, as it may in a replacement chart; a standard
// chart always has one of the four.
std::optional<Formation> formationOf(std::int16_t period, const Stars &mountain,
                                     const Stars &facing, int facingPalace, int sittingPalace);
std::optional<Formation> formationOf(const BuildingChart &chart);

// Their names, by the enumeration's order; the JSON writes them.
inline constexpr std::array<const char *, 4> FormationNames = {
    "wang-shan-wang-shui", "shang-shan-xia-shui", "double-facing", "double-sitting"};
constexpr const char *formationName(Formation formation)
{
    return FormationNames[std::size_t(formation)];
}

} // namespace orrindel
