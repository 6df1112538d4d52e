// Floor plans' files, good and hostile, made here at run time and read from a temporary folder:
// the size each is shown at and its page drawn, or the reason it is refused.

#include "plan/planimage.h"
#include "store/storeerror.h"
#include "support/planfiles.h"
#include "support/table.h"

#include <QTemporaryDir>
#include <QTest>

using namespace orrindel::plan;
using namespace orrindel::test;
using orrindel::store::StoreError;

namespace {

// clang-format off
// A file made of the bytes, padded with zero bytes to padTo (0: as made), or read from path; the
// page asked for (0: none); the pixels it is shown at when taken, or a phrase of the one sentence
// that refuses it.
struct Plan { const char *file; QByteArray (*make)(); qint64 padTo; int page; QSize shown; const char *refusal; const char *path = nullptr; StoreError::Kind kind = StoreError::Kind::Invalid; };
const Plan Plans[] = {
    {"a PNG is shown at its own pixels", [] { return encoded(40, 30, "png"); }, 0, 0, {40, 30}, ""},
    {"a JPEG its camera tagged as turned is shown upright", [] { return encoded(40, 30, "jpeg", QImageIOHandler::TransformationRotate90); }, 0, 0, {30, 40}, ""},
    {"a JPEG with bytes after its end is whole", [] { return encoded(40, 30, "jpeg") + "trailer"; }, 0, 1, {40, 30}, ""},
    {"a PNG 20000 pixels wide is taken", [] { return encoded(20000, 1, "png"); }, 0, 0, {20000, 1}, ""},
    {"a PNG padded to 64 MB is taken", [] { return encoded(40, 30, "png"); }, 64 << 20, 0, {40, 30}, ""},
    {"a one-page PDF is drawn at 150 dpi", [] { return pdf(1); }, 0, 0, {416, 208}, ""},
    {"page 2 of a 3-page PDF is the second page", [] { return pdf(3); }, 0, 2, {416, 208}, ""},
    {"page 999 of a 1000-page PDF is drawn alone", [] { return pdf(1000); }, 0, 999, {416, 208}, ""},
    {"a PDF page 9700 points wide is drawn 20000 pixels wide", [] { return pdf(1, {9700, 100}); }, 0, 0, {20000, 206}, ""},
    {"a PDF page 9700 points high is drawn 20000 pixels high", [] { return pdf(2, {100, 9700}); }, 0, 2, {206, 20000}, ""},
    {"a PDF page 200 inches square is taken at 100 megapixels", [] { return pdf(1, {14400, 14400}); }, 0, 0, {10000, 10000}, ""},
    {"a PDF page one point square is drawn in two whole pixels", [] { return pdf(1, {1, 1}); }, 0, 0, {2, 2}, ""},
    {"a PNG one byte over 64 MB is refused", [] { return encoded(40, 30, "png"); }, (64 << 20) + 1, 0, {}, "larger than 64 MB"},
    {"a PNG claiming 50000 × 50000 is refused", [] { return claimedPng(50000, 50000); }, 0, 0, {}, "50000 × 50000 pixels"},
    {"a PNG claiming 10000 × 10001, just over 100 megapixels, is refused", [] { return claimedPng(10000, 10001); }, 0, 0, {}, "10000 × 10001 pixels; a plan may have at most 100 megapixels"},
    {"a PNG 20001 pixels wide is refused", [] { return encoded(20001, 1, "png"); }, 0, 0, {}, "20000 pixels a side"},
    {"a JPEG cut in half is refused, not drawn half grey", [] { const QByteArray jpeg = encoded(400, 300, "jpeg"); return jpeg.left(jpeg.size() / 2); }, 0, 0, {}, "JPEG image is damaged"},
    {"a PNG cut in half is refused", [] { const QByteArray png = encoded(400, 300, "png"); return png.left(png.size() / 2); }, 0, 0, {}, "PNG image is damaged"},
    {"a PNG whose header lies about its pixels is refused", [] { return claimedPng(400, 300); }, 0, 0, {}, "PNG image is damaged"},
    {"a text file named .pdf is refused", [] { return QByteArray("Floor plan to follow.\n"); }, 0, 0, {}, "neither an image"},
    {"a file that begins as a PDF and is not one is refused", [] { return QByteArray("%PDF-1.7\nnothing here\n"); }, 0, 0, {}, "damaged or not a PDF"},
    {"a PDF cut in half is refused", [] { const QByteArray three = pdf(3); return three.left(three.size() / 2); }, 0, 0, {}, "damaged or not a PDF"},
    {"page 1001 of a 1000-page PDF is refused", [] { return pdf(1000); }, 0, 1001, {}, "no page 1001; its last page is 1000"},
    {"page 2 of a PNG is refused", [] { return encoded(40, 30, "png"); }, 0, 2, {}, "An image has one page"},
    {"a device that never ends is not read", [] { return QByteArray(); }, 0, 0, {}, "/dev/zero is not a file.", "/dev/zero"},
    {"a file that is not there is not found", [] { return QByteArray(); }, 0, 0, {}, "/none/plan.png does not exist.", "/none/plan.png", StoreError::Kind::NotFound},
};
// clang-format on

} // namespace

class TestPlanImage : public QObject
{
    Q_OBJECT

private slots:
    void plan_data() { addRows(Plans, &Plan::file); }
    void plan()
    {
        const Plan &row = current(Plans);
        const QTemporaryDir dir;
        QFile file(row.path ? row.path : dir.filePath("plan"));
        QVERIFY(row.path || (file.open(QIODevice::WriteOnly) && file.write(row.make()) >= 0 &&
                             (!row.padTo || file.resize(row.padTo))));
        file.close();
        try {
            const PlanSource source = checkPlan(readPlanFile(file.fileName()), row.page);
            QVERIFY2(!*row.refusal, "taken");
            QCOMPARE(source.size, row.shown);
            if (qint64(row.shown.width()) * row.shown.height() > 25'000'000)
                return; // drawing it would take seconds; the size it is taken at is the point
            const QImage image = renderPlan(source);
            QCOMPARE(image.size(), row.shown);
            // Each page is painted a hue of its own: the page drawn is the page asked for.
            const QColor centre = image.pixelColor(image.rect().center());
            QVERIFY2(qAbs(centre.hsvHue() - paintOf(qMax(row.page, 1)).hsvHue()) < 4,
                     qPrintable(centre.name()));
        } catch (const StoreError &error) {
            QCOMPARE(error.kind(), row.kind);
            const QString said = error.message(); // one sentence
            QVERIFY2(*row.refusal && said.contains(row.refusal) && said.endsWith('.') &&
                         !said.contains('\n'),
                     qPrintable(said));
        }
    }
};

QTEST_MAIN(TestPlanImage)
#include "test_planimage.moc"
