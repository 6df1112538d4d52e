// Orrindel in Simplified and Traditional Chinese and in English: which language a desktop's
// list picks, and the windows in each as a person and a screen reader meet them.

#include "app/icon.h"
#include "support/doubles.h"
#include "support/table.h"
#include "translations/language.h"
#include "ui/about/frmabout.h"
#include "ui/details/chartdetails.h"
#include "ui/houses/houseform.h"
#include "ui/houses/houseregister.h"
#include "ui/main/frmmain.h"
#include "ui/plan/floorplanwindow.h"
#include "ui/print/frmprint.h"

#include <QAccessible>
#include <QDateTimeEdit>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextLayout>
#include <QToolButton>
#include <QtTest>

using namespace orrindel;
using namespace orrindel::test;
using L = Language;

// clang-format off
const std::tuple<const char *, QStringList, Language> Choices[] = {
    {"plain zh", {"zh"}, L::SimplifiedChinese}, {"zh-Hans-CN", {"zh-Hans-CN"}, L::SimplifiedChinese},
    {"zh_SG", {"zh_SG"}, L::SimplifiedChinese}, {"zh_CN.UTF-8", {"zh_CN.UTF-8"}, L::SimplifiedChinese},
    {"zh-Hant", {"zh-Hant"}, L::TraditionalChinese}, {"zh_TW", {"zh_TW"}, L::TraditionalChinese},
    {"zh-HK", {"zh-HK"}, L::TraditionalChinese}, {"zh_MO.UTF-8@x", {"zh_MO.UTF-8@x"}, L::TraditionalChinese},
    {"script over region", {"zh-Hans-HK"}, L::SimplifiedChinese}, {"ZH-tw", {"ZH-tw"}, L::TraditionalChinese},
    {"English first", {"en-GB", "zh-CN"}, L::English}, {"others skipped", {"fr-FR", "ja", "zh-TW", "en"}, L::TraditionalChinese},
    {"neither", {"de-DE", "fr"}, L::English}, {"empty", {}, L::English}, {"C", {"C", "zh"}, L::SimplifiedChinese},
    {"not zh", {"zha", "en"}, L::English}};
// A language, the Calculate button's caption in it, the year box's name for a screen reader and
// the face its characters are drawn in beside a star's Latin digit.
const std::tuple<const char *, Language, QString, QString, QString> Windows[] = {
    {"zh_CN", L::SimplifiedChinese, "计算(&C)", "建造年份：", "Noto Serif CJK SC"}, {"zh_TW", L::TraditionalChinese, "計算(&C)", "建造年份：", "Noto Serif CJK TC"}, {"de: English", languageFor({"de"}), "&Calculate", "Year of Construction:", ""}};
// clang-format on

// Every caption, tip and name a window shows or gives a screen reader, by window and object.
QMap<QString, QString> texts(QWidget &window)
{
    const QString form = window.metaObject()->className() + QString(' ');
    QMap<QString, QString> all{{form, window.windowTitle()}};
    int unnamed = 0;
    for (QWidget *w : window.findChildren<QWidget *>()) {
        const QString id =
            form + (w->objectName().isEmpty() ? QString::number(unnamed++) : w->objectName());
        if (auto *label = qobject_cast<QLabel *>(w); label && !label->text().isEmpty())
            all[id] = label->text();
        if (auto *button = qobject_cast<QAbstractButton *>(w))
            all[id] = button->text();
        all[id + " tip"] = w->toolTip();
        all[id + " name"] = QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name);
    }
    for (QMenu *menu : window.findChildren<QMenu *>()) {
        QList<QAction *> items = menu->actions();
        for (QAction *item : items << menu->menuAction())
            all[form + menu->objectName() + item->objectName()] = item->text();
    }
    return all;
}

// Whether a label or button shows its whole caption in its fixed place.
bool fits(const QWidget *w)
{
    const auto *label = qobject_cast<const QLabel *>(w);
    const auto *button = qobject_cast<const QAbstractButton *>(w);
    if ((!label && !button) || (label && label->wordWrap()))
        return !label || label->heightForWidth(label->width()) <= label->height();
    const QSize size =
        QFontMetrics(w->font()).size(Qt::TextShowMnemonic, label ? label->text() : button->text());
    // A push button's frame takes a few pixels; the graphical check box draws its own.
    const int margin = w->metaObject() == &QPushButton::staticMetaObject ? 8 : 0;
    return size.width() + margin <= w->width() && size.height() <= w->height();
}

// A 1920 x 1080 screen at scale 2 in logical pixels, less a title bar and a panel; 1366 x 768
// at scale 1 is larger.
constexpr QSize SmallScreen(960, 490);

// A hidden widget that a layout places has no place to fit; one of a fixed form keeps its own.
bool hiddenInLayout(const QWidget *w, const QWidget &window)
{
    return w->parentWidget()->layout() && !w->isVisibleTo(&window);
}

