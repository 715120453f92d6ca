#include "showreading.h"

#include "entrycheck.h"
#include "forms.h"
#include "frmdisplay.h"
#include "frmexitscreen.h"
#include "frmmain.h"
#include "signtable.h"

namespace amorisk {

namespace {

void fill(FrmDisplay *display, const QString &sign)
{
    const reading::SignProfile *row = reading::findSign(sign);
    display->showSign(sign, row,
                      row ? Forms::frmMain()->IMGSunsignList().picture(row->index,
                                                                       display->devicePixelRatioF())
                          : QPixmap());
}

} // namespace

void ShowReading()
{
    FrmDisplay *display = Forms::frmDisplay();
    if (!display->showsSign(SunSign))
        fill(display, SunSign);
    Forms::frmMain()->hide();
    Forms::frmExitScreen()->hide();
    display->show();
}

void PrepareReadingFor(const QString &sign)
{
    auto *display = static_cast<FrmDisplay *>(Forms::preparedWindow(FormId::frmDisplay));
    if (display && !sign.isEmpty() && !display->showsSign(sign))
        fill(display, sign);
}

void PrepareNextReading()
{
    Forms::prepare(FormId::frmDisplay);
    if (auto *main = static_cast<FrmMain *>(Forms::loadedWindow(FormId::frmMain)))
        main->prepareReading();
}

} // namespace amorisk
