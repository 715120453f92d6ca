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

private:
    Ui::frmAbout *ui;
};

} // namespace amorisk
