#include "web/frmexitscreen.h"

#include "ui_frmExitScreen.h"

namespace amorisk {

FrmExitScreen::FrmExitScreen(QWidget *parent) : QWidget(parent), ui(new Ui::frmExitScreen)
{
    ui->setupUi(this);
}

FrmExitScreen::~FrmExitScreen()
{
    delete ui;
}

void FrmExitScreen::Form_Load() {}

void FrmExitScreen::Form_Unload() {}

} // namespace amorisk
