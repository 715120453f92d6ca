// The input window's layout alone: its controls, fonts, colours and list
// entries as the program sets them up, with none of the program around it
// (no settings, lock, reminder, seams or icon). What this costs over the
// bare window is what drawing that window costs with Qt.
#include "probe.h"

#include "autosize.h"
#include "look.h"

#include "ui_frmMain.h"

#include <QApplication>
#include <QLayout>
#include <QMainWindow>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    amorisk::installFontSubstitutions();
    QMainWindow window;
    amorisk::fixWindowFrame(&window);
    Ui::frmMain ui;
    ui.setupUi(&window);
    ui.mnuFileSep1->setSeparator(true);
    ui.mnuFileSep2->setSeparator(true);
    amorisk::useClassicColours(&window);
    amorisk::usePixelFonts(&window);
    amorisk::fitAutoSizeCaptions(&window);
    window.layout()->setSizeConstraint(QLayout::SetFixedSize);
    for (int day = 1; day <= 31; ++day)
        ui.cboDate->addItem(QString::number(day));
    for (const char *month : {"January", "February", "March", "April", "May", "June", "July",
                              "August", "September", "October", "November", "December"})
        ui.cboMonth->addItem(QLatin1String(month));
    for (int year = 1900; year <= 2050; ++year)
        ui.cboYear->addItem(QString::number(year));
    bench::FirstPaint probe(QStringLiteral("frmMain"));
    app.installEventFilter(&probe);
    window.show();
    return QApplication::exec();
}
