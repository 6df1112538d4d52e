// The About box as the user meets it: its texts, frame, keys, focus and modality.

#include "support/doubles.h"

#include "platform/controls.h"
#include "ui/about/frmabout.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

using namespace orrindel;
using test::TestServices;

namespace {

template <typename T = QWidget> T *child(const QWidget &dialog, const char *name)
{
    return dialog.findChild<T *>(QString::fromLatin1(name));
}

// Shows the dialog as the window with the keyboard focus.
bool showActive(QDialog &dialog)
{
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    return QTest::qWaitForWindowActive(&dialog);
}

QString caption(const QWidget &dialog, const char *name)
{
    return child<QLabel>(dialog, name)->text();
}

} // namespace

class TestFrmAbout : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { platform::installFontSubstitutes(); }

    void loadWritesTheTexts();
    void fixedDialogFrame();
    void focusTabOrderAndAltS();
    void keys_data();
    void keys();
    void showsModallyAndOkEndsIt();
};

void TestFrmAbout::loadWritesTheTexts()
{
    TestServices doubles;
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

    // Nothing is asked of the system by showing the box (an unexpected message box fails).
    QCOMPARE(doubles.registry.opened, 0);
    QVERIFY(doubles.launcher.started.isEmpty());

    // The credits: a heading, then two lines indented by ten spaces.
    const QStringList lines = caption(dialog, "lblDescription").split(QStringLiteral("\r\n"));
    QCOMPARE(lines.size(), 3);
    QVERIFY(!lines[0].isEmpty() && !lines[0].startsWith(QLatin1Char(' ')));
    for (const QString &line : {lines[1], lines[2]}) {
        QVERIFY2(line.startsWith(QString(10, QLatin1Char(' '))) && line.at(10) != QLatin1Char(' '),
                 qPrintable(line));
        QVERIFY(!line.contains(QLatin1Char('\r')) && !line.contains(QLatin1Char('\n')));
    }
}

void TestFrmAbout::fixedDialogFrame()
{
    TestServices doubles;
    frmAbout dialog(doubles.services);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    const QSize client(platform::twipsToPixels(5730), platform::twipsToPixels(3045));
    QCOMPARE(dialog.size(), client);
    QCOMPARE(dialog.minimumSize(), client);
    QCOMPARE(dialog.maximumSize(), client);
    const Qt::WindowFlags flags = dialog.windowFlags();
    QCOMPARE(flags & Qt::WindowType_Mask, Qt::Dialog);
    QVERIFY(!(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QVERIFY(!dialog.windowIcon().isNull());
    QCOMPARE(child<QLabel>(dialog, "picIcon")->pixmap().deviceIndependentSize(), QSizeF(32, 32));

    // The etched separator: a grey line on row 131 with a white one below on rows 132 and
    // 133, starting a pixel further right.
    const QImage image = dialog.grab().toImage();
    const auto pixel = [&](int x, int y) {
        const int ratio = int(image.devicePixelRatio());
        return image.pixelColor(x * ratio, y * ratio);
    };
    QCOMPARE(pixel(200, 131), QColor(0x80, 0x80, 0x80));
    QCOMPARE(pixel(200, 132), QColor(Qt::white));
    QCOMPARE(pixel(200, 133), QColor(Qt::white));
    QVERIFY(pixel(200, 134) != QColor(Qt::white));
    QCOMPARE(pixel(6, 131), QColor(0x80, 0x80, 0x80));
    QVERIFY(pixel(6, 132) != QColor(Qt::white));

    // Closing from the title bar ends it like OK, starting nothing.
    QVERIFY(dialog.close());
    QVERIFY(!dialog.isVisible());
    QVERIFY(doubles.launcher.started.isEmpty());
}

void TestFrmAbout::focusTabOrderAndAltS()
{
    TestServices doubles;
    doubles.registry.set("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH",
                         test::FakeRegistry::text("C:\\Windows\\System32\\msinfo32.exe"));
    frmAbout dialog(doubles.services);
    QVERIFY(showActive(dialog));

    QStringList visited{QApplication::focusWidget()->objectName()};
    for (int i = 0; i < 3; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(visited, (QStringList{QStringLiteral("cmdOK"), QStringLiteral("picIcon"),
                                   QStringLiteral("cmdSysInfo"), QStringLiteral("cmdOK")}));

    // An access key presses its button after the button's short pressed-down animation.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_S, Qt::AltModifier);
    QTRY_COMPARE(doubles.launcher.started,
                 QStringList{QStringLiteral("C:\\Windows\\System32\\msinfo32.exe")});
    QVERIFY(dialog.isVisible());
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
}

void TestFrmAbout::keys()
{
    QFETCH(QString, focus);
    QFETCH(int, key);
    QFETCH(bool, closed);
    QFETCH(int, messages);

    TestServices doubles;
    frmAbout dialog(doubles.services);
    QVERIFY(showActive(dialog));
    QWidget *target = dialog.findChild<QWidget *>(focus);
    target->setFocus();
    QCOMPARE(QApplication::focusWidget(), target);
    doubles.msgBox.expect(messages);

    QTest::keyClick(target, Qt::Key(key));
    QCOMPARE(dialog.isVisible(), !closed);
    if (closed)
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(int(doubles.msgBox.boxes().size()), messages);
}

void TestFrmAbout::showsModallyAndOkEndsIt()
{
    TestServices doubles;
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

QTEST_MAIN(TestFrmAbout)
#include "test_frmabout.moc"
