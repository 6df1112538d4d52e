// Renders the documentation's pictures of the real windows into a folder, without a display:
// the main window after a calculation (2004, 180, annual stars on for June 2004) as
// main-window.png, the About box as about.png, and the Chart Details window of a leaning
// bearing with both grids and the monthly stars (2004, 187, June 2026) as chart-details.png;
// the house register with a few houses as houses.png, and the report of one of them, for June
// 2026, as house-report.pdf.

#include "app/icon.h"
#include "platform/application.h"
#include "platform/checkbox.h"
#include "platform/controls.h"
#include "platform/datepicker.h"
#include "platform/textbox.h"
#include "support/doubles.h"
#include "translations/language.h"
#include "ui/about/frmabout.h"
#include "ui/details/chartdetails.h"
#include "ui/houses/houseregister.h"
#include "ui/main/frmmain.h"
#include "ui/print/housereport.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QTemporaryDir>

#include <cstdio>

namespace {

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
    // The solar month's times as the almanacs give them, in China Standard Time, wherever
    // the picture is drawn.
    qputenv("TZ", "Asia/Shanghai");
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT-FOLDER\n", argv[0]);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    orrindel::platform::Application::install();
    // In the desktop's language, as the program shows it.
    orrindel::Translation translation(orrindel::systemLanguage());
    translation.install();
    orrindel::platform::installFontSubstitutes(orrindel::cjkFontRegion(translation.language()));
    QApplication::setWindowIcon(orrindel::appIcon());

    // Nothing is printed, shown in a box, read from the registry or started meanwhile.
    orrindel::test::TestServices doubles;
    orrindel::platform::Services &services = doubles.services;

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

    // The details window opened from its menu item, following the main window's chart.
    control<orrindel::platform::TextBox>(form, "txtFacing").setText(QStringLiteral("187"));
    control<orrindel::platform::DatePicker>(form, "dtDatePicker").setValue(QDate(2026, 6, 15));
    control<QPushButton>(form, "btnCalculate").click();
    control<QAction>(form, "mnuFileDetails").trigger();
    auto &details = control<orrindel::ChartDetails>(form, "ChartDetails");
    details.resize(details.sizeHint());
    if (!save(details, "chart-details.png"))
        return 1;

    // The register on a file of its own, holding a practitioner's few houses.
    const QTemporaryDir kept;
    services.databasePath = kept.filePath(QStringLiteral("houses.sqlite"));
    const orrindel::store::House houses[] = {
        {0,
         "Mrs Eleanor O'Hara",
         "12 High Street, Oxford",
         "2004",
         "180",
         QDate(2026, 3, 4),
         "Front door on the river side.",
         {},
         {}},
        {0, "Li Wei", "3 Mill Lane", "1990", "52", QDate(2025, 11, 20), "", {}, {}},
        {0,
         "Chen family",
         "The Old Mill",
         "2017",
         "187.5",
         QDate(2026, 6, 1),
         "Garden faces south; pond in the east.",
         {},
         {}},
    };
    for (const orrindel::store::House &house : houses)
        orrindel::store::HouseStore(services.databasePath).add(house);
    control<QAction>(form, "mnuFileHouses").trigger();
    if (!save(control<orrindel::HouseRegister>(form, "HouseRegister"), "houses.png"))
        return 1;
    orrindel::writeHouseReport(houses[0], orrindel::report::MonthOfYear{6, 2026},
                               folder.filePath(QStringLiteral("house-report.pdf")));
    return 0;
}
