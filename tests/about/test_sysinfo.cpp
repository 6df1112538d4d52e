// StartSysInfo and GetKeyValue of the About box against an in-memory registry, a
// recording launcher and a recording message box.

#include "support/doubles.h"

#include "engine/runtimeerror.h"
#include "platform/controls.h"
#include "ui/about/frmabout.h"

#include <QPushButton>
#include <QtTest>

using namespace orrindel;
using test::FakeRegistry;
using test::TestServices;

namespace {

const std::string KeyPath = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const std::string KeyFolder = "SOFTWARE\\Microsoft\\Shared Tools Location";
const QString Unavailable = QStringLiteral("System Information Is Unavailable At This Time");
const QString Folder = QStringLiteral("C:\\Program Files\\Common Files\\Microsoft Shared\\MSInfo");
const QString FolderTool = Folder + QStringLiteral("\\MSINFO32.EXE");

// How one registry entry looks on the machine.
struct Entry
{
    enum State { NoKey, NoValue, Refused, Present } state = NoKey;
    FakeRegistry::Value value;

    static Entry text(const QString &text, bool terminated = true)
    {
        return {Present, FakeRegistry::text(text.toStdString(), terminated)};
    }
    static Entry raw(std::uint32_t type, const std::string &bytes)
    {
        return {Present, {type, bytes}};
    }

    void install(FakeRegistry &registry, const std::string &key, const std::string &name) const
    {
        if (state == NoValue)
            registry.addKey(key);
        if (state == Refused)
            registry.refuse(key);
        if (state == Refused || state == Present)
            registry.set(key, name, state == Present ? value : FakeRegistry::text("C:\\x.exe"));
    }
};

const Entry NoKey{Entry::NoKey, {}};
const Entry NoValue{Entry::NoValue, {}};
const Entry Refused{Entry::Refused, {}};

std::set<std::string> toSet(const QStringList &list)
{
    std::set<std::string> set;
    for (const QString &item : list)
        set.insert(item.toStdString());
    return set;
}

// Both ends of the registry: every key opened is closed once, nothing else is closed.
void checkKeysClosed(const FakeRegistry &registry)
{
    QCOMPARE(registry.stillOpen(), 0);
    QCOMPARE(registry.badCalls, 0);
}

} // namespace

Q_DECLARE_METATYPE(Entry)

class TestSysInfo : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { platform::installFontSubstitutes(); }

    void startSysInfo_data();
    void startSysInfo();
    void pressingAgainShowsTheMessageAgain();
    void systemRegistryOfThisPlatformHasNoEntries();

    void getKeyValue_data();
    void getKeyValue();
    void getKeyValueAsksOnlyTheRootItIsGiven();
};

// The two entries and the files that exist; then what was started, which files were
// tested and whether the message was shown. A start that ends in the message failed: the
// launcher refuses exactly the paths such a row lists as started.
void TestSysInfo::startSysInfo_data()
{
    QTest::addColumn<Entry>("first");
    QTest::addColumn<Entry>("second");
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QStringList>("started");
    QTest::addColumn<QStringList>("tested");
    QTest::addColumn<bool>("message");

    const QString odd = QStringLiteral("D:\\Odd Tools\\not msinfo.exe");
    const QStringList none;
    const QStringList tool{FolderTool};

    QTest::newRow("first entry wins, unchecked")
        << Entry::text(odd) << Entry::text(Folder) << tool << QStringList{odd} << none << false;
    QTest::newRow("second entry joined with the tool's name")
        << NoKey << Entry::text(Folder) << tool << tool << tool << false;
    QTest::newRow("first key cannot be opened")
        << Refused << Entry::text(Folder) << tool << tool << tool << false;
    QTest::newRow("first entry over 1024 bytes")
        << Entry::text(QString(1100, QLatin1Char('x'))) << Entry::text(Folder) << tool << tool
        << tool << false;
    QTest::newRow("second entry's folder lacks the tool")
        << NoKey << Entry::text(Folder) << none << none << tool << true;
    QTest::newRow("no entries") << NoKey << NoKey << none << none << none << true;
    QTest::newRow("first entry cannot be started")
        << Entry::text(odd) << Entry::text(Folder) << tool << QStringList{odd} << none << true;
    QTest::newRow("tool in the second folder cannot be started")
        << NoKey << Entry::text(Folder) << tool << tool << tool << true;
    // Read, but not as text: the path stays empty and starting it fails.
    QTest::newRow("first entry of binary type") << Entry::raw(3, "C:\\x.exe") << Entry::text(Folder)
                                                << tool << QStringList{QString()} << none << true;
    // The invalid-argument error leaves both lookups at once.
    QTest::newRow("first entry of zero bytes")
        << Entry::raw(1, "") << Entry::text(Folder) << tool << none << none << true;
    QTest::newRow("second entry of zero bytes")
        << NoKey << Entry::raw(1, "") << QStringList{QStringLiteral("\\MSINFO32.EXE")} << none
        << none << true;
}

