#pragma once

#include "formwindow.h"

#include <QLabel>
#include <QMainWindow>
#include <QPixmap>
#include <QStringList>

#include <memory>

namespace Ui {
class frmDisplay;
}

namespace amorisk {

namespace reading {
struct SignProfile;
}

class FrmDisplay : public FormWindow<QMainWindow>
{
    Q_OBJECT
public:
    FrmDisplay();
    ~FrmDisplay() override;
    void Form_Unload() override;

    // The reading: the sign's name, then the rest of its profile and picture.
    void setSunSign(const QString &name);
    void setProfile(const reading::SignProfile &row, const QPixmap &picture);
    // The whole reading for a sign; one without a profile row shows only its
    // name, the rest as the layout has it.
    void showSign(const QString &name, const reading::SignProfile *row, const QPixmap &picture);
    // Whether the window holds the whole reading for `name` already.
    bool showsSign(const QString &name) const;

private:
    void cmdBack_Click();
    void mnuExit_Click();
    void mnuAbout_Click();
    void writeRomance();
    QList<QLabel *> valueCaptions() const;

    std::unique_ptr<Ui::frmDisplay> ui;
    QString m_romance;
    QString m_shownSign;
    bool m_showsSign = false;
    // What the layout shows where a reading writes its profile.
    QStringList m_layoutValues;
    QPixmap m_layoutPicture;
    QString m_layoutPictureName;
    bool m_goingBack = false;
};

} // namespace amorisk
