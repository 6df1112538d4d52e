#pragma once

#include <QByteArray>
#include <QSize>
#include <QString>

class QImage;

namespace orrindel::plan {

// What a floor plan's file may be. Anything past these is refused before it is decoded, so
// that a hostile file cannot make the program allocate what the machine does not have.
inline constexpr qint64 MaxPlanBytes = 64 * 1024 * 1024;
inline constexpr qint64 MaxPlanPixels = 100'000'000;
inline constexpr int MaxPlanSide = 20000;
// A PDF page is drawn at this resolution, or lower when the page would pass the limits.
inline constexpr double PlanPdfDpi = 150;

// A floor plan's file as checked: an image, or one page of a PDF.
struct PlanSource
{
    QByteArray format; // "pdf", or the image format as Qt names it ("png", "jpeg", ...)
    int page = 1;      // the PDF page shown, counted from 1; 1 for an image
    int pageCount = 1;
    QSize size;       // the pixels the plan is shown at; its outline is traced in these
    double dpi = 0;   // a PDF page's resolution; 0 for an image, shown at its own pixels
    QByteArray bytes; // the file exactly as given, which is what the register keeps
};

// The file's bytes, refused without reading it when it is not a plain file or is larger than
// a plan may be. Raises store::StoreError: FileError when it cannot be read, else Invalid.
QByteArray readPlanFile(const QString &path);

// Checks a plan's file and, for an image, decodes it once to be sure it is whole. Page 0
// means the first page. Raises store::StoreError (Invalid) with one sentence for the user.
PlanSource checkPlan(const QByteArray &bytes, int page = 0);

// The plan's picture at source.size: the image decoded, or the one PDF page drawn on white.
// The bytes are checked again, since they may come from a register edited by other means.
QImage renderPlan(const PlanSource &source);

} // namespace orrindel::plan