void TestSysInfo::startSysInfo()
{
    QFETCH(Entry, first);
    QFETCH(Entry, second);
    QFETCH(QStringList, files);
    QFETCH(QStringList, started);
    QFETCH(QStringList, tested);
    QFETCH(bool, message);

    TestServices doubles;
    first.install(doubles.registry, KeyPath, "PATH");
    second.install(doubles.registry, KeyFolder, "MSINFO");
    doubles.launcher.files = toSet(files);
    doubles.launcher.unstartable = toSet(message ? started : QStringList());
    doubles.msgBox.expect(message ? 1 : 0);

    frmAbout dialog(doubles.services);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    dialog.StartSysInfo();

    QCOMPARE(doubles.launcher.started, started);
    QCOMPARE(doubles.launcher.tested, tested);
    QCOMPARE(doubles.msgBox.boxes().size(), std::size_t(message ? 1 : 0));
    if (message) {
        const auto &box = doubles.msgBox.boxes().front();
        QCOMPARE(box.prompt, Unavailable);
        QCOMPARE(box.title, QStringLiteral("Orrindel"));
        QCOMPARE(box.style, int(platform::vbOKOnly));
        QCOMPARE(box.parent, &dialog);
        QVERIFY(box.parentVisible);
    }
    QVERIFY(dialog.isVisible());
    checkKeysClosed(doubles.registry);
}

void TestSysInfo::pressingAgainShowsTheMessageAgain()
{
    TestServices doubles;
    frmAbout dialog(doubles.services);
    dialog.show();
    auto *button = dialog.findChild<QPushButton *>(QStringLiteral("cmdSysInfo"));
    QVERIFY(button);
    doubles.msgBox.expect(2);
    button->click();
    button->click();
    QCOMPARE(doubles.msgBox.boxes().size(), std::size_t(2));
    QVERIFY(dialog.isVisible());
    QVERIFY(button->isEnabled());

    // Once the entry appears, the same dialog starts the tool.
    doubles.registry.set(KeyPath, "PATH", FakeRegistry::text("C:\\Windows\\msinfo32.exe"));
    button->click();
    QCOMPARE(doubles.launcher.started, QStringList{QStringLiteral("C:\\Windows\\msinfo32.exe")});
    QCOMPARE(doubles.msgBox.boxes().size(), std::size_t(2));
}

// Where the platform has no registry, its layer reports every entry as missing, which
// StartSysInfo turns into the message.
void TestSysInfo::systemRegistryOfThisPlatformHasNoEntries()
{
    TestServices doubles;
    const auto registry = platform::makeSystemRegistry();
    platform::Services services{doubles.msgBox, [] {}, doubles.printer, *registry,
                                doubles.launcher};
    frmAbout dialog(services);
    QString text = QStringLiteral("kept?");
    QVERIFY(!dialog.GetKeyValue(platform::HKeyLocalMachine, QString::fromStdString(KeyPath),
                                QStringLiteral("PATH"), text));
    QCOMPARE(text, QString());
}

