#include "ui/frmdisplay.h"

#include "ui_frmDisplay.h"

namespace amorisk {

FrmDisplay::FrmDisplay(QWidget *parent) : QMainWindow(parent), ui(new Ui::frmDisplay)
{
    ui->setupUi(this);
}

FrmDisplay::~FrmDisplay()
{
    delete ui;
}

void FrmDisplay::Form_Unload() {}

} // namespace amorisk
