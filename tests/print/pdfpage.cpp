#include "pdfpage.h"

#include <QProcess>
#include <QRegularExpression>
#include <QXmlStreamReader>

namespace orrindel::test {

namespace {

QByteArray filter(const QString &program, const QStringList &arguments, const QByteArray &input)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForStarted(5000))
        return {};
    process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(20000) || process.exitCode() != 0)
        return {};
    return process.readAllStandardOutput();
}

} // namespace

QString pdfText(const QByteArray &pdf)
{
    return QString::fromUtf8(
        filter(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), "-", "-"}, pdf));
}

QList<PdfWord> pdfWords(const QByteArray &pdf)
{
    QList<PdfWord> words;
    QXmlStreamReader xml(
        filter(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), "-", "-"}, pdf));
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement || xml.name() != QLatin1String("word"))
            continue;
        const auto attributes = xml.attributes();
        const QPointF topLeft(attributes.value("xMin").toDouble(),
                              attributes.value("yMin").toDouble());
        const QPointF bottomRight(attributes.value("xMax").toDouble(),
                                  attributes.value("yMax").toDouble());
        words.append({xml.readElementText(), QRectF(topLeft, bottomRight)});
    }
    return words;
}

QString pdfInfo(const QByteArray &pdf)
{
    return QString::fromUtf8(filter(QStringLiteral("pdfinfo"), {"-"}, pdf));
}

int pdfImageCount(const QByteArray &pdf)
{
    const QString list =
        QString::fromUtf8(filter(QStringLiteral("pdfimages"), {QStringLiteral("-list"), "-"}, pdf));
    if (list.isEmpty())
        return -1;
    // Two header lines, then one line per image.
    return int(list.split(QLatin1Char('\n'), Qt::SkipEmptyParts).size()) - 2;
}

QImage pdfRaster(const QByteArray &pdf, int dpi, bool antialias)
{
    const QString aa = antialias ? QStringLiteral("yes") : QStringLiteral("no");
    const QByteArray png =
        filter(QStringLiteral("pdftoppm"),
               {QStringLiteral("-png"), QStringLiteral("-singlefile"), QStringLiteral("-r"),
                QString::number(dpi), QStringLiteral("-aa"), aa, QStringLiteral("-aaVector"), aa},
               pdf);
    return QImage::fromData(png, "PNG");
}

} // namespace orrindel::test
