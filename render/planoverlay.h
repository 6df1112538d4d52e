#pragma once

#include "engine/plan.h"
#include "report/document.h"
#include "store/plan.h"

#include <QFont>
#include <QSizeF>
#include <QString>

#include <optional>

class QImage;
class QPainter;

namespace orrindel::render {

using OverlayStars = report::PlanStars;

struct OverlayOptions
{
    bool grid = false;  // the house's rectangle cut 3 x 3 instead of the eight wedges
    bool ring = true;   // the 24 mountains round the house
    bool rooms = true;  // rooms and outside areas with their names
    bool stars = true;  // the stars in each palace, when there are stars
    int selectedCorner = -1; // an outline corner drawn marked, or none
    QFont font;              // the face; the overlay sizes it to the image
};

// The overlay of a plan in the image's pixel coordinates (the caller sets the painter's
// transform): the outline with its front edge, the centre (hollow when outside), the wedges or
// the grid (missing cells hatched), the ring, each palace's label and stars, the rooms and
// outside areas. Lines and text are sized to the image, so a large plan and a small one read
// alike; every colour is fixed, whatever the desktop's palette. Vectors and text only.
void drawPlanOverlay(QPainter &painter, QSizeF imageSize, const PlanInput &input,
                     const PlanReading &reading, const std::optional<OverlayStars> &stars,
                     const OverlayOptions &options);

// The plan with its overlay written to a file: a PNG at the plan's own size, or a one-page
// PDF of the plan's size with the plan as its one image. Raise store::StoreError (FileError,
// naming the file) when it cannot be written.
void renderPlanPng(const QImage &plan, const PlanInput &input, const PlanReading &reading,
                   const std::optional<OverlayStars> &stars, const OverlayOptions &options,
                   const QString &path);
void renderPlanPdf(const QImage &plan, const PlanInput &input, const PlanReading &reading,
                   const std::optional<OverlayStars> &stars, const OverlayOptions &options,
                   const QString &path);

// A kept plan drawn to a file, the picture decoded from its bytes and its geometry read: what
// `orrindel-houses plan render` calls. Raises store::StoreError: Invalid when the plan's file
// or geometry cannot be read, FileError when the output cannot be written.
enum class PlanFileFormat { Png, Pdf };
void writePlanPicture(const store::Plan &plan, const PlanInput &input,
                      const std::optional<OverlayStars> &stars, bool grid, PlanFileFormat format,
                      const QString &path);

} // namespace orrindel::render
