// StartSysInfo and GetKeyValue of the About box against an in-memory registry, a
// recording launcher and a recording message box.

#include "doubles.h"

#include "platform/controls.h"
#include "ui/about/frmabout.h"

#include <QPushButton>
#include <QtTest>

using namespace orrindel;
using namespace orrindel::testing;

namespace {

const std::string KeyPath = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const std::string KeyFolder = "SOFTWARE\\Microsoft\\Shared Tools Location";
const QString Unavailable = QStringLiteral("System Information Is Unavailable At This Time");
const QString Folder = QStringLiteral("C:\\Program Files\\Common Files\\Microsoft Shared\\MSInfo");
const QString FolderTool = Folder + QStringLiteral("\\MSINFO32.EXE");

// How one of the two registry entries looks on the machine.
struct Entry
{
    enum State { NoKey, NoValue, Refused, Present } state = NoKey;
    RegValue value;

    static Entry noKey() { return {NoKey, {}}; }
    static Entry noValue() { return {NoValue, {}}; }
    static Entry refused() { return {Refused, {}}; }
    static Entry text(const QString &text) { return {Present, regString(text.toStdString())}; }
    static Entry unterminated(const QString &text)
    {
        return {Present, regStringUnterminated(text.toStdString())};
    }
    static Entry raw(std::uint32_t type, const std::string &bytes)
    {
        return {Present, {type, bytes}};
    }

