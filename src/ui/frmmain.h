#pragma once

#include <QMainWindow>

namespace Ui { class frmMain; }

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

private:
    Ui::frmMain *ui;
};

} // namespace amorisk
