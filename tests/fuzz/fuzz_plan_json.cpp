// A plan's geometry as the register keeps it, on arbitrary text: only PlanError or StoreError
// may refuse it; a reading measures the outline once over, with each palace once in the grid.
#include "fuzzcheck.h"
#include "report/planreport.h"
#include "store/storeerror.h"

#include <cmath>
#include <set>

using namespace orrindel;

extern "C" int LLVMFuzzerTestOneInput(const unsigned char *data, std::size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    try {
        const PlanInput input = report::planInput(text, double(size % 48) * 7.5);
        if (input.outline.empty())
            return 0;
        const PlanReading plan = readPlan(input);
        double area = 0;
        for (const SectorArea &sector : plan.sectors)
            area += sector.area;
        check(std::abs(area - plan.area) <= 1e-6 * plan.area);
        std::set<int> palaces;
        for (const GridCell &cell : plan.cells)
            palaces.insert(cell.palace);
        check(palaces.size() == 9);
    } catch (const PlanError &) {
    } catch (const store::StoreError &) {
    }
    return 0;
}