    void install(FakeRegistry &registry, const std::string &key, const std::string &name) const
    {
        switch (state) {
        case NoKey:
            break;
        case NoValue:
            registry.addKey(key);
            break;
        case Refused:
            registry.set(key, name, regString("C:\\refused.exe"));
            registry.refuse(key);
            break;
        case Present:
            registry.set(key, name, value);
            break;
        }
    }
};

std::set<std::string> toSet(const QStringList &list)
{
    std::set<std::string> set;
    for (const QString &item : list)
        set.insert(item.toStdString());
    return set;
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

void TestSysInfo::startSysInfo_data()
{
    QTest::addColumn<Entry>("first");
    QTest::addColumn<Entry>("second");
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QStringList>("unstartable");
    QTest::addColumn<QStringList>("started");
    QTest::addColumn<QStringList>("tested");
    QTest::addColumn<bool>("message");

    const QString odd = QStringLiteral("D:\\Odd Tools\\not msinfo.exe");
    const QStringList none;

    QTest::newRow("first entry wins, unchecked")
        << Entry::text(odd) << Entry::text(Folder) << QStringList{FolderTool} << none
        << QStringList{odd} << none << false;
    QTest::newRow("first entry stored without its zero")
        << Entry::unterminated(odd) << Entry::noKey() << none << none << QStringList{odd} << none
        << false;
    QTest::newRow("second entry joined with the tool's name")
        << Entry::noKey() << Entry::text(Folder) << QStringList{FolderTool} << none
        << QStringList{FolderTool} << QStringList{FolderTool} << false;
    QTest::newRow("second entry used when the first key has no value")
        << Entry::noValue() << Entry::text(Folder) << QStringList{FolderTool} << none
        << QStringList{FolderTool} << QStringList{FolderTool} << false;
    QTest::newRow("second entry used when the first key cannot be opened")
        << Entry::refused() << Entry::text(Folder) << QStringList{FolderTool} << none
        << QStringList{FolderTool} << QStringList{FolderTool} << false;
    QTest::newRow("second entry used when the first is over 1024 bytes")
        << Entry::text(QString(1100, QLatin1Char('x'))) << Entry::text(Folder)
        << QStringList{FolderTool} << none << QStringList{FolderTool} << QStringList{FolderTool}
        << false;
    QTest::newRow("second entry's folder lacks the tool")
        << Entry::noKey() << Entry::text(Folder) << none << none << none << QStringList{FolderTool}
        << true;
    QTest::newRow("no entries") << Entry::noKey() << Entry::noKey() << none << none << none << none
                                << true;
    QTest::newRow("second key without its value")
        << Entry::noKey() << Entry::noValue() << QStringList{FolderTool} << none << none << none
        << true;
    QTest::newRow("second key refused") << Entry::noKey() << Entry::refused()
                                        << QStringList{FolderTool} << none << none << none << true;
    QTest::newRow("first entry cannot be started")
        << Entry::text(odd) << Entry::text(Folder) << QStringList{FolderTool} << QStringList{odd}
        << QStringList{odd} << none << true;
    QTest::newRow("tool in the second folder cannot be started")
        << Entry::noKey() << Entry::text(Folder) << QStringList{FolderTool}
        << QStringList{FolderTool} << QStringList{FolderTool} << QStringList{FolderTool} << true;
    // Read, but not as text: the path stays empty and starting it fails.
    QTest::newRow("first entry of binary type")
        << Entry::raw(3, "C:\\x.exe") << Entry::text(Folder) << QStringList{FolderTool} << none
        << QStringList{QString()} << none << true;
    QTest::newRow("second entry of expandable type")
        << Entry::noKey() << Entry::raw(2, std::string("C:\\Tools\0", 9)) << QStringList{} << none
        << none << QStringList{QStringLiteral("\\MSINFO32.EXE")} << true;
    QTest::newRow("first entry a 32-bit number")
        << Entry::raw(4, std::string("\x2a\0\0\0", 4)) << Entry::noKey() << none
        << QStringList{QStringLiteral("42")} << QStringList{QStringLiteral("42")} << none << true;
    // The invalid-argument error leaves both lookups at once.
    QTest::newRow("first entry of zero bytes")
        << Entry::raw(1, "") << Entry::text(Folder) << QStringList{FolderTool} << none << none
        << none << true;
    QTest::newRow("second entry of zero bytes")
        << Entry::noKey() << Entry::raw(1, "") << QStringList{QStringLiteral("\\MSINFO32.EXE")}
        << none << none << none << true;
    QTest::newRow("second entry stored without its zero")
        << Entry::noKey() << Entry::unterminated(Folder) << QStringList{FolderTool} << none
        << QStringList{FolderTool} << QStringList{FolderTool} << false;
    QTest::newRow("second entry of only a zero")
        << Entry::noKey() << Entry::raw(1, std::string(1, '\0'))
        << QStringList{QStringLiteral("\\MSINFO32.EXE")} << none
        << QStringList{QStringLiteral("\\MSINFO32.EXE")}
        << QStringList{QStringLiteral("\\MSINFO32.EXE")} << false;
}

void TestSysInfo::startSysInfo()
{
    QFETCH(Entry, first);
    QFETCH(Entry, second);
    QFETCH(QStringList, files);
    QFETCH(QStringList, unstartable);
    QFETCH(QStringList, started);
    QFETCH(QStringList, tested);
    QFETCH(bool, message);

    Doubles doubles;
    first.install(doubles.registry, KeyPath, "PATH");
    second.install(doubles.registry, KeyFolder, "MSINFO");
    doubles.launcher.files = toSet(files);
    doubles.launcher.unstartable = toSet(unstartable);

    frmAbout dialog(doubles.services);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    dialog.StartSysInfo();

    QCOMPARE(doubles.launcher.started, started);
    QCOMPARE(doubles.launcher.tested, tested);
    QCOMPARE(doubles.msgBox.shown.size(), std::size_t(message ? 1 : 0));
    if (message) {
        const auto &shown = doubles.msgBox.shown.front();
        QCOMPARE(shown.prompt, Unavailable);
        QCOMPARE(shown.title, QStringLiteral("Orrindel"));
        QCOMPARE(shown.style, int(platform::vbOKOnly));
        QCOMPARE(shown.parent, &dialog);
        QVERIFY(doubles.msgBox.parentVisible.front());
    }
    QVERIFY(dialog.isVisible());
    QCOMPARE(doubles.registry.stillOpen(), 0);
    QCOMPARE(doubles.registry.badCloses, 0);
}

void TestSysInfo::pressingAgainShowsTheMessageAgain()
{
    Doubles doubles;
    frmAbout dialog(doubles.services);
    dialog.show();
    auto *button = dialog.findChild<QPushButton *>(QStringLiteral("cmdSysInfo"));
    QVERIFY(button);
    button->click();
    button->click();
    QCOMPARE(doubles.msgBox.shown.size(), std::size_t(2));
    QVERIFY(dialog.isVisible());
    QVERIFY(button->isEnabled());

    // Once the entry appears, the same dialog starts the tool.
    doubles.registry.set(KeyPath, "PATH", regString("C:\\Windows\\msinfo32.exe"));
    button->click();
    QCOMPARE(doubles.launcher.started, QStringList{QStringLiteral("C:\\Windows\\msinfo32.exe")});
    QCOMPARE(doubles.msgBox.shown.size(), std::size_t(2));
}

void TestSysInfo::systemRegistryOfThisPlatformHasNoEntries()
{
    Doubles doubles;
    const auto registry = platform::makeSystemRegistry();
    platform::Services services{doubles.msgBox, [] {}, doubles.printer, *registry,
                                doubles.launcher};
    frmAbout dialog(services);
    dialog.show();
    dialog.StartSysInfo();
    QVERIFY(doubles.launcher.started.isEmpty());
    QCOMPARE(doubles.msgBox.shown.size(), std::size_t(1));
    QCOMPARE(doubles.msgBox.shown.front().prompt, Unavailable);

    QString text = QStringLiteral("kept?");
    QVERIFY(!dialog.GetKeyValue(platform::HKeyLocalMachine, QString::fromStdString(KeyPath),
                                QStringLiteral("PATH"), text));
    QCOMPARE(text, QString());
}

// GetKeyValue on one value of the key "SOFTWARE\Test": the text after the call, whether it
// was read, and the runtime error it raised (0 for none).
void TestSysInfo::getKeyValue_data()
{
    QTest::addColumn<Entry>("entry");
    QTest::addColumn<QString>("before");
    QTest::addColumn<bool>("read");
    QTest::addColumn<QString>("after");
    QTest::addColumn<int>("error");

    const QString before = QStringLiteral("held on entry");
    const auto bytes = [](std::initializer_list<unsigned char> list) {
        return std::string(list.begin(), list.end());
    };

    QTest::newRow("string with its zero")
        << Entry::text(QStringLiteral("C:\\Tools\\msinfo32.exe")) << before << true
        << QStringLiteral("C:\\Tools\\msinfo32.exe") << 0;
    QTest::newRow("string without its zero") << Entry::unterminated(QStringLiteral("C:\\Tools"))
                                             << before << true << QStringLiteral("C:\\Tools") << 0;
    QTest::newRow("one-character string without its zero")
        << Entry::unterminated(QStringLiteral("C")) << before << true << QStringLiteral("C") << 0;
    QTest::newRow("string of only a zero")
        << Entry::raw(1, std::string(1, '\0')) << before << true << QString() << 0;
    // Only the last byte is looked at: a zero inside the text is kept.
    QTest::newRow("string with a zero inside") << Entry::raw(1, std::string("ab\0cd", 5)) << before
                                               << true << QString::fromLatin1("ab\0cd", 5) << 0;
    QTest::newRow("string of zero bytes") << Entry::raw(1, "") << before << false << before
                                          << int(RuntimeError::InvalidProcedureCall);
    QTest::newRow("binary of zero bytes") << Entry::raw(3, "") << before << false << before
                                          << int(RuntimeError::InvalidProcedureCall);
    QTest::newRow("32-bit number") << Entry::raw(4, bytes({0x78, 0x56, 0x34, 0x12})) << before
                                   << true << QStringLiteral("305419896") << 0;
    QTest::newRow("32-bit number with high zero bytes")
        << Entry::raw(4, bytes({0x10, 0, 0, 0})) << before << true << QStringLiteral("16") << 0;
    QTest::newRow("32-bit number with inner zero bytes")
        << Entry::raw(4, bytes({0x01, 0x00, 0x02, 0x00})) << before << true
        << QStringLiteral("131073") << 0;
    QTest::newRow("largest 32-bit number") << Entry::raw(4, bytes({0xff, 0xff, 0xff, 0xff}))
                                           << before << true << QStringLiteral("4294967295") << 0;
    QTest::newRow("32-bit zero") << Entry::raw(4, bytes({0, 0, 0, 0})) << before << true
                                 << QStringLiteral("0") << 0;
    QTest::newRow("binary leaves the text")
        << Entry::raw(3, bytes({1, 2, 3})) << before << true << before << 0;
    QTest::newRow("expandable string leaves the text")
        << Entry::raw(2, std::string("%SystemRoot%\0", 13)) << before << true << before << 0;
    QTest::newRow("multi-string leaves the text")
        << Entry::raw(7, std::string("a\0b\0\0", 5)) << before << true << before << 0;
    QTest::newRow("exactly 1024 bytes") << Entry::text(QString(1023, QLatin1Char('a'))) << before
                                        << true << QString(1023, QLatin1Char('a')) << 0;
    QTest::newRow("1024 bytes without a zero")
        << Entry::unterminated(QString(1024, QLatin1Char('b'))) << before << true
        << QString(1024, QLatin1Char('b')) << 0;
    QTest::newRow("1025 bytes") << Entry::unterminated(QString(1025, QLatin1Char('c'))) << before
                                << false << QString() << 0;
    QTest::newRow("missing value") << Entry::noValue() << before << false << QString() << 0;
    QTest::newRow("missing key") << Entry::noKey() << before << false << QString() << 0;
    QTest::newRow("key that cannot be opened")
        << Entry::refused() << before << false << QString() << 0;
}

void TestSysInfo::getKeyValue()
{
    QFETCH(Entry, entry);
    QFETCH(QString, before);
    QFETCH(bool, read);
    QFETCH(QString, after);
    QFETCH(int, error);

    Doubles doubles;
    entry.install(doubles.registry, "SOFTWARE\\Test", "Value");
    frmAbout dialog(doubles.services);

    QString text = before;
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
    QCOMPARE(doubles.registry.stillOpen(), 0);
    QCOMPARE(doubles.registry.badCloses, 0);
    if (doubles.registry.opened > 0)
        QCOMPARE(doubles.registry.offeredBuffer, std::size_t(1024));
}

void TestSysInfo::getKeyValueAsksOnlyTheRootItIsGiven()
{
    Doubles doubles;
    doubles.registry.set("SOFTWARE\\Test", "Value", regString("x"));
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
