#pragma once

// Floor plans' files made at run time, good and hostile, for the tests that read them.

#include <QBuffer>
#include <QColor>
#include <QDataStream>
#include <QImage>
#include <QImageWriter>
#include <QSizeF>

#include <zlib.h>

namespace orrindel::test {

// The colour page N (or an image) is painted, different for neighbouring pages.
inline const auto paintOf = [](int page) { return QColor::fromHsv(page * 37 % 360, 200, 220); };

inline QByteArray
encoded(int width, int height, const char *format,
        QImageIOHandler::Transformations turn = QImageIOHandler::TransformationNone)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(paintOf(1));
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setTransformation(turn);
    writer.write(image);
    return buffer.data();
}

// A PDF of pages of the given size in points, page N painted all over with paintOf(N). Written
// by hand: Qt's PDF writer takes a tenth of a second a page under the address sanitizer.
inline QByteArray pdf(int pages, QSizeF points = {200, 100})
{
    const auto n = [](auto number) { return QByteArray::number(number); };
    QByteArray out = "%PDF-1.4\n", offsets, kids;
    const auto object = [&](const QByteArray &body) {
        offsets += n(out.size()).rightJustified(10, '0') + " 00000 n \n";
        out += n(offsets.size() / 20) + " 0 obj\n" + body + "\nendobj\n";
    };
    const QByteArray tree = n(2 * pages + 1) + " 0 R"; // the page tree, and then the catalog
    for (int page = 1; page <= pages; ++page) {
        const QColor paint = paintOf(page);
        const QByteArray fill = n(paint.redF()) + ' ' + n(paint.greenF()) + ' ' + n(paint.blueF()) +
                                " rg 0 0 14400 14400 re f"; // the whole page, whatever its size
        object("<< /Length " + n(fill.size()) + " >>\nstream\n" + fill + "\nendstream");
        object("<< /Type /Page /Parent " + tree + " /Contents " + n(2 * page - 1) + " 0 R >>");
        kids += n(2 * page) + " 0 R ";
    }
    object("<< /Type /Pages /Count " + n(pages) + " /Kids [" + kids + "] /MediaBox [0 0 " +
           n(points.width()) + ' ' + n(points.height()) + "] >>");
    object("<< /Type /Catalog /Pages " + tree + " >>");
    return out + "xref\n0 " + n(2 * pages + 3) + "\n0000000000 65535 f \n" + offsets +
           "trailer\n<< /Size " + n(2 * pages + 3) + " /Root " + n(2 * pages + 2) +
           " 0 R >>\nstartxref\n" + n(out.size()) + "\n%%EOF\n";
}

// A PNG whose header claims the size given, true to the format down to its checksums, with a
// scrap where its pixels would be.
inline QByteArray claimedPng(quint32 width, quint32 height)
{
    QByteArray png;
    QDataStream out(&png, QIODevice::WriteOnly);
    const auto chunk = [&out](const QByteArray &body) { // its type and data
        out << quint32(body.size() - 4);
        out.writeRawData(body.data(), int(body.size()));
        out << quint32(crc32(0, reinterpret_cast<const Bytef *>(body.data()), uInt(body.size())));
    };
    out.writeRawData("\x89PNG\r\n\x1a\n", 8);
    QByteArray header("IHDR");
    QDataStream(&header, QIODevice::Append) << width << height << quint32(0x08020000) << quint8(0);
    chunk(header), chunk("IDATx"), chunk("IEND");
    return png;
}

} // namespace orrindel::test
