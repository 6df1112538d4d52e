// The About box as the user meets it: its texts, layout, keys, focus and modality.

#include "doubles.h"

#include "platform/controls.h"
#include "ui/about/frmabout.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

using namespace orrindel;
using namespace orrindel::testing;

namespace {

template <typename T = QWidget> T *child(const QWidget &dialog, const char *name)
{
    return dialog.findChild<T *>(QString::fromLatin1(name));
}

QString caption(const QWidget &dialog, const char *name)
{
    auto *label = child<QLabel>(dialog, name);
    return label ? label->text() : QStringLiteral("<no %1>").arg(QLatin1String(name));
}

} // namespace

class TestFrmAbout : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { platform::installFontSubstitutes(); }

    void loadWritesTheTexts();
    void credits();
    void layout_data();
    void layout();
    void fixedDialogFrame();
    void separatorColours();
    void fonts();
    void focusAndTabOrder();
    void keys_data();
    void keys();
    void altSPressesSystemInfo();
    void showsModallyAndOkEndsIt();
    void closingFromTheTitleBar();
};

void TestFrmAbout::loadWritesTheTexts()
{
    Doubles doubles;
    frmAbout dialog(doubles.services);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("About Orrindel"));
    QCOMPARE(caption(dialog, "lblTitle"), QStringLiteral("Orrindel"));
    QCOMPARE(caption(dialog, "lblVersion"), QStringLiteral("Version 1.0.2"));
    QCOMPARE(child<QPushButton>(dialog, "cmdOK")->text(), QStringLiteral("OK"));
    QCOMPARE(child<QPushButton>(dialog, "cmdSysInfo")->text(), QStringLiteral("&System Info..."));

    // The notice: two sentences.
    const QString notice = caption(dialog, "lblDisclaimer");
    QVERIFY(notice.endsWith(QLatin1Char('.')));
    QCOMPARE(notice.count(QStringLiteral(". ")) + 1, 2);
    QVERIFY(notice.contains(QStringLiteral("free"), Qt::CaseInsensitive));
    QVERIFY(notice.contains(QStringLiteral("liab"), Qt::CaseInsensitive));

    // Nothing is asked of the system by showing the box.
    QCOMPARE(doubles.registry.opened, 0);
    QVERIFY(doubles.launcher.started.isEmpty());
    QVERIFY(doubles.msgBox.shown.empty());
}

void TestFrmAbout::credits()
{
    Doubles doubles;
    frmAbout dialog(doubles.services);
    const QStringList lines = caption(dialog, "lblDescription").split(QStringLiteral("\r\n"));
    QCOMPARE(lines.size(), 3);
    QVERIFY(!lines[0].isEmpty() && !lines[0].startsWith(QLatin1Char(' ')));
    for (const QString &line : {lines[1], lines[2]}) {
        QVERIFY2(line.startsWith(QString(10, QLatin1Char(' '))) && line.at(10) != QLatin1Char(' '),
                 qPrintable(line));
        QVERIFY(!line.contains(QLatin1Char('\r')) && !line.contains(QLatin1Char('\n')));
    }
}

// Positions in twips, as pixels at 15 twips a pixel.
void TestFrmAbout::layout_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("twips");

    QTest::newRow("picIcon") << "picIcon" << QRect(240, 240, 480, 480);
    QTest::newRow("cmdOK") << "cmdOK" << QRect(4245, 2145, 1260, 345);
    QTest::newRow("cmdSysInfo") << "cmdSysInfo" << QRect(4260, 2595, 1245, 345);
    QTest::newRow("lblDescription") << "lblDescription" << QRect(1050, 1125, 3885, 690);
    QTest::newRow("lblTitle") << "lblTitle" << QRect(1050, 240, 3885, 480);
    QTest::newRow("lblVersion") << "lblVersion" << QRect(1050, 780, 3885, 225);
    QTest::newRow("lblDisclaimer") << "lblDisclaimer" << QRect(255, 2145, 3870, 825);
    // Lines: from (x1, y) to (x2, y), the grey one pixel and the white two pixels thick.
    QTest::newRow("Line1(1)") << "Line1(1)" << QRect(90, 1965, 5654 - 90, 15);
    QTest::newRow("Line1(0)") << "Line1(0)" << QRect(105, 1980, 5654 - 105, 30);
}

