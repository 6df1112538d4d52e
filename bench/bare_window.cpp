// The yardstick for start-up: a bare Qt Widgets window with one label, of the size given
// as WIDTHxHEIGHT, so that bench/startup compares Orrindel with what any such window costs.

#include <QApplication>
#include <QLabel>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList size =
        argc > 1 ? QString::fromLatin1(argv[1]).split(QLatin1Char('x')) : QStringList();
    QWidget window;
    window.setFixedSize(size.size() == 2 ? size[0].toInt() : 354,
                        size.size() == 2 ? size[1].toInt() : 440);
    QLabel label(QStringLiteral("Orrindel"), &window);
    label.move(8, 8);
    window.show();
    return app.exec();
}
