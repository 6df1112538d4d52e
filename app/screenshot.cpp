// Renders the documentation's pictures of the real windows into a folder, without a display:
// the main window after a calculation (2004, 180, annual stars on for June 2004) as
// main-window.png and the About box as about.png.

#include "icon.h"
#include "platform/application.h"
#include "platform/checkbox.h"
#include "platform/controls.h"
#include "platform/datepicker.h"
#include "platform/launcher.h"
#include "platform/msgbox.h"
#include "platform/printer.h"
#include "platform/registry.h"
#include "platform/services.h"
#include "platform/textbox.h"
#include "ui/about/frmabout.h"
#include "ui/main/frmmain.h"

#include <QApplication>
#include <QDir>
#include <QPushButton>

#include <cstdio>

namespace {

// Nothing is printed or shown in a box while the picture is taken.
class NoPrinter final : public orrindel::platform::Printer
{
public:
    void PrintForm(QWidget &) override {}
};

class NoMsgBox final : public orrindel::platform::MsgBox
{
public:
    void show(QWidget *, const QString &, int, const QString &, const QString &) override {}
};

template <typename T> T &control(const QWidget &form, const char *name)
{
    T *widget = form.findChild<T *>(QString::fromLatin1(name));
    if (!widget) {
        std::fprintf(stderr, "screenshot: no control %s\n", name);
        std::exit(2);
    }
    return *widget;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT-FOLDER\n", argv[0]);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    orrindel::platform::Application::install();
    orrindel::platform::installFontSubstitutes();
    QApplication::setWindowIcon(orrindel::appIcon());

    NoMsgBox msgBox;
    NoPrinter printer;
    const auto registry = orrindel::platform::makeSystemRegistry();
    const auto launcher = orrindel::platform::makeSystemLauncher();
    orrindel::platform::Services services{msgBox, [] {}, printer, *registry, *launcher};

    orrindel::frmMain form(services);
    form.show();
    control<orrindel::platform::TextBox>(form, "txtYear").setText(QStringLiteral("2004"));
    control<orrindel::platform::TextBox>(form, "txtFacing").setText(QStringLiteral("180"));
    control<orrindel::platform::DatePicker>(form, "dtDatePicker").setValue(QDate(2004, 6, 15));
    control<orrindel::platform::GraphicalCheckBox>(form, "chkDate").click();
    control<QPushButton>(form, "btnCalculate").click();
    control<orrindel::platform::TextBox>(form, "txtYear").setFocus();

    // The main window first, while its year box still has the focus.
    const auto save = [&folder, argv](QWidget &window, const char *name) {
        window.show();
        QApplication::processEvents();
        if (window.grab().save(folder.filePath(QString::fromLatin1(name))))
            return true;
        std::fprintf(stderr, "screenshot: cannot write %s in %s\n", name, argv[1]);
        return false;
    };
    if (!save(form, "main-window.png"))
        return 1;
    orrindel::frmAbout about(services);
    if (!save(about, "about.png"))
        return 1;
    return 0;
}
