#include "ui/frmabout.h"

#include "ui_frmAbout.h"

namespace amorisk {

FrmAbout::FrmAbout(QWidget *parent) : QDialog(parent), ui(new Ui::frmAbout)
{
    ui->setupUi(this);
}

FrmAbout::~FrmAbout()
{
    delete ui;
}

} // namespace amorisk
