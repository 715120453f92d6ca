#pragma once

#include <QMainWindow>

namespace Ui { class frmDisplay; }

namespace amorisk {

class FrmDisplay : public QMainWindow
{
    Q_OBJECT
public:
    explicit FrmDisplay(QWidget *parent = nullptr);
    ~FrmDisplay() override;
    void Form_Unload();

private:
    Ui::frmDisplay *ui;
};

} // namespace amorisk
