#include "orrindel_houses.h"
#include "translations/language.h"

#include "platform/fonts/fonts.h"
#include "render/housereport.h"

#include <QGuiApplication>

namespace {

QtMessageHandler qtHandler = nullptr;

// Qt notes on standard error that it made up a runtime folder (as for root, who has none): the
// tool's own problems stay one line each, and that note is none of the user's concern.
void withoutRuntimeFolderNote(QtMsgType type, const QMessageLogContext &context,
                              const QString &message)
{
    if (type == QtWarningMsg && message.startsWith(QLatin1String("QStandardPaths: ")))
        return;
    qtHandler(type, context, message);
}

} // namespace

int main(int argc, char *argv[])
{
    orrindel::Translation translation(orrindel::systemLanguage());
    // A report needs fonts and a painter, so the tool is a GUI application; on the offscreen
    // platform, which opens no display and costs nothing until a font is asked for, so that
    // every command runs alike with a display or without one. The commands are parsed once,
    // by runHouses; nothing here guesses at them.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qtHandler = qInstallMessageHandler(withoutRuntimeFolderNote);
    QGuiApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("orrindel-houses"));
    translation.install();
    // Chinese in the language's own face, as the window draws it.
    orrindel::platform::installFontSubstitutes(orrindel::cjkFontRegion(translation.language()));
    QTextStream out(stdout);
    QTextStream err(stderr);
    const HouseReportWriter writeReport = [](const orrindel::store::House &house,
                                             const std::optional<orrindel::report::MonthOfYear> &month,
                                             const std::vector<orrindel::report::FloorPlan> &floors,
                                             const QString &path) {
        orrindel::writeHouseReport(house, month, floors, path);
    };
    const PlanRenderer renderPlan = [](const orrindel::store::House &house,
                                       const orrindel::store::Plan &plan,
                                       const PlanRenderRequest &request) {
        orrindel::writeHousePlan(house, plan, request.annual, request.grid,
                                 request.pdf ? orrindel::render::PlanFileFormat::Pdf
                                             : orrindel::render::PlanFileFormat::Png,
                                 request.file);
    };
    return runHouses(QCoreApplication::arguments(), out, err, writeReport, renderPlan);
}
