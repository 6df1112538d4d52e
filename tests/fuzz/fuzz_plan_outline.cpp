// A plan's outline as typed text: the points parser and the reading on arbitrary text. The
// first line is the outline, the second a room; the input's length picks the front edge,
// the facing and the centre's rule. Only PlanError may refuse it; a reading measures the
// whole outline once over, in shares that add up, with each palace once in the grid.
#include "engine/plan.h"
#include "fuzzcheck.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <set>
#include <string>

using namespace orrindel;

extern "C" int LLVMFuzzerTestOneInput(const unsigned char *data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char *>(data), size);
    const std::size_t newline = std::min(text.find('\n'), text.size());
    try {
        PlanInput input;
        input.outline = parsePlanPoints(text.substr(0, newline));
        input.front = int(size % input.outline.size());
        input.facing = double(size % 48) * 7.5;
        input.centreMode = CentreMode(size % 4);
        if (newline < text.size())
            input.rooms.push_back({"room", parsePlanPoints(text.substr(newline + 1))});
        const PlanReading plan = readPlan(input);
        double area = 0, share = 0;
        for (const SectorArea &sector : plan.sectors)
            area += sector.area, share += sector.share;
        check(std::abs(area - plan.area) <= 1e-6 * plan.area && std::abs(share - 1) <= 1e-6);
        std::set<int> palaces;
        for (const GridCell &cell : plan.cells)
            palaces.insert(cell.palace);
        check(palaces.size() == 9);
        for (const RoomReading &room : plan.rooms)
            check(std::abs(std::accumulate(room.shares.begin(), room.shares.end(), 0.0) - 1) <= 1e-6);
    } catch (const PlanError &) {
    }
    return 0;
}
