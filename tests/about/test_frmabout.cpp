// The About box as the user meets it: the registry reader, the routes of System Info through
// the registry, the file test and the desktop's own viewer, its keys, and what a screen
// reader hears.

#include "engine/runtimeerror.h"
#include "app/icon.h"
#include "support/doubles.h"
#include "support/table.h"
#include "ui/about/frmabout.h"

#include <QAccessible>
#include <QtTest>

using namespace orrindel;
using namespace orrindel::test;
using namespace std::literals;
using Value = FakeRegistry::Value;
using Entry = std::optional<Value>; // nullopt: no key

// A value of type 0 is stored under another name: the key without the value.
const Entry NoKey, NoValue = Value{0, {}};
const int NotRead = 0, Read = 1, Invalid = RuntimeError::InvalidProcedureCall;
const std::string A1023(1023, 'a');

// clang-format off
// A value read over the text "before": read, not read or the error raised; the text after.
const std::tuple<const char *, Entry, int, std::string> Values[] = {
    {"string and zero", Value{1, "C:\\x.exe\0"s}, Read, "C:\\x.exe"}, {"string, no zero", Value{1, "C:\\Tools"}, Read, "C:\\Tools"},
    {"zero bytes", Value{1, ""}, Invalid, "before"}, {"number", Value{4, "\x78\x56\x34\x12"}, Read, "305419896"},
    {"number, high 0", Value{4, "\x10\0\0\0"s}, Read, "16"}, {"binary", Value{3, "\1\2\3"}, Read, "before"},
    {"1024 bytes", Value{1, A1023 + '\0'}, Read, A1023}, {"1025 bytes", Value{1, A1023 + "bc"}, NotRead, ""},
    {"missing value", NoValue, NotRead, ""}, {"missing key", NoKey, NotRead, ""}};
// clang-format on

// clang-format off
// The key pressed (before the colon): Return and Esc press OK, which ends the box; Alt+S presses
// System Info. Then the tool's path (taken unchecked: a hidden file is no file to the file test),
// its folder, which must hold the tool, the programs in the folder; and what ran, "" for the
// message.
const QString Tool = "f\\MSINFO32.EXE", Gnome = "gnome-control-center";
const QStringList All{".t", Tool, "hardinfo", Gnome, "kinfocenter"};
const std::tuple<const char *, QString, QString, QStringList, QString> Keys[] = {
    {"Return: OK", ".t", "f", All, ""}, {"Esc: OK", ".t", "f", All, ""},
    {"Alt+S: first unchecked", ".t", "f", All, "[.t]"}, {"Alt+S: folder holds it", "", "f", All, "[" + Tool + "]"},
    {"Alt+S: folder lacks it", "", "g", {Tool}, ""}, {"Alt+S: fails to start", "f", "", All, ""},
    {"Alt+S: first 0 bytes", "0", "f", All, ""}, {"Alt+S: KDE's viewer", "", "-", All, "[kinfocenter]"},
    {"Alt+S: GNOME's About", "", "", {"hardinfo", Gnome}, "[gnome-control-center][about]"},
    {"Alt+S: hardinfo", "", "", {"hardinfo"}, "[hardinfo]"}, {"Alt+S: nothing", "", "", {}, ""}};
// clang-format on

// Stand-in programs live in one folder, emptied for every row, which is also all of PATH.
// Each leaves a file there named "=" and its name and arguments, each in brackets.
class TestFrmAbout : public QObject
{
    Q_OBJECT
    QTemporaryDir m_bin;
    std::optional<TestServices> d;

