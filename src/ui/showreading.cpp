#include "ui/showreading.h"

#include "app/forms.h"
#include "reading/entrycheck.h"
#include "reading/signtable.h"
#include "ui/frmdisplay.h"
#include "ui/frmmain.h"
#include "web/frmexitscreen.h"

namespace amorisk {

void ShowReading()
{
    FrmDisplay *display = Forms::frmDisplay();
    display->setSunSign(SunSign);
    if (const reading::SignProfile *row = reading::findSign(SunSign))
        display->setProfile(*row, Forms::frmMain()->IMGSunsignList().picture(row->index));
    Forms::frmMain()->hide();
    Forms::frmExitScreen()->hide();
    display->show();
}

} // namespace amorisk
