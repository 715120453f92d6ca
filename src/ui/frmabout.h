#pragma once

#include "formwindow.h"

#include <QDialog>

namespace Ui {
class frmAbout;
}

namespace amorisk {

class FrmAbout : public FormWindow<QDialog, Ui::frmAbout, FormId::frmAbout>
{
    Q_OBJECT
public:
    FrmAbout();
    ~FrmAbout() override;

    // Esc ends up here; it leaves through the window registry like OK does,
    // so the next opening builds the window afresh.
    void reject() override;

protected:
    void placeOnFirstShow() override;

private:
    void cmdOK_Click();
    void lblCoBrand_Click();
    void lblHomePage_Click();
};

} // namespace amorisk
