// Orrindel in Simplified and Traditional Chinese and in English: which language a desktop's
// list picks, and the windows in each, read as a person and a screen reader meet them.

#include "support/doubles.h"
#include "support/table.h"
#include "translations/language.h"
#include "ui/about/frmabout.h"
#include "ui/main/frmmain.h"
#include "ui/print/frmprint.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QLineEdit>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
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
// A language, the Calculate button's caption and a star's name for a screen reader.
const std::tuple<const char *, Language, QString, QString> Windows[] = {
    {"zh_CN", L::SimplifiedChinese, "计算(&C)", "运星，中"}, {"zh_TW", L::TraditionalChinese, "計算(&C)", "運星，中"},
    {"de: English", languageFor({"de"}), "&Calculate", "Time star, centre"}};
// A LANGUAGE, the window program's arguments and what its output holds.
const std::tuple<const char *, QString, QString> Runs[] = {
    {"zh_CN", "--help", "在窗口中计算建筑物的玄空飞星盘。"}, {"zh_CN", "--help", "显示"},
    {"zh_TW:en", "a", "orrindel: 未預期的引數「a」。 請嘗試「orrindel --help」。\n"},
    {"pt_BR:de", "a", "orrindel: Unexpected argument 'a'. Try 'orrindel --help'.\n"}};
// clang-format on

// Every caption, tip and name a window shows or gives a screen reader, by window and object.
QMap<QString, QString> texts(QWidget &window)
{
    const QString form = window.metaObject()->className() + QString(' ');
    QMap<QString, QString> all{{form, window.windowTitle()}};
    for (QWidget *w : window.findChildren<QWidget *>()) {
        const QString name = form + w->objectName();
        if (auto *label = qobject_cast<QLabel *>(w); label && !label->text().isEmpty())
            all[name] = label->text();
        if (auto *button = qobject_cast<QAbstractButton *>(w))
            all[name] = button->text();
        all[name + " tip"] = w->toolTip();
        if (QAccessibleInterface *reader = QAccessible::queryAccessibleInterface(w))
            all[name + " name"] = reader->text(QAccessible::Name);
    }
    if (auto *bar = window.findChild<QMenuBar *>()) {
        for (QAction *menu : bar->actions()) {
            all[form + menu->menu()->objectName()] = menu->text();
            for (QAction *item : menu->menu()->actions())
                all[form + item->objectName()] = item->text();
        }
    }
    return all;
}

// Whether a label or button shows its whole caption in its fixed place.
bool fits(const QWidget *w)
{
    const auto *label = qobject_cast<const QLabel *>(w);
    const auto *button = qobject_cast<const QAbstractButton *>(w);
    if (label && label->wordWrap())
        return label->heightForWidth(label->width()) <= label->height();
    if (!label && !button)
        return true;
    const QString text = label ? label->text() : button->text();
    const QSize size = QFontMetrics(w->font()).size(Qt::TextShowMnemonic, text);
    // A push button's frame takes a few pixels; the graphical check box draws its own.
    const int margin = w->metaObject() == &QPushButton::staticMetaObject ? 8 : 0;
    return size.width() + margin <= w->width() && size.height() <= w->height();
}

class TestI18n : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { platform::installFontSubstitutes(); }
    void choice_data() { addRows(Choices); }
    void choice()
    {
        QCOMPARE(languageFor(std::get<1>(current(Choices))), std::get<2>(current(Choices)));
    }

    // Each window in the language: the captions its own (in Chinese no English word is
    // left), every one whole at any scale, and the access keys those of English.
    void windows_data() { addRows(Windows); }
    void windows()
    {
        const auto &[tag, language, calculate, star] = current(Windows);
        TestServices d;
        const auto build = [&d](auto &&visit) {
            frmMain main(d.services);
            main.findChild<QLineEdit *>("txtYear")->setText("2004");
            main.findChild<QLineEdit *>("txtFacing")->setText("180");
            main.findChild<QPushButton *>("btnCalculate")->click();
            frmAbout about(d.services);
            frmPrint page({"2004", "180", {}, {}, {}}, &main, d.printer, d.msgBox);
            for (QWidget *window : std::initializer_list<QWidget *>{&main, &about, &page})
                visit(*window);
        };
        QMap<QString, QString> english;
        build([&](QWidget &w) { english.insert(texts(w)); });
        Translation translation(language);
        translation.install();
        platform::installFontSubstitutes(cjkFontRegion(language));
        build([&](QWidget &window) {
            for (const QWidget *w : window.findChildren<QWidget *>())
                QVERIFY2(fits(w), qPrintable(w->objectName()));
            const QMap<QString, QString> shown = texts(window);
            for (auto [name, text] : shown.asKeyValueRange()) {
                QCOMPARE(QKeySequence::mnemonic(text), QKeySequence::mnemonic(english.value(name)));
                if (language != L::English)
                    QVERIFY2(!QString(text)
                                  .remove("Orrindel")
                                  .contains(QRegularExpression("[A-Za-z]{2}")),
                             qPrintable(name + ": " + text));
            }
            if (window.objectName() == "frmMain") {
                QCOMPARE(shown.value("orrindel::frmMain btnCalculate"), calculate);
                QCOMPARE(shown.value("orrindel::frmMain lblTime(0) name"), star);
            }
        });
        // A language without a translation is today's English, byte for byte.
        QMap<QString, QString> now;
        build([&now](QWidget &w) { now.insert(texts(w)); });
        QCOMPARE(now == english, language == L::English);
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "OK") == "OK",
                 language == L::English);
    }

    // The window program under the desktop's language, as the shell starts it.
    void commandLine_data() { addRows(Runs); }
    void commandLine()
    {
        const auto &[language, arguments, expected] = current(Runs);
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("LANGUAGE", language);
        environment.remove("DISPLAY");
        program.setProcessEnvironment(environment);
        program.start(ORRINDEL_BINARY, {arguments});
        QVERIFY(program.waitForFinished());
        QVERIFY2(QString::fromUtf8(program.readAll() + program.readAllStandardError())
                     .contains(expected),
                 qPrintable(expected));
    }
};

QTEST_MAIN(TestI18n)
#include "test_i18n.moc"
