// The input window alone, built and filled as the program builds it, with
// none of the program around it (no settings, lock, reminder, seams or window
// registry). What this costs over the bare window is what drawing that window
// costs with Qt.
#include "probe.h"

#include "frmmain.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    amorisk::FrmMain window;
    window.Form_Load();
    bench::FirstPaint probe(QStringLiteral("frmMain"));
    app.installEventFilter(&probe);
    window.show();
    return QApplication::exec();
}
