#pragma once

#include <QMainWindow>

namespace Ui {
class frmDisplay;
}

namespace amorisk {

namespace reading {
struct SignProfile;
}

class FrmDisplay : public QMainWindow
{
    Q_OBJECT
public:
    explicit FrmDisplay(QWidget *parent = nullptr);
    ~FrmDisplay() override;
    void Form_Unload();

    // The reading: the sign's name, then the rest of its profile and picture.
    void setSunSign(const QString &name);
    void setProfile(const reading::SignProfile &row, const QPixmap &picture);

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void cmdBack_Click();
    void mnuExit_Click();
    void mnuAbout_Click();
    void Label61_Click();
    void lblCobrand_Click();
    void lblFullBrand_Click();
    void mnuOnline_Click();
    void mnuVisit_Click();
    void mnuUpdate_Click();
    void mnuDonate_Click();
    void mnumakemoney_Click();

    Ui::frmDisplay *ui;
    bool m_centred = false;
};

} // namespace amorisk