// GetKeyValue on one value of the key "SOFTWARE\Test": whether it was read, the text after
// the call (it held "before" on entry) and the runtime error raised (0 for none).
void TestSysInfo::getKeyValue_data()
{
    QTest::addColumn<Entry>("entry");
    QTest::addColumn<bool>("read");
    QTest::addColumn<QString>("after");
    QTest::addColumn<int>("error");

    const QString before = QStringLiteral("before");
    const auto bytes = [](std::initializer_list<unsigned char> list) {
        return std::string(list.begin(), list.end());
    };
    const int invalid = RuntimeError::InvalidProcedureCall;

    QTest::newRow("string with its zero") << Entry::text(QStringLiteral("C:\\Tools\\msinfo32.exe"))
                                          << true << QStringLiteral("C:\\Tools\\msinfo32.exe") << 0;
    QTest::newRow("string without its zero") << Entry::text(QStringLiteral("C:\\Tools"), false)
                                             << true << QStringLiteral("C:\\Tools") << 0;
    QTest::newRow("string of only a zero")
        << Entry::raw(1, std::string(1, '\0')) << true << QString() << 0;
    // Only the last byte is looked at: a zero inside the text is kept.
    QTest::newRow("string with a zero inside")
        << Entry::raw(1, std::string("ab\0cd", 5)) << true << QString::fromLatin1("ab\0cd", 5) << 0;
    QTest::newRow("string of zero bytes") << Entry::raw(1, "") << false << before << invalid;
    QTest::newRow("32-bit number") << Entry::raw(4, bytes({0x78, 0x56, 0x34, 0x12})) << true
                                   << QStringLiteral("305419896") << 0;
    // The last byte, zero, is dropped as if it ended a string: the number stays the same.
    QTest::newRow("32-bit number with a high zero byte")
        << Entry::raw(4, bytes({0x10, 0, 0, 0})) << true << QStringLiteral("16") << 0;
    QTest::newRow("binary leaves the text")
        << Entry::raw(3, bytes({1, 2, 3})) << true << before << 0;
    QTest::newRow("exactly 1024 bytes") << Entry::text(QString(1023, QLatin1Char('a'))) << true
                                        << QString(1023, QLatin1Char('a')) << 0;
    QTest::newRow("1024 bytes without a zero")
        << Entry::text(QString(1024, QLatin1Char('b')), false) << true
        << QString(1024, QLatin1Char('b')) << 0;
    QTest::newRow("1025 bytes") << Entry::text(QString(1025, QLatin1Char('c')), false) << false
                                << QString() << 0;
    QTest::newRow("missing value") << NoValue << false << QString() << 0;
    QTest::newRow("missing key") << NoKey << false << QString() << 0;
    QTest::newRow("key that cannot be opened") << Refused << false << QString() << 0;
}

void TestSysInfo::getKeyValue()
{
    QFETCH(Entry, entry);
    QFETCH(bool, read);
    QFETCH(QString, after);
    QFETCH(int, error);

    TestServices doubles;
    entry.install(doubles.registry, "SOFTWARE\\Test", "Value");
    frmAbout dialog(doubles.services);

    QString text = QStringLiteral("before");
    bool result = false;
    int raised = 0;
    try {
        result = dialog.GetKeyValue(platform::HKeyLocalMachine, QStringLiteral("SOFTWARE\\Test"),
                                    QStringLiteral("Value"), text);
    } catch (const RuntimeError &e) {
        raised = e.number();
    }
    QCOMPARE(raised, error);
    QCOMPARE(result, read);
    QCOMPARE(text, after);
    checkKeysClosed(doubles.registry);
    if (doubles.registry.opened > 0)
        QCOMPARE(doubles.registry.offeredBuffer, std::size_t(1024));
}

void TestSysInfo::getKeyValueAsksOnlyTheRootItIsGiven()
{
    TestServices doubles;
    doubles.registry.set("SOFTWARE\\Test", "Value", FakeRegistry::text("x"));
    frmAbout dialog(doubles.services);
    QString text;
    QVERIFY(!dialog.GetKeyValue(0x80000001u, QStringLiteral("SOFTWARE\\Test"),
                                QStringLiteral("Value"), text));
    QVERIFY(dialog.GetKeyValue(platform::HKeyLocalMachine, QStringLiteral("SOFTWARE\\Test"),
                               QStringLiteral("Value"), text));
    QCOMPARE(text, QStringLiteral("x"));
    QCOMPARE(doubles.registry.roots, (std::vector<std::uint32_t>{0x80000001u, 0x80000002u}));
}

QTEST_MAIN(TestSysInfo)
#include "test_sysinfo.moc"