class TestI18n : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        qputenv("TZ", "UTC"); // the Details window's times; UTC is written so in any language
        platform::installFontSubstitutes();
    }
    void choice_data() { addRows(Choices); }
    void choice() { QCOMPARE(languageFor(get<1>(current(Choices))), get<2>(current(Choices))); }

    // The windows in each language: in Chinese no English word is left, every caption is
    // whole at any scale and the access keys are those of English; a language without a
    // translation is today's English, byte for byte.
    void windows_data() { addRows(Windows); }
    void windows()
    {
        const auto &[tag, language, calculate, year, cjkFace] = current(Windows);
        TestServices d;
        QApplication::setWindowIcon(orrindel::appIcon());
        const auto build = [&d](auto &&visit) {
            frmMain main(d.services);
            main.findChild<QLineEdit *>("txtYear")->setText("2004");
            main.findChild<QLineEdit *>("txtFacing")->setText("180");
            main.findChild<QPushButton *>("btnCalculate")->click();
            frmAbout about(d.services);
            frmPrint page({"2004", "180", {}, {}, {}}, &main, d.printer, d.msgBox);
            ChartDetails details; // leaning, on the line, with the monthly stars: all it says
            details.showChart(report::ChartRequest{2026, "187", report::MonthOfYear{12, 2026}});
            details.findChild<QDateTimeEdit *>()->setDateTime({{2026, 12, 20}, {12, 0}}); // not now
            details.show();
            // The palace with the longest line is shown whole: it wraps and still fits.
            const auto palaces = details.findChildren<QToolButton *>(QRegularExpression("^palace"));
            std::ranges::max(palaces, {}, [](auto *p) {
                return p->accessibleDescription().size();
            })->click();
            const QTemporaryDir dir; // an empty register, and the form that saves its first house
            HouseRegister houses(dir.filePath("houses.sqlite"), d.msgBox, {});
            store::House house;
            house.year = "2004", house.facing = "180";
            HouseForm form(house, HouseForm::Purpose::SaveShown, true, nullptr);
            houses.show(), form.show();
            // A floor traced with a room, its palace table filled, in a register of its own.
            store::HouseStore planned(dir.filePath("plans.sqlite"));
            store::House client;
            client.client = "李", client.year = "2004", client.facing = "180";
            client.id = planned.add(client);
            QImage(400, 300, QImage::Format_RGB32).save(dir.filePath("plan.png"));
            FloorPlanWindow plan(planned, client, d.msgBox);
            plan.setAsk({[&dir](QWidget *) { return dir.filePath("plan.png"); }, {}, {}});
            plan.addPlan();
            PlanInput traced = plan.canvas().plan();
            traced.outline = {{20, 20}, {380, 20}, {380, 280}, {20, 280}};
            traced.front = 2;
            traced.rooms = {{"Bedroom", {{20, 20}, {200, 20}, {200, 150}, {20, 150}}}};
            plan.apply(plan.shownPlan(), traced);
            plan.show();
            for (QWidget *window : std::initializer_list<QWidget *>{&main, &about, &page, &details,
                                                                     &houses, &form, &plan})
                visit(*window);
        };
        QMap<QString, QString> english, shown;
        build([&english](QWidget &w) { english.insert(texts(w)); });
        Translation translation(language);
        translation.install();
        platform::installFontSubstitutes(cjkFontRegion(language));
        build([&shown](QWidget &window) {
            shown.insert(texts(window)); // before a tab raised changes the order of the unnamed
            // The Details window opens within a small screen, and at its least size every tab
            // still shows all it says.
            auto *tabs = window.findChild<QTabWidget *>();
            if (tabs) {
                for (const QSize size : {window.size(), window.minimumSize()})
                    QVERIFY2(size.boundedTo(SmallScreen) == size,
                             qPrintable(QDebug::toString(size)));
                window.resize(window.minimumSize());
            }
            for (int tab = 0; tab < (tabs ? tabs->count() : 1); ++tab) {
                if (tabs)
                    tabs->setCurrentIndex(tab);
                QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
                for (const QWidget *w : window.findChildren<QWidget *>())
                    QVERIFY2(hiddenInLayout(w, window) || fits(w), qPrintable(w->objectName()));
            }
        });
        QCOMPARE(shown == english, language == L::English);
        const frmMain main(d.services);
        // At a size of the row's own: Qt keeps the faces of each size it has drawn in.
        QFont font = main.findChild<QLabel *>("lblTime(4)")->font();
        QFETCH(int, row);
        font.setPointSizeF(font.pointSizeF() + row + 1);
        QTextLayout star(QStringLiteral("9 南"), font);
        star.beginLayout();
        star.createLine();
        star.endLayout();
        QStringList faces;
        for (const QGlyphRun &run : star.glyphRuns())
            faces << run.rawFont().familyName();
        QVERIFY2(faces.contains("Liberation Serif"), qPrintable(faces.join(", ")));
        QVERIFY2(cjkFace.isEmpty() || faces.contains(cjkFace), qPrintable(faces.join(", ")));
        QCOMPARE(shown.value("orrindel::frmMain btnCalculate"), calculate);
        QCOMPARE(shown.value("orrindel::frmMain txtYear name"), year);
        for (auto [name, text] : shown.asKeyValueRange()) {
            QCOMPARE(QKeySequence::mnemonic(text), QKeySequence::mnemonic(english.value(name)));
            const QRegularExpression word("[A-Za-z]{2}");
            // A shortcut shown as a tip is the keyboard's own names, as Qt gives them.
            const bool keys = !text.isEmpty() &&
                QKeySequence(text, QKeySequence::NativeText).toString(QKeySequence::NativeText) == text;
            QVERIFY2(language == L::English || keys ||
                         !text.remove("Orrindel").remove("UTC").remove("Ctrl+Z").contains(word),
                     qPrintable(name + ": " + text));
        }
        // Qt's own translation: the standard buttons of the message boxes.
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "OK") == "OK",
                 language == L::English);
    }
};

QTEST_MAIN(TestI18n)
#include "test_i18n.moc"
