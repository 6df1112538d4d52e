// Print Chart, from the click to the job accepted by the print server: the form is loaded,
// its page drawn as PDF in memory and sent to a private CUPS scheduler started here.

#include "cupsserver.h"
#include "recorders.h"
#include "standinmain.h"
#include "ui/print/frmprint.h"

#include <QApplication>
#include <QElapsedTimer>

#include <benchmark/benchmark.h>

#include <cstdio>

using namespace orrindel;

namespace {

struct Setup
{
    test::StandInMain window;
    std::unique_ptr<platform::Printer> printer = platform::makeSystemPrinter();
    test::RecordingMsgBox msgBox;

    double printOnce()
    {
        QElapsedTimer timer;
        timer.start();
        frmPrint form(window, *printer, msgBox);
        form.Form_Load();
        return double(timer.nsecsElapsed()) / 1e6;
    }
};

Setup *setup = nullptr;

void printChart(benchmark::State &state)
{
    for (auto _ : state) {
        frmPrint form(setup->window, *setup->printer, setup->msgBox);
        form.Form_Load();
    }
    if (!setup->msgBox.calls.isEmpty())
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
    if (!cups.ok()) {
        std::fprintf(stderr, "private CUPS server: %s\n", qPrintable(cups.error()));
        return 1;
    }
    Setup state;
    state.window.showChart(QStringLiteral("2004"), QStringLiteral("90.50"));
    setup = &state;

    // The user's first press pays for loading fonts and connecting to the server.
    const double first = state.printOnce();
    std::printf("first Print Chart, click to job accepted: %.1f ms (target under 300 ms)\n", first);

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    cups.waitUntilIdle();
    const QList<int> jobs = cups.jobs();
    if (!jobs.isEmpty())
        std::printf("page sent: %lld bytes (target under 100 KB)\n",
                    static_cast<long long>(cups.document(jobs.last()).size()));
    return state.msgBox.calls.isEmpty() ? 0 : 1;
}
