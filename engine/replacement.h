#pragma once

#include "chart.h"
#include "formation.h"
#include "mountains.h"

#include <optional>

namespace orrindel {

// The replacement chart (替卦) of a leaning house, by the common rule, one plate at a time:
// the time star s in the side's palace is replaced by the star of the mountain in palace s
// that has the side's dragon, and the plate flies by that mountain's polarity. A plate whose
// s is 5 stays as in the standard chart.
struct ReplacementChart
{
    Stars mountain{};
    Stars facing{};
    std::optional<Formation> formation;
    bool sameAsStandard = false;
};

// The replacement star of a mountain: 1, 2, 6, 7 or 9.
int replacementStar(int mountain);

ReplacementChart replacementChart(const BuildingChart &chart, const MountainReading &mountains);

} // namespace orrindel
