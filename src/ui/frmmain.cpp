#include "ui/frmmain.h"

#include "ui_frmMain.h"

namespace amorisk {

FrmMain::FrmMain(QWidget *parent) : QMainWindow(parent), ui(new Ui::frmMain)
{
    ui->setupUi(this);
}

FrmMain::~FrmMain()
{
    delete ui;
}

void FrmMain::Form_Load() {}

void FrmMain::Form_Unload() {}

} // namespace amorisk
namespace amorisk { void FrmMain::CoBrand_Randomize() {} }