    // A stand-in file's path as a string value; "": no key, "-": no value, "0": zero bytes.
    Entry entry(const QString &file) const
    {
        if (file.isEmpty() || file == "-")
            return file.isEmpty() ? NoKey : NoValue;
        return Value{1, file == "0" ? "" : m_bin.filePath(file).toStdString()};
    }
    void install(const char *key, const char *name, const Entry &entry)
    {
        if (entry)
            d->registry.keys[key][entry->type ? name : "other"] = *entry;
    }
    void program(const QString &name)
    {
        QFile file(m_bin.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("#!/bin/sh\n: >\"${0%/*}/=$(printf '[%s]' \"${0##*/}\" \"$@\")\"\n");
        QVERIFY(file.setPermissions(file.permissions() | QFile::ExeOwner));
    }
    QString ran() const { return QDir(m_bin.path()).entryList({"=*"}).join("").mid(1); }

private slots:
    void initTestCase()
    {
        platform::installFontSubstitutes();
        QApplication::setWindowIcon(appIcon()); // what the picture box shows
    }
    void init()
    {
        d.emplace();
        QDir(m_bin.path()).removeRecursively();
        QVERIFY(QDir().mkpath(m_bin.path()) && qputenv("PATH", m_bin.path().toLocal8Bit()));
    }

    void getKeyValue_data() { addRows(Values); }
    void getKeyValue()
    {
        const auto &[name, entry, outcome, after] = current(Values);
        install("SOFTWARE\\Test", "Value", entry);
        frmAbout dialog(d->services);
        QString text = "before";
        int seen = NotRead;
        const int error = errorOf([&] {
            seen = dialog.GetKeyValue(platform::HKeyLocalMachine, "SOFTWARE\\Test", "Value", text);
        });
        QCOMPARE(error ? error : seen, outcome);
        QCOMPARE(text, QString::fromStdString(after));
        QCOMPARE(int(d->registry.open.size()) + d->registry.badCalls, 0);
    }

    void keys_data() { addRows(Keys); }
    void keys()
    {
        const auto &[name, first, second, installed, ran] = current(Keys);
        const QString keys = QString(name).section(':', 0, 0);
        install("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH", entry(first));
        install("SOFTWARE\\Microsoft\\Shared Tools Location", "MSINFO", entry(second));
        for (const QString &name : installed)
            program(name);
        const auto launcher = platform::makeSystemLauncher();
        platform::Services services{d->msgBox, [] {}, d->printer, d->registry, *launcher};
        frmAbout dialog(services);
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        const bool message = keys == "Alt+S" && ran.isEmpty();
        QTest::keySequence(&dialog, QKeySequence::fromString(keys));
        QTRY_COMPARE(d->msgBox.boxes.join(""),
                     message ? "Orrindel: System Information Is Unavailable At This Time (0)" : "");
        QVERIFY(d->msgBox.parent == (message ? &dialog : nullptr));
        QTRY_COMPARE(this->ran(), ran);
        QCOMPARE(dialog.isVisible(), keys == "Alt+S");
        QCOMPARE(dialog.result(), keys == "Alt+S" ? 0 : int(QDialog::Accepted));
        QCOMPARE(int(d->registry.open.size()) + d->registry.badCalls, 0);
    }

    // Each argument reaches the program whole, as given; a shell would split or expand them.
    void argumentsArriveAsGiven()
    {
        program("my viewer");
        platform::makeSystemLauncher()->start(m_bin.filePath("my viewer").toStdString(),
                                              {"a b", "c;d", "$HOME", ""});
        QTRY_COMPARE(ran(), "[my viewer][a b][c;d][$HOME][]");
    }

    // Each control's accessible name and role; a label is heard by its part in the box and its
    // caption on one line.
    void accessible()
    {
        frmAbout dialog(d->services);
        QStringList seen;
        for (QWidget *control : dialog.findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            const QAccessibleInterface *face = QAccessible::queryAccessibleInterface(control);
            QString name = face->text(QAccessible::Name);
            if (face->role() == QAccessible::StaticText) {
                const QString caption = ": " + control->property("text").toString().simplified();
                QVERIFY2(name.endsWith(caption), qPrintable(name));
                name.chop(caption.size());
            }
            seen << control->objectName() + ": " + name + ", " +
                        QVariant::fromValue(face->role()).toString();
        }
        seen.sort();
        QCOMPARE(seen.join("; "),
                 "Line1(0): Separator, Client; Line1(1): Separator, Client; "
                 "cmdOK: OK, Button; cmdSysInfo: System Info..., Button; "
                 "lblDescription: Description, StaticText; lblDisclaimer: "
                 "Disclaimer, StaticText; lblTitle: Title, StaticText; "
                 "lblVersion: Version, StaticText; picIcon: Orrindel icon, Graphic");
    }
};

QTEST_MAIN(TestFrmAbout)
#include "test_frmabout.moc"