void TestFrmAbout::layout()
{
    QFETCH(QString, name);
    QFETCH(QRect, twips);

    Doubles doubles;
    frmAbout dialog(doubles.services);
    dialog.show();
    QWidget *widget = dialog.findChild<QWidget *>(name);
    QVERIFY(widget);
    QCOMPARE(widget->parentWidget(), &dialog);
    QCOMPARE(widget->geometry(),
             platform::twipsRect(twips.x(), twips.y(), twips.width(), twips.height()));
    QVERIFY(widget->isVisible());
}

void TestFrmAbout::fixedDialogFrame()
{
    Doubles doubles;
    frmAbout dialog(doubles.services);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    const QSize client(platform::twipsToPixels(5730), platform::twipsToPixels(3045));
    QCOMPARE(client, QSize(382, 203));
    QCOMPARE(dialog.size(), client);
    QCOMPARE(dialog.minimumSize(), client);
    QCOMPARE(dialog.maximumSize(), client);
    const Qt::WindowFlags flags = dialog.windowFlags();
    QCOMPARE(flags & Qt::WindowType_Mask, Qt::Dialog);
    QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QVERIFY(!dialog.windowIcon().isNull());

    // The icon: 32 x 32, with no border, filling its box.
    auto *picIcon = child<QLabel>(dialog, "picIcon");
    QCOMPARE(picIcon->pixmap().deviceIndependentSize().toSize(), QSize(32, 32));
    QCOMPARE(picIcon->frameShape(), QFrame::NoFrame);
    QVERIFY(!picIcon->pixmap().toImage().isNull());
}

void TestFrmAbout::separatorColours()
{
    Doubles doubles;
    frmAbout dialog(doubles.services);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    const QImage image = dialog.grab().toImage();
    const int ratio = int(image.devicePixelRatio());
    // A pixel inside each line: grey on row 131, white on rows 132 and 133.
    QCOMPARE(image.pixelColor(200 * ratio, 131 * ratio), QColor(0x80, 0x80, 0x80));
    QCOMPARE(image.pixelColor(200 * ratio, 132 * ratio), QColor(Qt::white));
    QCOMPARE(image.pixelColor(200 * ratio, 133 * ratio), QColor(Qt::white));
    QVERIFY(image.pixelColor(200 * ratio, 134 * ratio) != QColor(Qt::white));
    // The grey line starts a pixel left of the white one.
    QCOMPARE(image.pixelColor(6 * ratio, 131 * ratio), QColor(0x80, 0x80, 0x80));
    QVERIFY(image.pixelColor(6 * ratio, 132 * ratio) != QColor(Qt::white));
}

void TestFrmAbout::fonts()
{
    Doubles doubles;
    frmAbout dialog(doubles.services);
    QCOMPARE(dialog.font().pointSizeF(), 8.25);
    const QFont title = child(dialog, "lblTitle")->font();
    QCOMPARE(title.pointSizeF(), 13.5);
    QVERIFY(!title.bold());
    for (const char *name : {"lblDescription", "lblVersion", "lblDisclaimer", "cmdOK"})
        QCOMPARE(child(dialog, name)->font().pointSizeF(), 8.25);
    for (const char *name : {"lblDescription", "lblTitle", "lblVersion", "lblDisclaimer"}) {
        auto *label = child<QLabel>(dialog, name);
        QVERIFY2(label->autoFillBackground(), name);
        QVERIFY2(label->alignment() & Qt::AlignLeft, name);
    }
}

