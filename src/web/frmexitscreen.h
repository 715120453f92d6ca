#pragma once

#include <QWidget>

namespace Ui { class frmExitScreen; }

namespace amorisk {

class FrmExitScreen : public QWidget
{
    Q_OBJECT
public:
    explicit FrmExitScreen(QWidget *parent = nullptr);
    ~FrmExitScreen() override;
    void Form_Load();
    void Form_Unload();

private:
    Ui::frmExitScreen *ui;
};

} // namespace amorisk
