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

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;

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

    Ui::frmExitScreen *ui;
    bool m_placed = false;
};

} // namespace amorisk
