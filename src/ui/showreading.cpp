#include "showreading.h"

#include "entrycheck.h"
#include "forms.h"
#include "frmdisplay.h"
#include "frmexitscreen.h"
#include "frmmain.h"
#include "signtable.h"

namespace amorisk {

void ShowReading()
{
    FrmDisplay *display = Forms::load<FrmDisplay>();
    FrmMain *main = Forms::load<FrmMain>();
    display->setSunSign(SunSign);
    if (const reading::SignProfile *row = reading::findSign(SunSign))
        display->setProfile(
                *row, main->IMGSunsignList().picture(row->index, display->devicePixelRatioF()));
    main->hide();
    Forms::load<FrmExitScreen>()->hide();
    display->show();
}

} // namespace amorisk
