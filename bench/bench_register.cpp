// The register window at 10,000 houses: opening it, one keystroke in its search field (the
// filter and the table's repaint), and one PDF report. Run without a display.

#include "platform/msgbox.h"
#include "store/house.h"
#include "ui/houses/houseregister.h"
#include "ui/print/housereport.h"

#include <QApplication>
#include <QLineEdit>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace orrindel;

namespace {

constexpr int Houses = 10000;

struct SilentMsgBox final : platform::MsgBox
{
    void show(QWidget *, const QString &, int, const QString &, const QString &) override {}
    bool confirm(QWidget *, const QString &, const QString &) override { return true; }
};

store::House sample(int i)
{
    store::House house;
    house.client = QStringLiteral("Client %1 Wong").arg(i);
    house.label = QStringLiteral("%1 Hill Road, Block %2").arg(i).arg(i % 97);
    house.year = QString::number(1900 + i % 127);
    house.facing = QString::number(i % 360);
    house.measured = QDate(2026, 1, 1).addDays(-(i % 900));
    house.notes =
        QStringLiteral("Front door on the left; water feature in the east. Visit %1.").arg(i);
    return house;
}

const QString &registerPath()
{
    static const QTemporaryDir dir;
    static const QString path = [] {
        const QString file = dir.filePath("houses.sqlite");
        QList<store::House> houses;
        for (int i = 0; i < Houses; ++i)
            houses.append(sample(i));
        store::HouseStore(file).addAll(houses);
        return file;
    }();
    return path;
}

void openWindow(benchmark::State &state)
{
    SilentMsgBox msgBox;
    for (auto _ : state) {
        HouseRegister window(registerPath(), msgBox, {});
        window.show();
        QApplication::processEvents();
    }
}
BENCHMARK(openWindow)->Unit(benchmark::kMillisecond);

// Typing one letter after another, then taking it back: each step is one keystroke.
void keystroke(benchmark::State &state)
{
    SilentMsgBox msgBox;
    HouseRegister window(registerPath(), msgBox, {});
    window.show();
    QApplication::processEvents();
    auto *search = window.findChild<QLineEdit *>(QStringLiteral("search"));
    const QString typed = QStringLiteral("wong 12");
    int at = 0;
    for (auto _ : state) {
        at = (at + 1) % (2 * typed.size());
        const int length = at <= typed.size() ? at : 2 * typed.size() - at;
        search->setText(typed.left(length));
        QApplication::processEvents();
    }
}
BENCHMARK(keystroke)->Unit(benchmark::kMillisecond);

void pdfReport(benchmark::State &state)
{
    const QTemporaryDir dir;
    const store::House house = sample(7);
    for (auto _ : state)
        writeHouseReport(house, report::MonthOfYear{6, 2026}, dir.filePath("report.pdf"));
}
BENCHMARK(pdfReport)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
