// Orrindel starts on its main window and ends when that window closes.

#include "app/icon.h"
#include "platform/application.h"
#include "platform/controls.h"
#include "platform/fontpreload.h"
#include "platform/msgbox.h"
#include "platform/printer.h"
#include "platform/services.h"
#include "platform/style.h"
#include "platform/system/launcher.h"
#include "platform/system/registry.h"
#include "store/house.h"
#include "translations/language.h"
#include "ui/main/frmmain.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QTextStream>

#include <optional>

namespace {

constexpr int BadCommandLine = 2;

// Reads the command line before any window system is touched, so that --help and
// --version answer on a machine without a display. Returns the exit status when the
// program should end here. The house register's file, when given, goes to databaseOption.
std::optional<int> readCommandLine(int &argc, char *argv[], orrindel::Translation &translation,
                                   QString &databaseOption)
{
    const QCoreApplication core(argc, argv);
    translation.install();
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QCoreApplication::translate("main", "Works out the Xuan Kong flying star chart of a "
                                            "building in a window.\n"
                                            "orrindel-chart prints the same chart on the "
                                            "command line."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption databaseOptionSpec(
        QStringLiteral("database"),
        QCoreApplication::translate("main", "Keep the house register in FILE."),
        QStringLiteral("FILE"));
    parser.addOption(databaseOptionSpec);
    // Qt's own options (-platform, -style, -session from a session manager, ...) are the
    // window system's: accepted here, unlisted, and left for QApplication to take.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const char *name : {"platform", "platformpluginpath", "platformtheme", "plugin",
                             "qwindowgeometry", "qwindowicon", "qwindowtitle", "session", "style",
                             "stylesheet", "display", "geometry", "title", "name"}) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char *name : {"reverse", "widgetcount", "nograb", "dograb", "sync"}) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    QString error;
    if (!parser.parse(QCoreApplication::arguments())) {
        error = parser.errorText();
    } else {
        // Help and version win over the rest; process() prints them and ends the program.
        parser.process(QCoreApplication::arguments());
        databaseOption = parser.value(databaseOptionSpec);
        if (parser.positionalArguments().isEmpty())
            return std::nullopt;
        error = QCoreApplication::translate("main", "Unexpected argument '%1'.")
                    .arg(parser.positionalArguments()[0]);
    }
    QTextStream(stderr)
        << "orrindel: "
        << QCoreApplication::translate("main", "%1 Try 'orrindel --help'.").arg(error) << "\n";
    return BadCommandLine;
}

} // namespace

int main(int argc, char *argv[])
{
    orrindel::platform::Application::install();
    // Only the desktop's language is loaded, and nothing at all for English.
    orrindel::Translation translation(orrindel::systemLanguage());
    // A plain start has no command line to read, and skips the extra application object.
    QString databaseOption;
    if (argc > 1) {
        if (const std::optional<int> status =
                readCommandLine(argc, argv, translation, databaseOption))
            return *status;
    }

    orrindel::platform::FontPreload fonts;
    QApplication app(argc, argv);
    fonts.wait();
    translation.install();
    // Before the first window: its menu bar asks the style for an icon as it is made.
    QApplication::setStyle(
        new orrindel::platform::DeferredIconStyle(QApplication::style()->name()));
    QApplication::setWindowIcon(orrindel::appIcon());
    orrindel::platform::installFontSubstitutes(orrindel::cjkFontRegion(translation.language()));

    orrindel::platform::QtMsgBox msgBox;
    const std::unique_ptr<orrindel::platform::Printer> printer =
        orrindel::platform::makeSystemPrinter();
    const std::unique_ptr<orrindel::platform::Registry> registry =
        orrindel::platform::makeSystemRegistry();
    const std::unique_ptr<orrindel::platform::Launcher> launcher =
        orrindel::platform::makeSystemLauncher();
    orrindel::platform::Services services{msgBox,    &orrindel::platform::Application::Beep,
                                          *printer,  *registry,
                                          *launcher, orrindel::store::databasePath(databaseOption)};

    // Loading the start-up form runs its Form_Load; closing it by any route unloads it,
    // and with no other window left the event loop ends.
    orrindel::frmMain form(services);
    form.show();
    return app.exec();
}
