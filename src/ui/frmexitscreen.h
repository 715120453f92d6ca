#pragma once

#include "formwindow.h"

#include <QWidget>

namespace Ui {
class frmExitScreen;
}

namespace amorisk {

class FrmExitScreen : public FormWindow<QWidget, Ui::frmExitScreen, FormId::frmExitScreen>
{
    Q_OBJECT
public:
    FrmExitScreen();
    ~FrmExitScreen() override;
    void Form_Load() override;
    void Form_Unload() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void cmdClose_Click();
    void cmdSubmit_Click();
    void Check1_Click();
    void lblGoToHome_Click();

    void txtName_GotFocus();
    void txtName_LostFocus();
    void txtEmail_GotFocus();
    void txtEmail_LostFocus();
    void txtFriendName_GotFocus();
    void txtFriendName_LostFocus();
    void txtFriendEmail_GotFocus();
    void txtFriendEmail_LostFocus();
    void txtMessage_GotFocus();
    void txtMessage_LostFocus();

    // Clearing typed to a null character discards the key.
    void txtEmail_KeyPress(QChar &typed);
    void txtFriendEmail_KeyPress(QChar &typed);

    QString messageText() const;
    void setMessageText(const QString &text);
    void limitMessage(int position, int removed, int added);
};

} // namespace amorisk