void TestFrmAbout::focusAndTabOrder()
{
    Doubles doubles;
    frmAbout dialog(doubles.services);
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    QVERIFY(QTest::qWaitForWindowActive(&dialog));

    const QStringList expected = {QStringLiteral("cmdOK"), QStringLiteral("picIcon"),
                                  QStringLiteral("cmdSysInfo"), QStringLiteral("cmdOK")};
    QStringList visited{QApplication::focusWidget()->objectName()};
    for (int i = 0; i < 3; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(visited, expected);
}

// Enter and Esc both press cmdOK, which ends the dialog; Enter on cmdSysInfo presses it.
void TestFrmAbout::keys_data()
{
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("closed");
    QTest::addColumn<int>("messages");

    QTest::newRow("Enter on OK") << "cmdOK" << int(Qt::Key_Return) << true << 0;
    QTest::newRow("keypad Enter on OK") << "cmdOK" << int(Qt::Key_Enter) << true << 0;
    QTest::newRow("Esc on OK") << "cmdOK" << int(Qt::Key_Escape) << true << 0;
    QTest::newRow("Enter on the icon") << "picIcon" << int(Qt::Key_Return) << true << 0;
    QTest::newRow("Esc on System Info") << "cmdSysInfo" << int(Qt::Key_Escape) << true << 0;
    QTest::newRow("Enter on System Info") << "cmdSysInfo" << int(Qt::Key_Return) << false << 1;
    QTest::newRow("Space on OK") << "cmdOK" << int(Qt::Key_Space) << true << 0;
}

void TestFrmAbout::keys()
{
    QFETCH(QString, focus);
    QFETCH(int, key);
    QFETCH(bool, closed);
    QFETCH(int, messages);

    Doubles doubles;
    frmAbout dialog(doubles.services);
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QWidget *target = dialog.findChild<QWidget *>(focus);
    target->setFocus();
    QCOMPARE(QApplication::focusWidget(), target);

    QTest::keyClick(target, Qt::Key(key));
    QCOMPARE(dialog.isVisible(), !closed);
    if (closed)
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(int(doubles.msgBox.shown.size()), messages);
}

void TestFrmAbout::altSPressesSystemInfo()
{
    Doubles doubles;
    doubles.registry.set("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH",
                         regString("C:\\Windows\\System32\\msinfo32.exe"));
    frmAbout dialog(doubles.services);
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    QVERIFY(QTest::qWaitForWindowActive(&dialog));

    // An access key presses its button after the button's short pressed-down animation.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_S, Qt::AltModifier);
    QTRY_COMPARE(doubles.launcher.started,
                 QStringList{QStringLiteral("C:\\Windows\\System32\\msinfo32.exe")});
    QVERIFY(doubles.msgBox.shown.empty());
    QVERIFY(dialog.isVisible());
}

void TestFrmAbout::showsModallyAndOkEndsIt()
{
    Doubles doubles;
    QWidget owner;
    owner.show();
    QVERIFY(QTest::qWaitForWindowExposed(&owner));

    // As the About menu item does it: a dialog of its own, no owner named, run to its end.
    frmAbout dialog(doubles.services);
    QWidget *modal = nullptr;
    Qt::WindowModality modality = Qt::NonModal;
    QTimer::singleShot(0, &dialog, [&] {
        modal = QApplication::activeModalWidget();
        modality = dialog.windowModality();
        child<QPushButton>(dialog, "cmdOK")->click();
    });
    QCOMPARE(dialog.exec(), int(QDialog::Accepted));
    QCOMPARE(modal, &dialog);
    QCOMPARE(modality, Qt::ApplicationModal);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
}

void TestFrmAbout::closingFromTheTitleBar()
{
    Doubles doubles;
    frmAbout dialog(doubles.services);
    dialog.show();
    QVERIFY(dialog.close());
    QVERIFY(!dialog.isVisible());
    QVERIFY(doubles.msgBox.shown.empty());
    QVERIFY(doubles.launcher.started.isEmpty());
}

QTEST_MAIN(TestFrmAbout)
#include "test_frmabout.moc"
