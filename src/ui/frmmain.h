#pragma once

#include "signpicturelist.h"

#include <QMainWindow>

class QLineEdit;

namespace Ui {
class frmMain;
}

namespace amorisk {

class FrmMain : public QMainWindow
{
    Q_OBJECT
public:
    explicit FrmMain(QWidget *parent = nullptr);
    ~FrmMain() override;

    void Form_Load();
    void Form_Unload();
    void CoBrand_Randomize();

    // The twelve sign pictures; the reading window takes its picture from here.
    const SignPictureList &IMGSunsignList() const { return m_IMGSunsignList; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void cmdNext_Click();
    void cmdExit_Click();
    void mnuAbout_Click();
    void Label2_Click();
    void Label61_Click();
    void lblCobrand_Click();
    void lblFullBrand_Click();
    void mnuOnline_Click();
    void mnuVisit_Click();
    void mnuUpdate_Click();
    void mnuDonate_Click();
    void mnumakemoney_Click();
    void txtFirstName_KeyPress(int &KeyAscii);
    void txtMiddleName_KeyPress(int &KeyAscii);
    void txtLastName_KeyPress(int &KeyAscii);

    bool ValidateInput();
    bool filterNameKey(QLineEdit *box, QKeyEvent *event);

    Ui::frmMain *ui;
    SignPictureList m_IMGSunsignList;
    bool m_centred = false;
};

} // namespace amorisk
