#pragma once

#include "formwindow.h"

#include <QMainWindow>
#include <QPixmap>

namespace Ui {
class frmDisplay;
}

namespace amorisk {

namespace reading {
struct SignProfile;
}

class FrmDisplay : public FormWindow<QMainWindow, Ui::frmDisplay, FormId::frmDisplay>
{
    Q_OBJECT
public:
    FrmDisplay();
    ~FrmDisplay() override;
    void Form_Unload() override;

    // The reading: the sign's name, then the rest of its profile and picture.
    void setSunSign(const QString &name);
    void setProfile(const reading::SignProfile &row, const QPixmap &picture);

private:
    void cmdBack_Click();
    void mnuExit_Click();
    void mnuAbout_Click();

    bool m_goingBack = false;
};

} // namespace amorisk
