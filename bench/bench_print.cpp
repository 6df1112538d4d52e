// Print Chart, from the click to the job accepted by the print server: the main window
// loads the print form, whose page is drawn as PDF in memory and sent to a private CUPS
// scheduler started here.

#include "cupsserver.h"
#include "support/doubles.h"
#include "ui/main/frmmain.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>

#include <benchmark/benchmark.h>

#include <cstdio>

using namespace orrindel;

namespace {

// The main window with a chart on it, the real printer and doubles for the rest, driven
// through its controls as a user drives it.
struct Window
{
    std::unique_ptr<platform::Printer> printer = platform::makeSystemPrinter();
    test::RecordingMsgBox msgBox;
    test::FakeRegistry registry;
    test::NoLauncher launcher;
    platform::Services services{msgBox, [] {}, *printer, registry, launcher};
    frmMain form{services};
    QPushButton *btnPrint = form.findChild<QPushButton *>(QStringLiteral("btnPrint"));

    Window()
    {
        form.findChild<QLineEdit *>(QStringLiteral("txtYear"))->setText(QStringLiteral("2004"));
        form.findChild<QLineEdit *>(QStringLiteral("txtFacing"))->setText(QStringLiteral("90.50"));
        form.findChild<QPushButton *>(QStringLiteral("btnCalculate"))->click();
    }
    double printOnce()
    {
        QElapsedTimer timer;
        timer.start();
        btnPrint->click();
        return double(timer.nsecsElapsed()) / 1e6;
    }
};

Window *window = nullptr;

void printChart(benchmark::State &state)
{
    for (auto _ : state)
        window->btnPrint->click();
    if (!window->msgBox.boxes.empty())
        state.SkipWithError("the print failed");
}
BENCHMARK(printChart)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(30);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    platform::installFontSubstitutes();
    test::CupsServer cups;
    if (!cups.open()) {
        std::fputs("the private CUPS server did not start\n", stderr);
        return 1;
    }
    Window state;
    if (!state.btnPrint->isEnabled()) {
        std::fprintf(stderr, "no chart to print\n");
        return 1;
    }
    window = &state;

    // The user's first press pays for loading fonts and connecting to the server.
    const double first = state.printOnce();
    std::printf("first Print Chart, click to job accepted: %.1f ms (target under 300 ms)\n", first);

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    // The queue holds every job until it is released; the last one shows the page's size.
    cups.newJobs();
    if (const QString page = cups.release(); !page.isEmpty())
        std::printf("page sent: %lld bytes (target under 100 KB)\n",
                    static_cast<long long>(QFileInfo(page).size()));
    return state.msgBox.boxes.empty() ? 0 : 1;
}
