#include "render/housereport.h"
#include "render/planoverlay.h"
#include "store/storeerror.h"
#include "support/pdfwords.h"
#include "support/table.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using namespace orrindel;
using namespace orrindel::test;

namespace {

// A plan drawing of a size: white, a wall drawn round it.
QByteArray planPng(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter(&image).drawRect(image.rect().adjusted(10, 10, -11, -11));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "png");
    return bytes;
}

// The plan's whole rectangle traced, its front the edge given (0 top, 1 right, 2 bottom).
PlanInput traced(QSize size, int front, double facing)
{
    const double w = size.width(), h = size.height();
    PlanInput input;
    input.outline = {{0, 0}, {w, 0}, {w, h}, {0, h}};
    input.front = front, input.facing = facing;
    input.rooms = {{"Kitchen", {{0, 0}, {w / 3, 0}, {w / 3, h / 3}, {0, h / 3}}}};
    return input;
}

store::Plan kept(const QByteArray &image)
{
    store::Plan plan;
    plan.image = image;
    return plan;
}

store::House house()
{
    store::House house;
    house.client = "Mrs Li", house.year = "2004", house.facing = "180";
    return house;
}

// clang-format off
// The mountain drawn nearer the page's top of the two is `above`.
struct Floor { const char *name; QSize size; int front; double facing; const char *above, *below; };
const Floor Floors[] = {
    {"a large plan facing south, its front at the bottom, has north up", {3000, 2000}, 2, 180, "子", "午"},
    {"a small plan facing north, its front at the bottom, has south up", {600, 400}, 2, 0, "午", "子"},
    {"a tall plan facing west, its front on the right, has south up", {500, 900}, 1, 270, "午", "子"},
};
// clang-format on

// The images pdfimages lists: "width x height" each.
QStringList pdfImages(const QString &pdf)
{
    QProcess tool;
    tool.start(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf});
    tool.waitForFinished();
    QStringList sizes;
    const QStringList lines = QString::fromUtf8(tool.readAllStandardOutput()).split('\n');
    for (const QString &line : lines.mid(2)) // two lines of header
        if (const QStringList f = line.simplified().split(' '); f.size() > 4)
            sizes << f[3] + 'x' + f[4];
    return sizes;
}

} // namespace

class TestPlanRender : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    // The floor's page: the plan its one picture at its own pixels, the overlay text above it;
    // and the plan's pictures alone.
    void reportFloorPage_data() { addRows(Floors, &Floor::name); }
    void reportFloorPage()
    {
        const Floor &f = current(Floors);
        QTemporaryDir dir;
        const QString bare = dir.filePath("bare.pdf"), pdf = dir.filePath("floors.pdf");
        writeHouseReport(house(), report::MonthOfYear{2, 2025}, bare);
        writeHouseReport(house(), report::MonthOfYear{2, 2025},
                         {{"Ground floor", planPng(f.size), 1, traced(f.size, f.front, f.facing)}},
                         pdf);
        const QList<Word> words = pdfWords(pdf);
        const int page = words.last().page;
        QCOMPARE(page, pdfWords(bare).last().page + 1);
        QCOMPARE(pdfImages(pdf), QStringList{QStringLiteral("%1x%2").arg(f.size.width())
                                                 .arg(f.size.height())});
        for (const char *text : {"Ground", "Kitchen", "NE", "SW", "Missing", "卯", "酉"})
            QVERIFY2(findWord(words, QString::fromUtf8(text), page), text);
        const Word *above = findWord(words, QString::fromUtf8(f.above), page);
        const Word *below = findWord(words, QString::fromUtf8(f.below), page);
        QVERIFY(above && below);
        QCOMPARE_LT(above->bottom, below->top);

        // Pictures of the plan written alone: at the plan's size, the overlay's words as text.
        const store::Plan plan = kept(planPng(f.size));
        const PlanInput input = traced(f.size, f.front, f.facing);
        render::writePlanPicture(plan, input, {}, true, render::PlanFileFormat::Png,
                                 dir.filePath("p.png"));
        QCOMPARE(QImage(dir.filePath("p.png")).size(), f.size);
        render::writePlanPicture(plan, input, {}, false, render::PlanFileFormat::Pdf,
                                 dir.filePath("p.pdf"));
        QCOMPARE(pdfImages(dir.filePath("p.pdf")).size(), 1);
        QVERIFY(findWord(pdfWords(dir.filePath("p.pdf")), QString::fromUtf8(f.above), 1));
    }

    // What cannot be drawn or written is refused with the register's error, naming its kind.
    void refused_data()
    {
        QTest::addColumn<QByteArray>("image");
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("kind");
        const int invalid = int(store::StoreError::Kind::Invalid);
        const int file = int(store::StoreError::Kind::FileError);
        QTest::newRow("a folder that is not there") << planPng({60, 40}) << "none/p.png" << file;
        QTest::newRow("a plan file that is no picture") << QByteArray("plan") << "p.png" << invalid;
    }
    void refused()
    {
        QFETCH(QByteArray, image);
        QFETCH(QString, path);
        QFETCH(int, kind);
        QTemporaryDir dir;
        try {
            render::writePlanPicture(kept(image), traced({60, 40}, 0, 0), {}, false,
                                     render::PlanFileFormat::Png, dir.filePath(path));
            QFAIL("written");
        } catch (const store::StoreError &error) {
            QCOMPARE(int(error.kind()), kind);
        }
        QVERIFY(!QFile::exists(dir.filePath(path)));
    }
};

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    TestPlanRender test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_planrender.moc"
