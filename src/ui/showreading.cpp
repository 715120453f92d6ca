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
    FrmDisplay *display = Forms::frmDisplay();
    display->setSunSign(SunSign);
    if (const reading::SignProfile *row = reading::findSign(SunSign))
        display->setProfile(*row,
                            Forms::frmMain()->IMGSunsignList().picture(
                                    row->index, display->devicePixelRatioF()));
    Forms::frmMain()->hide();
    Forms::frmExitScreen()->hide();
    display->show();
}

} // namespace amorisk
