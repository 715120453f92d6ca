// The floor any Qt program pays: a bare QMainWindow with a menu bar, of the
// input window's size, built by the same compiler and flags.
#include "probe.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.menuBar()->addMenu(QStringLiteral("&File"));
    auto *central = new QWidget;
    central->setFixedSize(497, 286);
    window.setCentralWidget(central);
    window.setObjectName(QStringLiteral("bare"));
    bench::FirstPaint probe(QStringLiteral("bare"));
    app.installEventFilter(&probe);
    window.show();
    return QApplication::exec();
}
