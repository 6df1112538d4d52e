#pragma once

// A floor plan's geometry as the register keeps it, and its reading as JSON: the one place
// that spells the stored text and the keys that scripts and the windows read.

#include "engine/plan.h"
#include "store/plan.h"

#include <QJsonObject>
#include <QString>

namespace orrindel::report {

// The geometry's stored text: a JSON object with "outline" ([[x, y], ...]), "front",
// "centre" ({"mode", "threshold", "at"}), "rooms" and "outside" ([{"name", "points"}]) and
// "scale" ({"from", "to", "metres"}). The facing is the house's, so it is not kept.
QString geometryText(const PlanInput &input);

// The plan as the engine reads it, on the house's facing. Empty text is a plan not yet traced:
// no outline. Raises PlanError with one sentence when the text is not such an object.
PlanInput planInput(const QString &geometry, double facing);

// The plan and its reading as the tool prints them: palaces named as in the chart's JSON,
// areas in pixels², and each area also in square metres ("m2") when the plan has a scale.
QJsonObject planJson(const store::Plan &plan, const PlanInput &input, const PlanReading &reading);

} // namespace orrindel::report
