#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QRectF>
#include <QString>

namespace orrindel::test {

// What poppler's command-line tools read from a PDF document held in memory.
struct PdfWord
{
    QString text;
    QRectF box; // in points from the page's top-left corner
};

QString pdfText(const QByteArray &pdf);         // pdftotext -layout
QList<PdfWord> pdfWords(const QByteArray &pdf); // pdftotext -bbox
QString pdfInfo(const QByteArray &pdf);         // pdfinfo
int pdfImageCount(const QByteArray &pdf);       // pdfimages -list, rows
// pdftoppm of the first page at the given resolution; without anti-aliasing every pixel
// is a colour actually painted, nothing blended.
QImage pdfRaster(const QByteArray &pdf, int dpi, bool antialias);

} // namespace orrindel::test
