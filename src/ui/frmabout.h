#pragma once

#include <QDialog>

namespace Ui { class frmAbout; }

namespace amorisk {

class FrmAbout : public QDialog
{
    Q_OBJECT
public:
    explicit FrmAbout(QWidget *parent = nullptr);
    ~FrmAbout() override;

    // Esc ends up here; it leaves through the window registry like OK does,
    // so the next opening builds the window afresh.
    void reject() override;

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void cmdOK_Click();
    void lblCoBrand_Click();
    void lblHomePage_Click();

    Ui::frmAbout *ui;
    bool m_placed = false;
};

} // namespace amorisk
