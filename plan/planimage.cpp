#include "plan/planimage.h"

#include "store/storeerror.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QPdfDocument>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace orrindel::plan {
namespace {

using store::StoreError;

struct PlanText
{
    Q_DECLARE_TR_FUNCTIONS(PlanImage)
};

[[noreturn]] void refuse(const QString &sentence)
{
    throw StoreError(StoreError::Kind::Invalid, sentence);
}

QString damaged(const QByteArray &format)
{
    return PlanText::tr("The %1 image is damaged or cut short.").arg(QString(format.toUpper()));
}

// QImageReader's allocation limit is the whole process's. It is raised to what the largest plan
// needs (32 bits a pixel) while a plan is read, and put back after.
class AllocationLimit
{
public:
    AllocationLimit() : m_previous(QImageReader::allocationLimit())
    {
        QImageReader::setAllocationLimit(int(MaxPlanPixels * 4 / (1024 * 1024)) + 1);
    }
    ~AllocationLimit() { QImageReader::setAllocationLimit(m_previous); }
    AllocationLimit(const AllocationLimit &) = delete;
    AllocationLimit &operator=(const AllocationLimit &) = delete;

private:
    int m_previous;
};

// A reader that goes by the bytes, never by a name, and turns a photo as its camera tagged it.
class PlanReader
{
public:
    explicit PlanReader(const QByteArray &bytes)
    {
        m_buffer.setData(bytes);
        m_buffer.open(QIODevice::ReadOnly);
        m_reader.setDevice(&m_buffer);
        m_reader.setDecideFormatFromContent(true);
        m_reader.setAutoTransform(true);
    }
    QImageReader &reader() { return m_reader; }

private:
    QBuffer m_buffer;
    QImageReader m_reader;
};

// libjpeg draws a JPEG cut short in grey and only warns, so the file's markers are walked to
// its end-of-image marker. Bytes between markers (entropy-coded data, stray bytes) are skipped
// as libjpeg skips them; data after the end marker do not matter.
bool jpegWhole(const QByteArray &bytes)
{
    const auto *data = reinterpret_cast<const unsigned char *>(bytes.constData());
    const qsizetype size = bytes.size();
    qsizetype at = 2; // past the start-of-image marker
    while (at < size) {
        const void *mark = std::memchr(data + at, 0xFF, std::size_t(size - at));
        if (!mark)
            return false;
        at = static_cast<const unsigned char *>(mark) - data;
        while (at < size && data[at] == 0xFF)
            ++at;
        if (at >= size)
            return false;
        const unsigned char marker = data[at++];
        if (marker == 0xD9)
            return true;
        // A stuffed zero, TEM and the restart markers carry no length.
        if (marker == 0x00 || marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7))
            continue;
        if (size - at < 2)
            return false;
        const int length = data[at] << 8 | data[at + 1];
        if (length < 2)
            return false;
        at += length;
    }
    return false;
}

PlanSource probeImage(const QByteArray &bytes, int page)
{
    PlanReader plan(bytes);
    QImageReader &reader = plan.reader();
    const QByteArray format = reader.format();
    if (format.isEmpty())
        refuse(PlanText::tr("The file is neither an image Orrindel can read nor a PDF."));
    if (page != 0 && page != 1)
        refuse(PlanText::tr("An image has one page; there is no page %1.").arg(page));
    // The header's claim, before a pixel is decoded.
    QSize size = reader.size();
    if (size.isEmpty())
        refuse(damaged(format));
    if (size.width() > MaxPlanSide || size.height() > MaxPlanSide ||
        qint64(size.width()) * size.height() > MaxPlanPixels)
        refuse(PlanText::tr("The image claims %1 × %2 pixels; a plan may have at most %3 "
                            "megapixels and %4 pixels a side.")
                   .arg(size.width())
                   .arg(size.height())
                   .arg(MaxPlanPixels / 1'000'000)
                   .arg(MaxPlanSide));
    if (reader.transformation() & QImageIOHandler::TransformationRotate90)
        size.transpose();
    if (format == "jpeg" && !jpegWhole(bytes))
        refuse(damaged(format));
    return {format, 1, 1, size, 0, bytes};
}

