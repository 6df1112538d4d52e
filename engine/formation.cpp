#include "formation.h"

#include <algorithm>

namespace orrindel {

std::optional<Formation> formationOf(std::int16_t period, const Stars &mountain,
                                     const Stars &facing, int facingPalace, int sittingPalace)
{
    const auto where = [period](const Stars &plate) {
        return int(std::find(plate.begin(), plate.end(), period) - plate.begin());
    };
    const int m = where(mountain);
    const int f = where(facing);
    if (m == sittingPalace && f == facingPalace)
        return Formation::WangShanWangShui;
    if (m == facingPalace && f == sittingPalace)
        return Formation::ShangShanXiaShui;
    if (m == facingPalace && f == facingPalace)
        return Formation::DoubleFacing;
    if (m == sittingPalace && f == sittingPalace)
        return Formation::DoubleSitting;
    return std::nullopt;
}

std::optional<Formation> formationOf(const BuildingChart &chart)
{
    return formationOf(chart.period, chart.mountain, chart.facing, chart.facingPalace,
                       chart.sittingPalace);
}

} // namespace orrindel
