// The About box as the user meets it: the registry reader, the routes of System Info through
// the registry, the file test and the desktop's own viewer, its keys, and what a screen
// reader hears.

#include "app/icon.h"
#include "engine/runtimeerror.h"
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

// A value of type 0 is stored under another name: the key without the value. Zero bytes: a
// string value of none.
const Entry NoKey, NoValue = Value{0, {}}, NoBytes = Value{1, {}};
const int NotRead = 0, Read = 1, Invalid = RuntimeError::InvalidProcedureCall;
const std::string A1023(1023, 'a');

// clang-format off
// A value read over the text "before": read, not read or the error raised; the text after.
struct Stored { const char *name; Entry entry; int outcome; std::string after; };
const Stored Values[] = {
    {.name = "string and zero", .entry = Value{1, "C:\\x.exe\0"s}, .outcome = Read, .after = "C:\\x.exe"},
    {.name = "string, no zero", .entry = Value{1, "C:\\Tools"}, .outcome = Read, .after = "C:\\Tools"},
    {.name = "zero bytes", .entry = NoBytes, .outcome = Invalid, .after = "before"}, {.name = "number", .entry = Value{4, "\x78\x56\x34\x12"}, .outcome = Read, .after = "305419896"},
    {.name = "number, high 0", .entry = Value{4, "\x10\0\0\0"s}, .outcome = Read, .after = "16"}, {.name = "binary", .entry = Value{3, "\1\2\3"}, .outcome = Read, .after = "before"},
    {.name = "1024 bytes", .entry = Value{1, A1023 + '\0'}, .outcome = Read, .after = A1023}, {.name = "1025 bytes", .entry = Value{1, A1023 + "bc"}, .outcome = NotRead, .after = ""},
    {.name = "missing value", .entry = NoValue, .outcome = NotRead, .after = ""}, {.name = "missing key", .entry = NoKey, .outcome = NotRead, .after = ""}};

// The key pressed (before the colon): Return and Esc press OK, which ends the box; Alt+S presses
// System Info. Then the tool's path (taken unchecked: a hidden file is no file to the file test),
// its folder, which must hold the tool, each a stand-in file's name or NoKey, NoValue, NoBytes;
// the programs in the folder; and what ran, or whether the message shows instead.
const QString Tool = "f\\MSINFO32.EXE", Gnome = "gnome-control-center";
const QStringList All{".t", Tool, "hardinfo", Gnome, "kinfocenter"};
// Stand-in programs live in one folder, emptied for every row, which is also all of PATH.
// Each leaves a file there named "=" and its name and arguments, each in brackets.
const QTemporaryDir Bin;
Entry file(const char *name) { return Value{1, Bin.filePath(name).toStdString()}; }
struct Press { const char *name; Entry path, folder; QStringList installed; QString ran = {}; bool message = false; };
const Press Keys[] = {
    {.name = "Return: OK", .path = file(".t"), .folder = file("f"), .installed = All}, {.name = "Esc: OK", .path = file(".t"), .folder = file("f"), .installed = All},
    {.name = "Alt+S: first unchecked", .path = file(".t"), .folder = file("f"), .installed = All, .ran = "[.t]"},
    {.name = "Alt+S: folder holds it", .path = NoKey, .folder = file("f"), .installed = All, .ran = "[" + Tool + "]"},
    {.name = "Alt+S: folder lacks it", .path = NoKey, .folder = file("g"), .installed = {Tool}, .message = true},
    {.name = "Alt+S: fails to start", .path = file("f"), .folder = NoKey, .installed = All, .message = true},
    {.name = "Alt+S: first 0 bytes", .path = NoBytes, .folder = file("f"), .installed = All, .message = true},
    {.name = "Alt+S: KDE's viewer", .path = NoKey, .folder = NoValue, .installed = All, .ran = "[kinfocenter]"},
    {.name = "Alt+S: GNOME's About", .path = NoKey, .folder = NoKey, .installed = {"hardinfo", Gnome}, .ran = "[gnome-control-center][about]"},
    {.name = "Alt+S: hardinfo", .path = NoKey, .folder = NoKey, .installed = {"hardinfo"}, .ran = "[hardinfo]"}, {.name = "Alt+S: nothing", .path = NoKey, .folder = NoKey, .installed = {}, .message = true}};
// clang-format on

class TestFrmAbout : public QObject
{
    Q_OBJECT
    std::optional<TestServices> d;

    void install(const char *key, const char *name, const Entry &entry)
    {
        if (entry)
            d->registry.keys[key][entry->type ? name : "other"] = *entry;
    }
    void program(const QString &name)
    {
        QFile file(Bin.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("#!/bin/sh\n: >\"${0%/*}/=$(printf '[%s]' \"${0##*/}\" \"$@\")\"\n");
        QVERIFY(file.setPermissions(file.permissions() | QFile::ExeOwner));
    }
    QString ran() const { return QDir(Bin.path()).entryList({"=*"}).join("").mid(1); }

private slots:
    void initTestCase()
    {
        platform::installFontSubstitutes();
        QApplication::setWindowIcon(appIcon()); // what the picture box shows
    }
    void init()
    {
        d.emplace();
        QDir(Bin.path()).removeRecursively();
        QVERIFY(QDir().mkpath(Bin.path()) && qputenv("PATH", Bin.path().toLocal8Bit()));
    }

    void getKeyValue_data() { addRows(Values, &Stored::name); }
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
        QVERIFY(d->registry.open.empty());
        QCOMPARE(d->registry.badCalls, 0);
    }

    void keys_data() { addRows(Keys, &Press::name); }
    void keys()
    {
        const auto &[name, path, folder, installed, ran, message] = current(Keys);
        const QString keys = QString(name).section(':', 0, 0);
        install("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH", path);
        install("SOFTWARE\\Microsoft\\Shared Tools Location", "MSINFO", folder);
        for (const QString &name : installed)
            program(name);
        const auto launcher = platform::makeSystemLauncher();
        platform::Services services{d->msgBox, [] {}, d->printer, d->registry, *launcher};
        frmAbout dialog(services);
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QTest::keySequence(&dialog, QKeySequence::fromString(keys));
        QTRY_COMPARE(d->msgBox.boxes.join(""),
                     message ? "Orrindel: System Information Is Unavailable At This Time (0)" : "");
        QVERIFY(d->msgBox.parent == (message ? &dialog : nullptr));
        QTRY_COMPARE(this->ran(), ran);
        QCOMPARE(dialog.isVisible(), keys == "Alt+S");
        QCOMPARE(dialog.result(), keys == "Alt+S" ? 0 : int(QDialog::Accepted));
        QVERIFY(d->registry.open.empty());
        QCOMPARE(d->registry.badCalls, 0);
    }

    // Each argument reaches the program whole, as given; a shell would split or expand them.
    void argumentsArriveAsGiven()
    {
        program("my viewer");
        platform::makeSystemLauncher()->start(Bin.filePath("my viewer").toStdString(),
                                              {"a b", "c;d", "$HOME", ""});
        QTRY_COMPARE(ran(), "[my viewer][a b][c;d][$HOME][]");
    }

    // The box draws in the face its family names, or in a stand-in asked for by name.
    void face()
    {
        const frmAbout dialog(d->services);
        const QStringList sans = {"MS Sans Serif", "Liberation Sans", "Arimo", "DejaVu Sans"};
        QVERIFY2(sans.contains(dialog.font().family()), qPrintable(dialog.font().family()));
        QCOMPARE(QFontInfo(dialog.font()).family(), dialog.font().family());
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