// A PDF opened from memory; the buffer lives as long as the document that reads it.
class OpenPdf
{
public:
    explicit OpenPdf(const QByteArray &bytes) : m_bytes(bytes), m_buffer(&m_bytes)
    {
        m_buffer.open(QIODevice::ReadOnly);
        m_document.load(&m_buffer);
        if (m_document.status() == QPdfDocument::Status::Ready)
            return;
        if (m_document.error() == QPdfDocument::Error::IncorrectPassword ||
            m_document.error() == QPdfDocument::Error::UnsupportedSecurityScheme)
            refuse(PlanText::tr("The PDF is locked with a password."));
        refuse(PlanText::tr("The file begins as a PDF but is damaged or not a PDF."));
    }
    QPdfDocument &document() { return m_document; }

private:
    QByteArray m_bytes;
    QBuffer m_buffer;
    QPdfDocument m_document;
};

// Only the page asked for is measured (and later drawn), so a PDF of a thousand pages costs
// what its one page costs.
PlanSource probePdf(const QByteArray &bytes, int page)
{
    OpenPdf pdf(bytes);
    const int count = pdf.document().pageCount();
    const int shown = page == 0 ? 1 : page;
    if (shown < 1 || shown > count)
        refuse(PlanText::tr("The PDF has no page %1; its last page is %2.").arg(shown).arg(count));
    const QSizeF points = pdf.document().pagePointSize(shown - 1);
    if (!(points.width() > 0 && points.height() > 0 && std::isfinite(points.width()) &&
          std::isfinite(points.height())))
        refuse(PlanText::tr("Page %1 of the PDF has no size.").arg(shown));
    // At the stated resolution, or lower until the page keeps within the limits; whole pixels.
    const double width = points.width() * PlanPdfDpi / 72,
                 height = points.height() * PlanPdfDpi / 72;
    const double scale = std::min({1.0, MaxPlanSide / width, MaxPlanSide / height,
                                   std::sqrt(MaxPlanPixels / width / height)});
    const QSize size(std::max(1, int(width * scale + 1e-6)),
                     std::max(1, int(height * scale + 1e-6)));
    return {"pdf", shown, count, size, PlanPdfDpi * scale, bytes};
}

PlanSource probe(const QByteArray &bytes, int page)
{
    if (bytes.size() > MaxPlanBytes)
        refuse(PlanText::tr("The file is larger than %1 MB, the most a plan may be.")
                   .arg(MaxPlanBytes / (1024 * 1024)));
    return bytes.startsWith("%PDF-") ? probePdf(bytes, page) : probeImage(bytes, page);
}

QImage decodeImage(const PlanSource &source)
{
    const AllocationLimit limit;
    PlanReader plan(source.bytes);
    QImage image;
    if (!plan.reader().read(&image) || image.size() != source.size)
        refuse(damaged(source.format));
    return image;
}

QImage drawPdf(const PlanSource &source)
{
    OpenPdf pdf(source.bytes);
    QImage image = pdf.document().render(source.page - 1, source.size);
    if (image.size() != source.size)
        refuse(PlanText::tr("Page %1 of the PDF cannot be drawn.").arg(source.page));
    // PDFium leaves the paper transparent; a plan is drawn on white paper.
    QPainter painter(&image);
    painter.setCompositionMode(QPainter::CompositionMode_DestinationOver);
    painter.fillRect(image.rect(), Qt::white);
    painter.end();
    image.convertTo(QImage::Format_RGB32);
    return image;
}

} // namespace

QByteArray readPlanFile(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        throw StoreError(StoreError::Kind::NotFound, PlanText::tr("%1 does not exist.").arg(path));
    if (!info.isFile())
        refuse(PlanText::tr("%1 is not a file.").arg(path));
    const QString tooLarge = PlanText::tr("%1 is larger than %2 MB, the most a plan may be.")
                                 .arg(path)
                                 .arg(MaxPlanBytes / (1024 * 1024));
    if (info.size() > MaxPlanBytes)
        refuse(tooLarge);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw StoreError(StoreError::Kind::FileError, PlanText::tr("%1 cannot be read.").arg(path));
    // Never more than one byte past the limit, should the file have grown since.
    const QByteArray bytes = file.read(MaxPlanBytes + 1);
    if (file.error() != QFileDevice::NoError)
        throw StoreError(StoreError::Kind::FileError, PlanText::tr("%1 cannot be read.").arg(path));
    if (bytes.size() > MaxPlanBytes)
        refuse(tooLarge);
    return bytes;
}

PlanSource checkPlan(const QByteArray &bytes, int page)
{
    const PlanSource source = probe(bytes, page);
    // A damaged image shows itself only when it is decoded; a PDF page is drawn when shown.
    if (source.format != "pdf")
        decodeImage(source);
    return source;
}

QImage renderPlan(const PlanSource &source)
{
    const PlanSource checked = probe(source.bytes, source.page);
    return checked.format == "pdf" ? drawPdf(checked) : decodeImage(checked);
}

} // namespace orrindel::plan
