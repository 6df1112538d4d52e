#pragma once

#include "platform/controls.h"
#include "report/gridplaces.h"
#include "report/terms.h"

#include <span>
#include <vector>

namespace orrindel {

// The chart grid shared by the main window and the printed chart, its squares at report's
// places from (gridLeft, gridTop).
using report::ChartArray;
std::vector<platform::ControlRow> chartRows(ChartArray array, int gridLeft, int gridTop,
                                            const char *container, const platform::Style *style);

// The compass captions round a chart, indexed S, SW, W, NW, N, NE, E, SE: clockwise round
// the chart on screen, starting at the top.
struct CompassCaption
{
    int palace;
    int left, top;
};
std::vector<platform::ControlRow> directionRows(std::span<const CompassCaption, 8> places,
                                                const char *container,
                                                const platform::Style *style);

// Gives the compass labels that directionRows placed their captions, the engine's codes in
// the program's language, and makes them fit.
void captionDirections(const platform::Controls &controls,
                       std::span<const CompassCaption, 8> places);

using report::palaceName;

// Makes one-line captions, such as the compass captions in a language of wider and taller
// characters, fit their labels by giving them all one smaller size of their font. Captions
// that fit are left alone.
void shrinkToFit(std::span<QLabel *const> labels);

} // namespace orrindel
