// The yardstick for start-up: a bare Qt main window with one label, of the size given as
// WIDTHxHEIGHT, so that bench/startup compares Orrindel with what any window of its class
// costs.

#include <QApplication>
#include <QLabel>
#include <QMainWindow>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList size =
        argc > 1 ? QString::fromLatin1(argv[1]).split(QLatin1Char('x')) : QStringList();
    QMainWindow window;
    window.setFixedSize(size.size() == 2 ? size[0].toInt() : 354,
                        size.size() == 2 ? size[1].toInt() : 440);
    auto *label = new QLabel(QStringLiteral("Orrindel"));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setMargin(8);
    window.setCentralWidget(label);
    window.show();
    return app.exec();
}
