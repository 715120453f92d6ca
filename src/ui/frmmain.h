#pragma once

#include "formwindow.h"
#include "signpicturelist.h"

#include <QMainWindow>

class QLineEdit;

namespace Ui {
class frmMain;
}

namespace amorisk {

class FrmMain : public FormWindow<QMainWindow, Ui::frmMain, FormId::frmMain>
{
    Q_OBJECT
public:
    FrmMain();
    ~FrmMain() override;

    void Form_Load() override;
    void Form_Unload() override;
    void CoBrand_Randomize();

    // The twelve sign pictures; the reading window takes its picture from here.
    const SignPictureList &IMGSunsignList() const { return m_IMGSunsignList; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void cmdNext_Click();
    void cmdExit_Click();
    void mnuAbout_Click();
    void Label2_Click();
    void txtFirstName_KeyPress(int &KeyAscii);
    void txtMiddleName_KeyPress(int &KeyAscii);
    void txtLastName_KeyPress(int &KeyAscii);

    bool ValidateInput();
    bool filterNameKey(QLineEdit *box, QKeyEvent *event);

    SignPictureList m_IMGSunsignList;
};

} // namespace amorisk
