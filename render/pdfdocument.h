#pragma once

#include "report/document.h"

#include <QFont>
#include <QPageSize>

class QIODevice;

namespace orrindel::render {

// The faces a document is drawn in.
struct Fonts
{
    QFont heading, subtitle, sectionHeading, text, small, star, code, table;
};

// Draws the document onto PDF pages of this size, written to the device. Every line of text
// sits on a baseline of its own style's fixed pitch, whatever faces its characters take; a
// caption and its value share one. A section starts a new page rather than be split, unless
// it is longer than a page, and then it breaks only between its lines and rows.
// Returns false when the PDF cannot be started.
bool writePdf(const report::Document &document, const Fonts &fonts, const QPageSize &paper,
              QIODevice &device);

} // namespace orrindel::render
